#include "TargetFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <system_error>

#include "FilesInFlight.h"

namespace fs = std::filesystem;

namespace {

// Names are random, so a second try almost never happens; a folder that takes
// no file fails every try at once.
constexpr int NameTries = 8;
// The part of the target's name kept in the temporary name, so that the whole
// stays within the usual limit of 255 bytes.
constexpr std::size_t KeptNameBytes = 200;

uint64_t seed()
{
    uint64_t value = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        value ^= (static_cast<uint64_t>(device()) << 32) | device();
    } catch (...) {
        // The clock alone still varies; exclusive creation settles any clash.
    }
    return value;
}

uint64_t randomTag()
{
    thread_local std::mt19937_64 generator{seed()};
    return generator();
}

// ".<name>.<16 hex digits>.tmp", the name cut where no UTF-8 character is split.
std::string temporaryName(const std::string& name, uint64_t tag)
{
    std::size_t keep = std::min(name.size(), KeptNameBytes);
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(tag));
    return "." + name.substr(0, keep) + "." + hex + ".tmp";
}

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
    const fs::path name = resolveTarget(target);
    if (!name.has_filename() || !replaceable(name)) return false;
    const std::string fileName = name.filename().string();
    for (int i = 0; i < NameTries; ++i)
        if (start(name, (name.parent_path() / temporaryName(fileName, randomTag())).string())) return true;
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

bool TargetFile::commit()
{
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
    if (!temp_.empty()) std::remove(temp_.c_str());
    ForgetFileInFlight(slot_);
    slot_ = -1;
    temp_.clear();
}
