#pragma once
// A new file that appears whole or not at all. It is written under a
// temporary name in its target's folder (".<name>.<random>.tmp", created
// exclusively, so that two runs never share one) and takes the target's name
// only in commit(), which replaces a file of that name in one step. A target
// that is a live OutputDraft is itself such a file and is written in place. Until then
// a file standing under the target's name is untouched. A TargetFile that goes
// away uncommitted (a failed check, a short write, an exception) removes its
// temporary file; while that file exists it is recorded for the interrupt
// handler (FilesInFlight). Nothing else is ever removed: a routine removes
// only what it made in this call.
#include <filesystem>
#include <string>

#include "WavFile.h"

class TargetFile : public WavFile {
public:
    TargetFile() = default;
    ~TargetFile() { discard(); }

    // Starts the new file for `target`, open for reading and writing. Refused
    // (false, nothing made): a target that is the source itself (also through a
    // link), an existing target that is not a regular file or is not writable,
    // a folder that takes no new file. A symbolic link as target is followed:
    // the file it leads to is replaced and the link stays.
    bool create(const std::string& target, const std::string& source);

    // Closes the file and gives it the target's name; false when either fails,
    // and the temporary file is then removed.
    bool commit();

    // The file is opened by create() only.
    bool open(const std::string&, Mode) = delete;

private:
    bool start(const std::filesystem::path& target, const std::string& temp);
    bool startInDraft(const std::string& draft);
    void discard() noexcept;

    std::string target_;
    std::string temp_;
    std::string draft_;  // an output draft written in place
    int slot_ = -1;
};
