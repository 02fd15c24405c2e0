#pragma once
// What a click on a time-list entry plays, and where a continuous run over
// the registered times jumps to.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The eight time lists of the cut face.
enum class ListKind { ALL, C, Step60s, Step10s, Step1s, Step100ms, Step10ms, Step1ms };

// RadioGroup1 "PLAY mode", by item index.
enum class PlayMode { End = 0, Zone = 1, Renzoku = 2, Skip = 3, Repeat = 4, Off = 5 };
// RadioGroup3, the special play modes, by item index.
enum class SpecialMode { Start5 = 0, End5 = 1, MuE100 = 2, MuS100 = 3, Off = 4 };

// How far the last entry of a list reaches: the list's step, or -1 (the end
// of the file) for ListBox_ALL and ListBox_C.
int64_t LastEntryReach(ListKind kind);

struct PlayRange {
    int64_t PlayFrom = 0;
    int64_t PlayTo = 0;  // -2: to the end of the file (OpenAndPlay's rule)
};

// The range entry k plays: from its time to 1 ms before the next entry (the
// last entry: its reach), then the play mode's and the special mode's
// changes; on a click (not on a continuation) "end" plays to `cutLength`.
PlayRange EntryPlayRange(ListKind kind, int64_t entryTime, std::optional<int64_t> nextTime, PlayMode mode,
                         SpecialMode special, bool click, int64_t cutLength);
// The same over a list's entry texts; k must be a valid index.
PlayRange EntryPlayRange(ListKind kind, const std::vector<std::string>& entries, int k, PlayMode mode,
                         SpecialMode special, bool click, int64_t cutLength);

// The first start time from k on (wrapping to the top) that the continuous
// run plays: any marked entry when RenzokuColour is 0, else only entries of
// that colour code. None when StartList has no mark or no entry matches.
std::optional<int> StartJump(int k, const std::vector<std::string>& StartList, int RenzokuColour);
