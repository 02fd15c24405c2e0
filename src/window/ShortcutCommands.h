#pragma once
// The launcher commands of the options menu, without the window: which of
// the add and remove items are offered, and what each one does.
#include "Shortcuts.h"

class TMKBoxDlg;

// The launcher that starts this executable under the program's title.
LauncherEntry ProgramLauncher();

// The items the options menu shows: add where the launcher is missing,
// remove where it exists.
struct ShortcutItemsShown {
    bool startupSet = false;  // MICON_SET
    bool startupDel = false;  // MICON_DEL
    bool desktopSet = false;  // MDESK_SET
    bool desktopDel = false;  // MDESK_DEL
};
ShortcutItemsShown ShortcutItemsFor(const ShortcutPaths& paths);

// MICON_SET (add) and MICON_DEL: the launcher in the autostart folder.
void StartupShortcutCommand(TMKBoxDlg& box, const ShortcutPaths& paths, bool add);
// MDESK_SET (add) and MDESK_DEL: the desktop launcher, copied from the
// program group's launcher.
void DesktopShortcutCommand(TMKBoxDlg& box, const ShortcutPaths& paths, bool add);
