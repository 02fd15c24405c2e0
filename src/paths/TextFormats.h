#pragma once
// Number and time texts shared by reports, logs and lists.
#include <chrono>
#include <concepts>
#include <cstdint>
#include <string>

// A whole number with thousands grouped by ',' and no decimals, right-aligned
// to `width` (never cut): the "%8.0n" family of fields.
std::string FormatGrouped(int64_t value, int width);
template <std::integral T>
std::string FormatN(T value, int width)
{
    return FormatGrouped(static_cast<int64_t>(value), width);
}
// A fractional value rounded half away from zero, then as FormatGrouped.
std::string FormatN(double value, int width);

// "Sun" to "Sat" for 0 (Sunday) to 6; empty outside that range.
std::string WeekdayText(int weekday);

// The local time as "yy/mm/dd ddd hh:mm:ss", e.g. "24/03/09 Sat 07:05:02".
std::string DateWeekTimeText(std::chrono::system_clock::time_point time);
// The local time as "yy/mm/dd hh:mm:ss ddd", e.g. "24/03/09 07:05:02 Sat".
std::string DateTimeWeekText(std::chrono::system_clock::time_point time);
// The local time as "yymmddhhmmss" with "_" between date and time:
// "240309_070502".
std::string CompactDateTimeText(std::chrono::system_clock::time_point time);
