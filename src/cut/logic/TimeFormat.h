#pragma once
// The text of a time on the cut face. Times are whole milliseconds; every
// entry of one file has the same width, so that text order is time order.
// Plain form: the milliseconds padded with zeros to the digits of the file's
// length ("010000" for 10 s of a three-minute file). Minutes form (the
// "分単位にする" check, MO_FUN): the minutes padded to the digits of the
// length's minutes, ".", and the milliseconds within the minute padded to five
// ("0.10000").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TimeFormat {
    int64_t cutLength = 0;  // the length of the file in work, ms
    bool minutes = false;   // MO_FUN
    int LenDigits = 1;      // digits of cutLength (1 when it is 0)
    int MinDigits = 1;      // digits of cutLength div 60000 when cutLength > 0, else 1
};

// The format of a file of that length; `minutes` as MO_FUN is checked.
TimeFormat MakeTimeFormat(int64_t cutLength, bool minutes);

// The entry text of t (t >= 0). A number wider than the format's digits stays
// whole: an entry of another length's file is rewritten without losing digits.
std::string TimeEntryText(int64_t t, const TimeFormat& format);

// The time of an entry text: with a ".", the number before the first "."
// times 60000 plus the number after it; else the whole text as a number.
// Nothing when the text is no such entry (empty, a sign, a blank, a letter,
// a number too large).
std::optional<int64_t> ReadEntryTime(std::string_view text);
// ReadEntryTime for texts the program made itself; 0 when unreadable.
int64_t EntryTime(std::string_view text);

// n >= 0 in decimal, padded on the left with zeros to `width` characters.
std::string ZeroPadded(int64_t n, int width);
