#include "RegisteredTimes.h"

#include <algorithm>
#include <numeric>
#include <set>

std::string RegistrationCode(bool startTimesEnabled, int StartColour)
{
    return startTimesEnabled && StartColour >= 1 && StartColour <= 6 ? std::to_string(StartColour) : std::string();
}

bool RegisteredTimes::hasStartTimes() const
{
    return std::any_of(StartList_.begin(), StartList_.end(), [](const std::string& code) { return !code.empty(); });
}

void RegisteredTimes::assign(std::vector<std::string> times, std::vector<std::string> codes)
{
    // Codes belong to the times of the same place; a time without one is
    // unmarked, a code without a time belongs to nothing.
    codes.resize(times.size());
    for (auto& code : codes)
        if (code == "@") code = "1";
    std::vector<size_t> order(times.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return times[a] < times[b]; });
    clear();
    times_.reserve(order.size());
    StartList_.reserve(order.size());
    for (size_t i : order) {
        times_.push_back(std::move(times[i]));
        StartList_.push_back(std::move(codes[i]));
    }
}

void RegisteredTimes::clear()
{
    times_.clear();
    StartList_.clear();
}

int RegisteredTimes::RegisterEntry(const std::string& entry, const std::string& code, bool startTimesEnabled)
{
    auto found = std::find(times_.begin(), times_.end(), entry);
    if (found != times_.end()) {
        const auto k = found - times_.begin();
        if (startTimesEnabled) StartList_[static_cast<size_t>(k)] = code;
        return static_cast<int>(k);
    }
    const auto k = std::upper_bound(times_.begin(), times_.end(), entry) - times_.begin();
    times_.insert(times_.begin() + k, entry);
    StartList_.insert(StartList_.begin() + k, code);
    return static_cast<int>(k);
}

std::optional<int> RegisteredTimes::DeleteSelected(const std::vector<int>& selected)
{
    std::set<int> doomed;
    for (int i : selected)
        if (i >= 0 && i < size()) doomed.insert(i);
    for (auto i = doomed.rbegin(); i != doomed.rend(); ++i) {
        times_.erase(times_.begin() + *i);
        StartList_.erase(StartList_.begin() + *i);
    }
    const int current = doomed.empty() ? 0 : *doomed.begin();
    if (current >= size()) return std::nullopt;
    return current;
}

void RegisteredTimes::Mark(const std::vector<int>& selected, const std::string& code)
{
    for (int i : selected)
        if (i >= 0 && i < size()) StartList_[static_cast<size_t>(i)] = code;
}

void RegisteredTimes::Rewrite(const TimeFormat& format)
{
    for (auto& time : times_)
        if (const auto t = ReadEntryTime(time)) time = TimeEntryText(*t, format);
}
