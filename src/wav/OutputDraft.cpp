#include "OutputDraft.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <set>

#include "FilesInFlight.h"
#include "TemporaryName.h"
#include "WavFile.h"

namespace fs = std::filesystem;

namespace {

// Names are random, so a second try almost never happens; a folder that
// takes no file fails every try at once.
constexpr int NameTries = 8;

#ifndef _WIN32
// Linked under the new name, then unlinked from the old one; the link fails
// when the new name is taken. When the old name cannot be dropped, the new
// one is dropped again, so the file keeps one name.
bool LinkThenUnlink(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) == 0) return true;
    const int error = errno;
    ::unlink(to.c_str());
    errno = error;
    return false;
}
#endif

// The temporary files of the live drafts.
std::mutex draftsLock;
std::set<std::string> drafts;

void Track(const std::string& temp)
{
    const std::lock_guard<std::mutex> lock(draftsLock);
    drafts.insert(temp);
}

void Untrack(const std::string& temp)
{
    if (temp.empty()) return;
    const std::lock_guard<std::mutex> lock(draftsLock);
    drafts.erase(temp);
}

std::string Absolute(const std::string& path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    return ec ? std::string() : full.string();
}

}  // namespace

bool IsOutputDraft(const std::string& path)
{
    const std::lock_guard<std::mutex> lock(draftsLock);
    return drafts.count(path) > 0;
}

bool MoveNoReplace(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing target.
    return ::MoveFileExW(fs::path(from).c_str(), fs::path(to).c_str(), 0) != 0;
#else
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
#endif
    return LinkThenUnlink(from, to);
#endif
}

bool OutputDraft::begin(const std::string& folder, const std::string& name)
{
    discard();
    const std::string place = folder.empty() ? "." : folder;
    std::error_code ec;
    if (!fs::is_directory(place, ec)) return false;
    for (int i = 0; i < NameTries; ++i) {
        const std::string temp = (fs::path(place) / TemporaryName(name)).string();
        if (fs::exists(fs::symlink_status(temp, ec))) continue;
        // Recorded before it exists, so that an interrupt never finds it
        // unrecorded. The file itself is made, exclusively, by the first step
        // that writes it.
        slot_ = RegisterFileInFlight(Absolute(temp));
        folder_ = folder;
        name_ = name;
        temp_ = temp;
        Track(temp_);
        return true;
    }
    return false;
}

OutputDraft::Publish OutputDraft::publish(const std::string& target)
{
    if (temp_.empty()) return Publish::Failed;
    if (MoveNoReplace(temp_, target)) {
        published();
        return Publish::Done;
    }
    std::error_code ec;
    const bool taken = errno == EEXIST || fs::exists(fs::symlink_status(target, ec));
    return taken ? Publish::Taken : Publish::Failed;
}

bool OutputDraft::replace(const std::string& target)
{
    if (temp_.empty() || !RenameWavFile(temp_, target)) return false;
    published();
    return true;
}

bool OutputDraft::withdraw(const std::string& target)
{
    if (!temp_.empty() || name_.empty()) return false;
    const std::string temp = (fs::path(folder_.empty() ? "." : folder_) / TemporaryName(name_)).string();
    slot_ = RegisterFileInFlight(Absolute(temp));
    if (MoveNoReplace(target, temp)) {
        temp_ = temp;
        Track(temp_);
        return true;
    }
    ForgetFileInFlight(slot_);
    slot_ = -1;
    return false;
}

void OutputDraft::published()
{
    // Forgotten only after the move: an interrupt in between finds the
    // temporary name gone, never a finished output to remove.
    Untrack(temp_);
    ForgetFileInFlight(slot_);
    slot_ = -1;
    temp_.clear();
}

void OutputDraft::discard() noexcept
{
    if (!temp_.empty()) std::remove(temp_.c_str());
    Untrack(temp_);
    ForgetFileInFlight(slot_);
    slot_ = -1;
    temp_.clear();
}
