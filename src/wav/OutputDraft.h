#pragma once
// An output built under a temporary name in its own folder and given its
// final name only when it is finished. Every step of a run works on the
// temporary file (path()); nothing opens the final name before publish(),
// and publish() never replaces what stands there: a name taken meanwhile
// (by another run, a file or a link) is reported as Taken and the caller
// tries its next name. A draft that goes away unpublished removes its
// temporary file; while that file exists it is recorded for the interrupt
// handler, so that a signal leaves no half-made output behind.
#include <string>

// Moves `from` to `to` only when nothing has that name: true when moved.
// Where the system cannot refuse an existing target in the move itself, the
// file is linked under the new name (which fails when it exists) and then
// unlinked from the old one.
bool MoveNoReplace(const std::string& from, const std::string& to);

// True when `path` is the temporary file of a live draft (as path() gives it):
// the engine then writes a new file there in place.
bool IsOutputDraft(const std::string& path);

class OutputDraft {
public:
    enum class Publish { Done, Taken, Failed };

    OutputDraft() = default;
    OutputDraft(const OutputDraft&) = delete;
    OutputDraft& operator=(const OutputDraft&) = delete;
    ~OutputDraft() { discard(); }

    // Chooses a free temporary name for an output named `name` in `folder`;
    // the first engine step that writes a new file there makes it,
    // exclusively, so that it never shares a name with another file. False
    // when `folder` is not a folder.
    bool begin(const std::string& folder, const std::string& name);

    // The temporary file; empty before begin() and after publishing.
    const std::string& path() const { return temp_; }

    // Gives the finished file the name `target` unless something has that name.
    Publish publish(const std::string& target);

    // Gives the finished file the name `target`, replacing a file of that
    // name in one step: only for a file the user agreed to replace.
    bool replace(const std::string& target);

    // Takes a file just published as `target` back under a temporary name,
    // so that it can be published again under another name (outputs that
    // belong together, when the second name was taken). False when it could
    // not; the file then stays under `target`.
    bool withdraw(const std::string& target);

    // Removes the temporary file, if any.
    void discard() noexcept;

private:
    void published();

    std::string folder_;
    std::string name_;
    std::string temp_;
    int slot_ = -1;
};
