#pragma once
// The registered times of the file in work (ListBox_C) and the parallel
// StartList: entry i of StartList is the colour code of time i, "" for none
// or "1" to "6". The times stay sorted by text; StartList is always exactly
// as long as the times.
#include <optional>
#include <string>
#include <vector>

#include "TimeFormat.h"

// The code a new registration carries: the decimal StartColour while start
// times are enabled and StartColour is 1 to 6, else "".
std::string RegistrationCode(bool startTimesEnabled, int StartColour);

class RegisteredTimes {
public:
    const std::vector<std::string>& times() const { return times_; }
    const std::vector<std::string>& StartList() const { return StartList_; }
    int size() const { return static_cast<int>(times_.size()); }
    bool empty() const { return times_.empty(); }
    // True when some time carries a colour code.
    bool hasStartTimes() const;

    // Replaces everything by a time file's lines: the times sorted by text
    // (with their codes), a code "@" read as "1", missing codes as "", codes
    // beyond the last time dropped.
    void assign(std::vector<std::string> times, std::vector<std::string> codes);
    void clear();

    // Registers an entry text and returns its index (the new current entry).
    // A new text lands at its sorted place with `code`; a text already there
    // is not added again, and takes `code` when start times are enabled.
    int RegisterEntry(const std::string& entry, const std::string& code, bool startTimesEnabled);

    // Deletes the entries at the selected indexes (any order, duplicates and
    // out-of-range indexes ignored) and returns the index that becomes
    // current: the lowest deleted one (0 when none was deleted), or none when
    // no entry stands there any more.
    std::optional<int> DeleteSelected(const std::vector<int>& selected);

    // Gives the selected entries the code ("1" to "6", or "" to unmark).
    void Mark(const std::vector<int>& selected, const std::string& code);

    // Rewrites every time in `format`, keeping the order and the codes.
    void Rewrite(const TimeFormat& format);

private:
    std::vector<std::string> times_;
    std::vector<std::string> StartList_;
};
