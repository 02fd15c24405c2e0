#pragma once
// Which entries of a time list a cut writes, and the range and category name
// of each part.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "PlayRange.h"

struct CutRequest {
    ListKind list = ListKind::C;
    const std::vector<std::string>* entries = nullptr;  // the list's entry texts
    std::vector<bool> selected;                          // per entry; missing ones are not selected
    std::string CutFilter;                               // "" selection, "@" any start time, "1".."6" one colour
    bool startTimesEnabled = false;                      // MO_ST_TM
    const std::vector<std::string>* StartList = nullptr;  // codes of ListBox_C's entries (may be null)
    const std::array<std::string, 7>* CategoryNames = nullptr;  // may be null: no category names
};

struct CutPart {
    int index = 0;         // the entry that starts the part
    int64_t CutFrom = 0;   // ms
    int64_t CutTo = -1;    // ms; -1: the end of the file
    std::string category;  // CategoryNames of the entry's colour, or of code 0
};

// The parts, first entry to last. With start times enabled, a filter and
// ListBox_C, the entries whose code matches the filter are chosen whatever
// the selection; otherwise the selected ones. Each part reaches to the next
// entry of the list, chosen or not; the last to its list's reach.
std::vector<CutPart> PlanCut(const CutRequest& request);

// The filter of the cut menu's colour items: 0 "@" (every start time), 1..6 "1".."6".
std::string CutFilterOf(int colourCode);
