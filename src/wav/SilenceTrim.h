#pragma once
// Silence cut: the runs of silent frames at the head, at the tail or at both
// ends of a file's sound are left out. A frame is silent when every sample it
// holds lies within the silence level (see QuietFrames.h).
#include <string>

#include "DataRange.h"

// Which ends lose their silence; the numbers are those of the stored
// silence-cut mode of the conversion tab.
enum class SilenceCut { Off = 0, Both = 1, Head = 2, Tail = 3 };

// The silence levels: 1-127 for 8-bit and 1-32767 for 16-bit samples (24-
// and 32-bit samples take the 16-bit level scaled to their width). A level
// outside its range is taken as the nearest end of it.
struct SilenceLevels {
    int level8 = 1;
    int level16 = 1;
};

// What FindSound found.
struct SoundSearch {
    DataRange kept;           // the part of the data the cut keeps
    bool silentOnly = false;  // the source holds no frame that is not silent
};

// Finds the part of the source's data that the cut keeps, in one pass that
// reads little more than the silent runs it leaves out: from the head up to
// the first frame of sound, and from the tail back to the last one. A partial frame at
// the end of the data is kept only where the tail is kept. A source that is
// silent throughout fails with its own text and sets silentOnly. Off keeps
// the whole data.
void FindSound(const std::string& sourceFileName, SilenceCut cut, const SilenceLevels& levels,
               SoundSearch& found, std::string& ErrorText);

// Writes target as the source's header and the samples the cut keeps,
// normalised as CopyWav writes it. Never onto the source.
void TrimSilence(const std::string& sourceFileName, const std::string& targetFileName, SilenceCut cut,
                 const SilenceLevels& levels, std::string& ErrorText);
