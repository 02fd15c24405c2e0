#pragma once
// The decimal text of stored numbers: plain signed decimal ("0", "15", "-3").
#include <QString>

#include <optional>

// The number a decimal text holds; none for an empty text, a text that is not
// decimal (letters, "0x10", "1.5") or a number beyond the int range.
std::optional<int> DecimalNumber(const QString& text);
