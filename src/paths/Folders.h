#pragma once
// The program-wide folders, each held with a trailing separator: the program
// folder (lists, time files), the Windows folder (the home folder), the work
// folder (logs and reports) and the defaults of the output and browser folders.
// The home folder is read from HOME, the data home from XDG_DATA_HOME.
#include <string>

// Sets the program-wide folders from HOME and XDG_DATA_HOME and creates the
// work folder and the program folder. True when both exist afterwards. The
// getters below call it when it has not been called yet.
bool InitFolders();

// <data home>/TALVO SOFT32/VANTRO/, where the data home is XDG_DATA_HOME when
// that is an absolute path, else ~/.local/share. The executable's own folder
// is never used: an installed program's folder is not the user's to write,
// and a build folder is no place for the user's lists.
const std::string& ProgramFolder();
// The home folder.
const std::string& WindowsFolder();
// ~/TALVOT32/TEMP/
const std::string& WorkFolder();
// ~/Music/ when it exists, else the home folder.
const std::string& DefaultBrowserFolder();
// ~/TALVOT32/<value name>/ : the default of an output folder setting.
std::string DefaultOutputFolder(const std::string& valueName);
