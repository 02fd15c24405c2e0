#include "TimeFormat.h"

#include <algorithm>
#include <charconv>

namespace {

// The most digits a part of an entry text may have: far beyond any length
// (31 years of milliseconds), and minutes of that many digits still fit int64_t.
constexpr size_t MaxNumberDigits = 12;

int DecimalDigits(int64_t n)
{
    int digits = 1;
    for (; n >= 10; n /= 10) ++digits;
    return digits;
}

std::optional<int64_t> ReadNumber(std::string_view text)
{
    if (text.empty() || text.size() > MaxNumberDigits) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    int64_t n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

}  // namespace

TimeFormat MakeTimeFormat(int64_t cutLength, bool minutes)
{
    TimeFormat format;
    format.cutLength = cutLength;
    format.minutes = minutes;
    format.LenDigits = DecimalDigits(std::max<int64_t>(cutLength, 0));
    format.MinDigits = cutLength > 0 ? DecimalDigits(cutLength / 60000) : 1;
    return format;
}

std::string TimeEntryText(int64_t t, const TimeFormat& format)
{
    t = std::max<int64_t>(t, 0);
    if (!format.minutes) return ZeroPadded(t, format.LenDigits);
    return ZeroPadded(t / 60000, format.MinDigits) + '.' + ZeroPadded(t % 60000, 5);
}

std::optional<int64_t> ReadEntryTime(std::string_view text)
{
    const size_t dot = text.find('.');
    if (dot == std::string_view::npos) return ReadNumber(text);
    const auto minutes = ReadNumber(text.substr(0, dot));
    const auto ms = ReadNumber(text.substr(dot + 1));
    if (!minutes || !ms) return std::nullopt;
    return *minutes * 60000 + *ms;
}

int64_t EntryTime(std::string_view text) { return ReadEntryTime(text).value_or(0); }

std::string ZeroPadded(int64_t n, int width)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    const int length = static_cast<int>(end - digits);
    std::string text;
    text.reserve(static_cast<size_t>(std::max(width, length)));
    if (length < width) text.append(static_cast<size_t>(width - length), '0');
    text.append(digits, end);
    return text;
}
