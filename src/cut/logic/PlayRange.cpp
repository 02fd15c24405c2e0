#include "PlayRange.h"

#include "TimeFormat.h"

int64_t LastEntryReach(ListKind kind)
{
    switch (kind) {
    case ListKind::Step1ms: return 1;
    case ListKind::Step10ms: return 10;
    case ListKind::Step100ms: return 100;
    case ListKind::Step1s: return 1000;
    case ListKind::Step10s: return 10000;
    case ListKind::Step60s: return 60000;
    case ListKind::ALL:
    case ListKind::C: break;
    }
    return -1;
}

PlayRange EntryPlayRange(ListKind kind, int64_t entryTime, std::optional<int64_t> nextTime, PlayMode mode,
                         SpecialMode special, bool click, int64_t cutLength)
{
    PlayRange r;
    r.PlayFrom = entryTime;
    const int64_t reach = LastEntryReach(kind);
    r.PlayTo = nextTime ? *nextTime : reach < 0 ? -1 : entryTime + reach;
    // One millisecond before the next entry; the end of the file (-1) becomes -2.
    r.PlayTo -= 1;
    if (mode == PlayMode::Skip) r.PlayTo = r.PlayFrom + 1000;
    switch (special) {
    case SpecialMode::Start5: r.PlayTo = r.PlayFrom + 1000; break;
    case SpecialMode::End5: r.PlayTo = r.PlayFrom; r.PlayFrom -= 500; break;
    case SpecialMode::MuE100: r.PlayTo = r.PlayFrom; r.PlayFrom -= 100; break;
    case SpecialMode::MuS100: r.PlayTo = r.PlayFrom + 100; break;
    case SpecialMode::Off: break;
    }
    if (click && mode == PlayMode::End) r.PlayTo = cutLength;
    return r;
}

PlayRange EntryPlayRange(ListKind kind, const std::vector<std::string>& entries, int k, PlayMode mode,
                         SpecialMode special, bool click, int64_t cutLength)
{
    const size_t at = static_cast<size_t>(k);
    std::optional<int64_t> next;
    if (at + 1 < entries.size()) next = EntryTime(entries[at + 1]);
    return EntryPlayRange(kind, EntryTime(entries.at(at)), next, mode, special, click, cutLength);
}

std::optional<int> StartJump(int k, const std::vector<std::string>& StartList, int RenzokuColour)
{
    const std::string colour = std::to_string(RenzokuColour);
    auto matches = [&](const std::string& code) { return !code.empty() && (RenzokuColour == 0 || code == colour); };
    const int count = static_cast<int>(StartList.size());
    k = std::max(k, 0);
    for (int i = k; i < count; ++i)
        if (matches(StartList[static_cast<size_t>(i)])) return i;
    for (int i = 0; i < std::min(k, count); ++i)
        if (matches(StartList[static_cast<size_t>(i)])) return i;
    return std::nullopt;
}
