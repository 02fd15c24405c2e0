#pragma once
// The program's launchers: freedesktop desktop entries in the applications
// folder (the program group), the autostart folder (run at log-in) and the
// desktop folder. Folders are read from the XDG variables and HOME each time.
#include <QByteArray>
#include <QString>

// The user's applications folder, with a trailing separator.
QString ApplicationsFolder();
// The user's autostart folder, with a trailing separator; empty when the
// user's configuration folder is unknown.
QString AutostartFolder();
// The user's desktop folder as xdg-user-dir names it (else as user-dirs.dirs
// does, else ~/Desktop), with a trailing separator. It may not exist yet.
QString DesktopFolder();

// The three launcher files of the program. A group names a subfolder of the
// applications folder. `startup` is empty when there is no autostart folder.
struct ShortcutPaths {
    QString programs;
    QString desktop;
    QString startup;
};
ShortcutPaths MakeShortcutPaths(const QString& title, const QString& group);

// What a launcher starts.
struct LauncherEntry {
    QString name;
    QString comment;     // in Japanese
    QString executable;  // full path
    QString englishComment = {};
    QString icon = {};   // the icon's name in the icon theme
};

// The executable path as one argument of an Exec line.
QString DesktopExecArgument(const QString& path);
// The desktop entry file of a launcher, in UTF-8: it opens WAV files (the
// files chosen are passed on), in English and Japanese.
QByteArray DesktopEntryText(const LauncherEntry& entry);

bool LauncherExists(const QString& path);
// Writes the entry (creating its folder), executable by its owner as desktops
// expect of trusted launchers. False when it cannot be written.
bool WriteLauncher(const QString& path, const LauncherEntry& entry);
// Removes the launcher; true when no file is left at the path.
bool RemoveLauncher(const QString& path);
// Copies a launcher byte for byte and gives the copy the source's modification
// time, making the target's folder when it is missing. False when the source
// is missing or the copy cannot be made.
bool CopyLauncher(const QString& source, const QString& target);
// Removes a folder when it is empty (a group folder left behind); true when it is gone.
bool RemoveEmptyFolder(const QString& folder);
