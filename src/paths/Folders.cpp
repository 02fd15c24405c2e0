#include "Folders.h"

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "YeNADDCUT.h"

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
    if (!State().ready) InitFolders();
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

// XDG_DATA_HOME when it is absolute (a relative one is to be ignored), else
// ~/.local/share/.
std::string DataHome(const std::string& home)
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && fs::path(data).is_absolute()) return YenAdd(data);
    return FolderIn(home, {".local", "share"});
}

}  // namespace

bool InitFolders()
{
    ProgramFolders& folders = State();
    folders.windows = HomeFolder();
    folders.work = FolderIn(folders.windows, {"TALVOT32", "TEMP"});
    const std::string music = FolderIn(folders.windows, {"Music"});
    folders.browser = FolderExists(music) ? music : folders.windows;
    folders.program = FolderIn(DataHome(folders.windows), {"TALVO SOFT32", "VANTRO"});
    folders.ready = true;
    const bool program = MakeFolder(folders.program);
    return MakeFolder(folders.work) && program;
}

const std::string& ProgramFolder() { return Ready().program; }
const std::string& WindowsFolder() { return Ready().windows; }
const std::string& WorkFolder() { return Ready().work; }
const std::string& DefaultBrowserFolder() { return Ready().browser; }

std::string DefaultOutputFolder(const std::string& valueName)
{
    return FolderIn(WindowsFolder(), {"TALVOT32", valueName.c_str()});
}
