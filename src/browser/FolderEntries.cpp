#include "FolderEntries.h"

#ifdef _WIN32
#include <filesystem>
#include <system_error>
#else
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#endif

#ifndef _WIN32

namespace {

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

std::chrono::system_clock::time_point ModifiedOf(const struct stat& status)
{
#ifdef __APPLE__
    const struct timespec& time = status.st_mtimespec;
#else
    const struct timespec& time = status.st_mtim;
#endif
    return std::chrono::system_clock::from_time_t(time.tv_sec) +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::nanoseconds(time.tv_nsec));
}

bool IsDotOrDotDot(std::string_view name)
{
    return name == "." || name == "..";
}

}  // namespace

// Each detail is read relative to the open folder: one status call and, for
// files their owner may write, one access check, without walking the path
// again for every entry.
bool ReadFolderEntries(const std::string& folder, const std::function<bool(std::string_view name)>& wanted,
                       const std::function<void(const FolderEntry&)>& take)
{
    const std::unique_ptr<DIR, FolderCloser> handle(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!handle) return false;
    const int at = ::dirfd(handle.get());
    for (;;) {
        errno = 0;
        const dirent* raw = ::readdir(handle.get());
        if (!raw) return errno == 0;
        const std::string_view name(raw->d_name);
        if (IsDotOrDotDot(name) || !wanted(name)) continue;
        FolderEntry entry;
        entry.name = name;
        if (raw->d_type == DT_DIR) {
            entry.directory = true;
            take(entry);
            continue;
        }
        struct stat status {};
        if (::fstatat(at, raw->d_name, &status, 0) != 0) continue;
        entry.directory = S_ISDIR(status.st_mode);
        entry.regular = S_ISREG(status.st_mode);
        entry.size = entry.regular ? static_cast<int64_t>(status.st_size) : 0;
        entry.modified = ModifiedOf(status);
        entry.writable = (status.st_mode & S_IWUSR) != 0 && ::faccessat(at, raw->d_name, W_OK, 0) == 0;
        take(entry);
    }
}

#else

namespace fs = std::filesystem;

bool ReadFolderEntries(const std::string& folder, const std::function<bool(std::string_view name)>& wanted,
                       const std::function<void(const FolderEntry&)>& take)
{
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!wanted(name)) continue;
        const fs::file_status status = it->status(ec);
        if (ec) continue;
        FolderEntry entry;
        entry.name = name;
        entry.directory = fs::is_directory(status);
        entry.regular = fs::is_regular_file(status);
        entry.size = entry.regular ? static_cast<int64_t>(it->file_size(ec)) : 0;
        if (ec) continue;
        const fs::file_time_type time = it->last_write_time(ec);
        if (ec) continue;
        entry.modified =
            std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(time));
        entry.writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
        take(entry);
    }
    return !ec;
}

#endif
