#include "TargetFile.h"

#include <cstdio>
#include <system_error>

#include "FilesInFlight.h"
#include "OutputDraft.h"
#include "TemporaryName.h"

namespace fs = std::filesystem;

namespace {

// Names are random, so a second try almost never happens; a folder that takes
// no file fails every try at once.
constexpr int NameTries = 8;

// The file a target names; a symbolic link leads to the file it names.
fs::path resolveTarget(const std::string& target)
{
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec) return resolved;
    }
    return fs::path(target);
}

// A target may be made when nothing stands there, or replaced when a regular
// file stands there that could be written as it is: a read-only file stays
// protected, and a FIFO, a device or a folder is never replaced.
bool replaceable(const fs::path& target)
{
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (status.type() == fs::file_type::not_found) return true;
    if (status.type() != fs::file_type::regular) return false;
    WavFile probe;
    return probe.open(target.string(), WavFile::Mode::ReadWrite);
}

}  // namespace

bool TargetFile::create(const std::string& target, const std::string& source)
{
    discard();
    if (SameFile(target, source)) return false;
    if (IsOutputDraft(target)) return startInDraft(target);
    const fs::path name = resolveTarget(target);
    if (!name.has_filename() || !replaceable(name)) return false;
    const std::string fileName = name.filename().string();
    for (int i = 0; i < NameTries; ++i)
        if (start(name, (name.parent_path() / TemporaryName(fileName)).string())) return true;
    return false;
}

bool TargetFile::start(const fs::path& target, const std::string& temp)
{
    // Recorded before it exists, so that an interrupt never finds it unrecorded.
    std::error_code ec;
    const fs::path full = fs::absolute(temp, ec);
    slot_ = RegisterFileInFlight(ec ? temp : full.string());
    if (!WavFile::open(temp, Mode::Create)) {
        ForgetFileInFlight(slot_);
        slot_ = -1;
        return false;
    }
    target_ = target.string();
    temp_ = temp;
    return true;
}

// A batch output's draft is a new file of the run's own, under a temporary
// name: it is made there (exclusively) or written in place, with no second
// temporary file.
bool TargetFile::startInDraft(const std::string& draft)
{
    std::error_code ec;
    const bool made = !std::filesystem::exists(std::filesystem::symlink_status(draft, ec));
    if (!WavFile::open(draft, made ? Mode::Create : Mode::ReadWrite)) return false;
    // A fresh draft is empty and is not truncated: truncating a file to zero
    // makes some file systems write it out at once when it is closed.
    if (length() != 0 && !TruncateWavFile(draft, 0)) {
        close();
        return false;
    }
    draft_ = draft;
    return true;
}

bool TargetFile::commit()
{
    if (!draft_.empty()) {
        if (close()) {
            draft_.clear();
            return true;
        }
        discard();
        return false;
    }
    if (temp_.empty()) return false;
    if (!close() || !RenameWavFile(temp_, target_)) {
        discard();
        return false;
    }
    // Forgotten only after the rename: an interrupt in between finds the
    // temporary name gone, never a complete target to remove.
    ForgetFileInFlight(slot_);
    slot_ = -1;
    temp_.clear();
    return true;
}

void TargetFile::discard() noexcept
{
    close();
    // A draft goes back to the empty file it was.
    if (!draft_.empty()) TruncateWavFile(draft_, 0);
    draft_.clear();
    if (!temp_.empty()) std::remove(temp_.c_str());
    ForgetFileInFlight(slot_);
    slot_ = -1;
    temp_.clear();
}
