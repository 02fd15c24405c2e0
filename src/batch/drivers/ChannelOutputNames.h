#pragma once
// The output names of the separation, reversal and fmt batches. Each name
// returned is free on disk and is not the source.
#include <optional>
#include <string>
#include <utility>

// base__L.wav and base__R.wav while no base_*.wav is in the folder, else the
// first base_lrNNN_L.wav / _R.wav pair for which no base_lrNNN_?.wav exists.
std::optional<std::pair<std::string, std::string>> SeparationOutputNames(const std::string& folder,
                                                                         const std::string& source);

// The first free base_RVNNN.wav.
std::optional<std::string> ReversalOutputName(const std::string& folder, const std::string& source);

// base.wav when free and not the source itself, else the first free base_fmtNNN.wav.
std::optional<std::string> FmtOutputName(const std::string& folder, const std::string& source);
