#pragma once
// What the installer window and the uninstaller do, without their windows:
// the choice made at process start, the settings and launchers they write,
// and their removal.
#include <QString>
#include <QStringList>

#include "Shortcuts.h"

class SettingsStore;
class TMKBoxDlg;

// The stored Version; a missing or empty one reads as "255".
QString StoredVersionText(const SettingsStore& store);
// A start opens the installer window instead of the main window when the
// stored version is not 16 or the executable's name contains "SETUP".
bool InstallerNeeded(const QString& storedVersion, const QString& executableName);

// The uninstaller's executable name (a link to the program under this name
// starts it as the uninstaller).
inline constexpr char UninstallerName[] = "vantro-uninstall";
// A start as the uninstaller: first parameter "/uninstall", or the uninstaller's name.
bool IsUninstallStart(const QStringList& parameters, const QString& executableName);

// The menu entry that a package (or `cmake --install`) puts beside a program
// installed in <prefix>/bin: <prefix>/share/applications/vantro.desktop.
QString InstalledEntryPath(const QString& programFolder);
// True for a program started from such an installation: the system's entry
// and icon are there, so the first start writes only the settings.
bool RunsInstalled(const QString& programFolder);

// Writes Version = 16 and the program group to the settings.
void WriteInstalledSettings(SettingsStore& store);
// The settings, then the icon and the program group's launcher in the user's
// folders. False when the launcher could not be written (the settings are
// written all the same).
bool InstallProgram(SettingsStore& store, const ShortcutPaths& paths, const LauncherEntry& launcher);

// Asks first; on Yes removes the settings key, the three launchers, the
// user's icon and the group folder when it is left empty, and says so; an
// installed program (`installedFolder` not empty) adds that the program
// itself stays until its package is removed. True when removed.
bool UninstallProgram(TMKBoxDlg& box, SettingsStore& store, const ShortcutPaths& paths,
                      const QString& installedFolder = {});
