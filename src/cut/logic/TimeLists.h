#pragma once
// The time lists of the cut face: the equal-interval list over the whole file
// and the subdivision lists at 60 s, 10 s, 1 s, 100 ms, 10 ms and 1 ms steps,
// each built around one base time.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "PlayRange.h"
#include "TimeFormat.h"

// Steps of the subdivision levels 0 to 5, ms.
inline constexpr std::array<int64_t, 6> StepTable = {1, 10, 100, 1000, 10000, 60000};
// The list each level fills: 0 Step1ms ... 5 Step60s.
ListKind LevelList(int level);

// ComboBox_TM's item index -> ListInterval: 0..4 -> 1000, 10000, 60000,
// 600000, 3600000; any other index (no item) -> 1000.
int64_t IntervalMs(int index);
// The item index a newly chosen file starts with: 0 below 10000 ms, else 1.
int DefaultIntervalIndex(int64_t cutLength);
// The items of ComboBox_TM: "1s" ... "3600s", or "1秒" ... "60分" in minutes form.
std::vector<std::string> IntervalItems(bool minutes);

// ListBox_ALL: the entries of 0, interval, 2 x interval, ... up to the length.
// Linear in the number of entries (36,001 for ten hours at 1 s).
std::vector<std::string> IntervalEntries(int64_t interval, const TimeFormat& format);

struct Subdivision {
    std::vector<std::string> entries;
    int baseIndex = -1;  // the entry of the base time itself (current and selected); -1 when beyond the length
};

// The list of `level` built around time t for a subdivision started at level
// `top`: from two steps before to n steps after the base (n = 62 for 60 s
// steps, else 12), none below 0, none beyond the length. The ">1ms" and
// ">10ms" buttons' own list reaches back ten steps further while the special
// mode is "end　5" or "無E100", so it covers what those modes play.
Subdivision Subdivide(int level, int top, int64_t t, SpecialMode special, const TimeFormat& format);
