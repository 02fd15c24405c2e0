#include "MenuCommands.h"

#include <chrono>

#include "Desktop.h"
#include "Drives.h"
#include "Mkdlg.h"
#include "SettingsStore.h"
#include "WindowTexts.h"

void HelpCommand(TMKBoxDlg& box, Desktop& desktop, HelpTopic topic)
{
    if (!WriteHelpPage() || !desktop.openUrl(HelpUrl(topic)))
        MKInfo(box, QString::fromUtf8(WindowTexts::HelpOpenFailed));
}

void VersionNumberDeleteCommand(TMKBoxDlg& box, SettingsStore& store)
{
    if (MKAsk(box, QString::fromUtf8(WindowTexts::VersionDeleteAsk), MKAnswer::Yes) == MKAnswer::Yes) {
        store.write(QStringLiteral("Version"), QString());
        return;
    }
    MKInfoTM(box, QString::fromUtf8(WindowTexts::VersionDeleteCancelled), MKAnswer::OK);
}

void DriveReportCommand(TMKBoxDlg& box, Desktop& desktop, const DriveReportFormat& format)
{
    DriveReportCommand(box, desktop, format, MeasureDrives(ListDrives()));
}

void DriveReportCommand(TMKBoxDlg& box, Desktop& desktop, const DriveReportFormat& format,
                        const std::vector<DriveSpace>& drives)
{
    const DriveReport report = MakeDriveReport(drives, format, std::chrono::system_clock::now());
    if (!report.error.isEmpty()) {
        MKInfo(box, report.error);
    } else if (!report.saved) {
        MKInfo(box, QString::fromUtf8(WindowTexts::DriveReportSaveFailed));
    } else if (!desktop.openFile(report.filePath)) {
        MKInfo(box, QString::fromUtf8(WindowTexts::DriveReportOpenFailed));
    }
}

void VolumeCommand(TMKBoxDlg& box, Desktop& desktop, VolumeKind kind, bool smallWindow)
{
    const std::optional<ProgramStart> mixer = VolumeControlStart(kind, smallWindow);
    if (!mixer) {
        MKInfo(box, QString::fromUtf8(WindowTexts::VolumeControlMissing));
    } else if (!desktop.startProgram(mixer->program, mixer->arguments)) {
        MKInfo(box, QString::fromUtf8(WindowTexts::VolumeControlStartFailed));
    }
}
