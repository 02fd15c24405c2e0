#include "TimeLists.h"

#include "CutTexts.h"

namespace {

constexpr std::array<int64_t, 5> Intervals = {1000, 10000, 60000, 600000, 3600000};
constexpr std::array<ListKind, 6> LevelLists = {ListKind::Step1ms,  ListKind::Step10ms, ListKind::Step100ms,
                                                ListKind::Step1s,   ListKind::Step10s,  ListKind::Step60s};

// Steps before and after the base that a subdivision list spans.
constexpr int StepsBefore = 2;
constexpr int StepsAfter = 12;
constexpr int MinuteStepsAfter = 62;
// The ">1ms" and ">10ms" lists reach back this many steps more for the
// special modes that play up to the entry.
constexpr int StepsBackForEndModes = 10;

bool PlaysUpToEntry(SpecialMode special) { return special == SpecialMode::End5 || special == SpecialMode::MuE100; }

}  // namespace

ListKind LevelList(int level) { return LevelLists.at(static_cast<size_t>(level)); }

int64_t IntervalMs(int index)
{
    return index >= 0 && index < static_cast<int>(Intervals.size()) ? Intervals[static_cast<size_t>(index)]
                                                                     : Intervals[0];
}

int DefaultIntervalIndex(int64_t cutLength) { return cutLength < 10000 ? 0 : 1; }

std::vector<std::string> IntervalItems(bool minutes)
{
    const auto& items = minutes ? CutTexts::IntervalItemsMinutes : CutTexts::IntervalItemsPlain;
    return {items.begin(), items.end()};
}

std::vector<std::string> IntervalEntries(int64_t interval, const TimeFormat& format)
{
    std::vector<std::string> entries;
    if (interval <= 0 || format.cutLength < 0) return entries;
    entries.reserve(static_cast<size_t>(format.cutLength / interval + 1));
    for (int64_t t = 0; t <= format.cutLength; t += interval) entries.push_back(TimeEntryText(t, format));
    return entries;
}

Subdivision Subdivide(int level, int top, int64_t t, SpecialMode special, const TimeFormat& format)
{
    Subdivision list;
    if (level < 0 || level >= static_cast<int>(StepTable.size())) return list;
    const int64_t step = StepTable[static_cast<size_t>(level)];
    int64_t base = t;
    if (level == top && level < 2 && PlaysUpToEntry(special))
        base = std::max<int64_t>(0, t - StepsBackForEndModes * step);
    const int after = step == 60000 ? MinuteStepsAfter : StepsAfter;
    for (int i = -StepsBefore; i <= after; ++i) {
        const int64_t v = base + i * step;
        if (v < 0) continue;
        if (v > format.cutLength) break;
        list.entries.push_back(TimeEntryText(v, format));
        if (i == 0) list.baseIndex = static_cast<int>(list.entries.size()) - 1;
    }
    return list;
}
