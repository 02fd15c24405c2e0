#include "Folders.h"

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "YeNADDCUT.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

struct ProgramFolders {
    bool ready = false;
    std::string program;
    std::string windows;
    std::string work;
    std::string browser;
};

ProgramFolders& State()
{
    static ProgramFolders folders;
    return folders;
}

const ProgramFolders& Ready()
{
    if (!State().ready) InitFolders({});
    return State();
}

// The folder `names` below `parent` (which has its trailing separator), with a
// trailing separator.
std::string FolderIn(const std::string& parent, std::initializer_list<const char*> names)
{
    std::string folder = parent;
    for (const char* name : names) folder += std::string(name) + NativeSeparator;
    return folder;
}

std::string HomeFolder()
{
    for (const char* name : {"HOME", "USERPROFILE"}) {
        const char* home = std::getenv(name);
        if (home && fs::path(home).is_absolute()) return YenAdd(home);
    }
    std::error_code ec;
    return YenAdd(fs::temp_directory_path(ec).string());
}

bool IsWritableFolder(const std::string& folder)
{
    if (!FolderExists(folder)) return false;
#if __has_include(<unistd.h>)
    return access(folder.c_str(), W_OK) == 0;
#else
    std::error_code ec;
    return (fs::status(folder, ec).permissions() & fs::perms::owner_write) != fs::perms::none;
#endif
}

// The executable's folder: from a path that names a folder, else from the
// system's link to the running executable; empty when neither is known.
std::string ExecutableFolder(const std::string& executablePath)
{
    std::error_code ec;
    fs::path exe(executablePath);
    if (!exe.has_parent_path()) exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return {};
    const fs::path full = fs::absolute(exe, ec);
    return ec ? std::string() : YenAdd(full.parent_path().lexically_normal().string());
}

}  // namespace

bool InitFolders(const std::string& executablePath)
{
    ProgramFolders& folders = State();
    folders.windows = HomeFolder();
    folders.work = FolderIn(folders.windows, {"TALVOT32", "TEMP"});
    const std::string music = FolderIn(folders.windows, {"Music"});
    folders.browser = FolderExists(music) ? music : folders.windows;
    folders.program = ExecutableFolder(executablePath);
    if (!IsWritableFolder(folders.program)) {
        folders.program = FolderIn(folders.windows, {".local", "share", "TALVO SOFT32", "VANTRO"});
        MakeFolder(folders.program);
    }
    folders.ready = true;
    return MakeFolder(folders.work);
}

const std::string& ProgramFolder() { return Ready().program; }
const std::string& WindowsFolder() { return Ready().windows; }
const std::string& WorkFolder() { return Ready().work; }
const std::string& DefaultBrowserFolder() { return Ready().browser; }

std::string DefaultOutputFolder(const std::string& valueName)
{
    return FolderIn(WindowsFolder(), {"TALVOT32", valueName.c_str()});
}
