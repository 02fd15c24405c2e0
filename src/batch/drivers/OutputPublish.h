#pragma once
// How a batch gives a finished output its name: the first name of its naming
// that is free at that moment, taken with a move that never replaces, so that
// a name taken meanwhile (by another run, a file or a link) only moves the
// output on to the next number.
#include <optional>
#include <string>

#include "OutputDraft.h"

// The names an output may take, in order: `first`, then folder + stem +
// suffix + a number of `digits` digits from 0 + extension.
struct OutputNaming {
    std::string first;
    std::string folder;
    std::string stem;
    std::string suffix;
    std::string extension = ".wav";
    int digits = 3;
    bool numbered = true;       // false: `first` or nothing
    bool replaceFirst = false;  // the user agreed to replace a file named `first`
};

// The naming of a source's output in a folder: `first`, else the source's
// stem + suffix + three digits + ".wav".
OutputNaming NamingOf(const std::string& first, const std::string& folder, const std::string& source,
                      const std::string& suffix);

// The naming of a name the user chose: that name (replaced only when a file
// stood there as the user chose it, since the save dialog asked then), else
// its stem + suffix + three digits beside it.
OutputNaming ChosenNaming(const std::string& chosen, const std::string& suffix);

// Starts the draft of an output of that naming in its folder.
bool BeginDraft(OutputDraft& draft, const OutputNaming& naming);

// Publishes the finished draft under the first free name of the naming; the
// name it took, or none when every name was taken or the move failed (the
// draft then still holds the file).
std::optional<std::string> PublishDraft(OutputDraft& draft, const OutputNaming& naming);

// An engine message about the draft, naming the output it becomes instead of
// its temporary name.
std::string NamedAsOutput(std::string text, const OutputDraft& draft, const std::string& output);
