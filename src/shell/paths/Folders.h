#pragma once
// The program-wide folders, each held with a trailing separator: the program
// folder (lists, time files), the Windows folder (the home folder), the work
// folder (logs and reports) and the defaults of the output and browser folders.
// The home folder is read from HOME.
#include <string>

// Sets the program-wide folders from the executable's path (argv[0] or the
// full path; empty to ask the system) and HOME, and creates the work folder
// and, when it is used, the fallback program folder. True when the work
// folder exists afterwards. The getters below call it with an empty path when
// it has not been called yet.
bool InitFolders(const std::string& executablePath);

// The executable's folder when it is writable, else
// ~/.local/share/TALVO SOFT32/VANTRO/.
const std::string& ProgramFolder();
// The home folder.
const std::string& WindowsFolder();
// ~/TALVOT32/TEMP/
const std::string& WorkFolder();
// ~/Music/ when it exists, else the home folder.
const std::string& DefaultBrowserFolder();
// ~/TALVOT32/<value name>/ : the default of an output folder setting.
std::string DefaultOutputFolder(const std::string& valueName);
