#include "ShortcutCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Mkdlg.h"
#include "ProgramIcon.h"
#include "ProgramInfo.h"
#include "WindowTexts.h"

namespace {

// The autostart folder exists or can be made.
bool StartupFolderReady(const ShortcutPaths& paths)
{
    return !paths.startup.isEmpty() && QDir().mkpath(QFileInfo(paths.startup).absolutePath());
}

void Tell(TMKBoxDlg& box, const char* text) { MKInfo(box, QString::fromUtf8(text)); }

}  // namespace

LauncherEntry ProgramLauncher()
{
    return {ProgramInfo::Title, QString::fromUtf8(WindowTexts::LauncherComment), QCoreApplication::applicationFilePath(),
            QString::fromUtf8(WindowTexts::LauncherEnglishComment), ProgramIconName};
}

ShortcutItemsShown ShortcutItemsFor(const ShortcutPaths& paths)
{
    const bool startup = LauncherExists(paths.startup);
    const bool desktop = LauncherExists(paths.desktop);
    return {!startup, startup, !desktop, desktop};
}

void StartupShortcutCommand(TMKBoxDlg& box, const ShortcutPaths& paths, bool add)
{
    if (!StartupFolderReady(paths)) {
        Tell(box, WindowTexts::NoStartupGroup);
        return;
    }
    if (add) {
        if (!WriteLauncher(paths.startup, ProgramLauncher())) Tell(box, WindowTexts::StartupSetFailed);
    } else if (!RemoveLauncher(paths.startup)) {
        Tell(box, WindowTexts::StartupDeleteFailed);
    }
}

void DesktopShortcutCommand(TMKBoxDlg& box, const ShortcutPaths& paths, bool add)
{
    if (!add) {
        if (!RemoveLauncher(paths.desktop)) Tell(box, WindowTexts::DesktopDeleteFailed);
        return;
    }
    if (LauncherExists(paths.desktop)) {
        Tell(box, WindowTexts::DesktopAlreadySet);
        return;
    }
    if (!CopyLauncher(paths.programs, paths.desktop)) Tell(box, WindowTexts::DesktopSetFailed);
}
