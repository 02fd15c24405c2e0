#pragma once
// The help-menu, drive-report and volume commands, without the window: each takes the
// message box it reports through and the service it works on.
#include "DriveReport.h"
#include "HelpPage.h"
#include "VolumeControl.h"

class Desktop;
class SettingsStore;
class TMKBoxDlg;

// HELP_MOKUJI and HELP_KEYWORD: writes the help page when needed and opens it
// at the topic.
void HelpCommand(TMKBoxDlg& box, Desktop& desktop, HelpTopic topic);

// MHELP_VERCUT: after the user agrees, writes Version as an empty text, so the
// next start opens the installer window.
void VersionNumberDeleteCommand(TMKBoxDlg& box, SettingsStore& store);

// PAKI: the all-drives report of the mounted drives for the format of the
// sound last played, written to the work folder and opened in the viewer.
void DriveReportCommand(TMKBoxDlg& box, Desktop& desktop, const DriveReportFormat& format);
// The same for the given drives.
void DriveReportCommand(TMKBoxDlg& box, Desktop& desktop, const DriveReportFormat& format,
                        const std::vector<DriveSpace>& drives);

// MO_VOL_PLAY, MO_VOL_REC and MO_VOL_ETC: starts the desktop's mixer for the
// volumes of `kind`, in a small or a normal window; says so when the machine
// has no mixer or it cannot be started.
void VolumeCommand(TMKBoxDlg& box, Desktop& desktop, VolumeKind kind, bool smallWindow);
