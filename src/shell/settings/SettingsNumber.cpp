#include "SettingsNumber.h"

std::optional<int> DecimalNumber(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return number;
}
