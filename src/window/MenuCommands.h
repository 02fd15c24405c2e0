#pragma once
// The help-menu and drive-report commands, without the window: each takes the
// message box it reports through and the service it works on.
#include "DriveReport.h"
#include "HelpPage.h"

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
