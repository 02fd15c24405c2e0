#pragma once
// The output names of the separation, reversal and fmt batches. Each name
// returned is free on disk and is not the source.
#include <optional>
#include <set>
#include <string>
#include <utility>

// The names in an output folder, listed once per run and kept up to date
// with the run's own outputs, so that a run over many files does not list
// the folder again for every file.
class FolderNames {
public:
    explicit FolderNames(const std::string& folder);
    void add(const std::string& path);
    // True when a name is prefix + (exactly one character when `one`, else
    // anything) + ".wav" (extension in any case).
    bool anyMatches(const std::string& prefix, bool one) const;

private:
    std::set<std::string> names_;
};

// base__L.wav and base__R.wav while no base_*.wav is in the folder, else the
// first base_lrNNN_L.wav / _R.wav pair from NNN = `from` on for which no
// base_lrNNN_?.wav exists. `from` is left behind the pair given (-1 for the
// plain pair).
std::optional<std::pair<std::string, std::string>> SeparationOutputNames(const std::string& folder,
                                                                         const std::string& source,
                                                                         const FolderNames& names, int& from);

// The first free base_RVNNN.wav.
std::optional<std::string> ReversalOutputName(const std::string& folder, const std::string& source);

// base.wav when free and not the source itself, else the first free base_fmtNNN.wav.
std::optional<std::string> FmtOutputName(const std::string& folder, const std::string& source);
