#include "MKTextLines.h"

QStringList MKTextLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].endsWith(QLatin1Char('\r'))) lines[i].chop(1);
    }
    return lines;
}

QString WithCrLf(const QString& text)
{
    return MKTextLines(text).join(QStringLiteral("\r\n"));
}
