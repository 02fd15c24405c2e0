#include "TextFormats.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

std::tm LocalTime(std::chrono::system_clock::time_point time)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

std::string TwoDigits(int value)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string DateText(const std::tm& t)
{
    return TwoDigits(t.tm_year) + "/" + TwoDigits(t.tm_mon + 1) + "/" + TwoDigits(t.tm_mday);
}

std::string TimeText(const std::tm& t)
{
    return TwoDigits(t.tm_hour) + ":" + TwoDigits(t.tm_min) + ":" + TwoDigits(t.tm_sec);
}

}  // namespace

std::string FormatGrouped(int64_t value, int width)
{
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string FormatN(double value, int width)
{
    constexpr double kLimit = 9.2e18;  // inside the range of int64_t
    const double rounded = std::isfinite(value) ? std::round(value) : 0.0;
    return FormatGrouped(static_cast<int64_t>(std::fmax(-kLimit, std::fmin(kLimit, rounded))), width);
}

std::string WeekdayText(int weekday)
{
    static const std::array<const char*, 7> names = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return weekday >= 0 && weekday < 7 ? names[weekday] : "";
}

std::string DateWeekTimeText(std::chrono::system_clock::time_point time)
{
    const std::tm t = LocalTime(time);
    return DateText(t) + " " + WeekdayText(t.tm_wday) + " " + TimeText(t);
}

std::string DateTimeWeekText(std::chrono::system_clock::time_point time)
{
    const std::tm t = LocalTime(time);
    return DateText(t) + " " + TimeText(t) + " " + WeekdayText(t.tm_wday);
}

std::string CompactDateTimeText(std::chrono::system_clock::time_point time)
{
    const std::tm t = LocalTime(time);
    return TwoDigits(t.tm_year) + TwoDigits(t.tm_mon + 1) + TwoDigits(t.tm_mday) + "_" + TwoDigits(t.tm_hour) +
           TwoDigits(t.tm_min) + TwoDigits(t.tm_sec);
}
