#include "DriveReport.h"

#include "Folders.h"
#include "TextFiles.h"
#include "TextFormats.h"
#include "YeNADDCUT.h"

namespace {

const QString kNoDrive = QStringLiteral("ドライブが存在しません？？？");
const QString kNoFormat = QStringLiteral("何か曲を再生して下さい☆☆☆");
const QString kTitle = QStringLiteral("全ﾄﾞﾗｲﾌﾞ空きサイズ一覧　　");
const QString kColumns = QStringLiteral("ﾄﾞﾗｲﾌﾞ名:　空きサイズ　　　　　最大サイズ       ");
const QString kStereo = QStringLiteral("/ ｽﾃﾚｵ");
const QString kMono = QStringLiteral("/ ﾓﾉﾗﾙ");
const QString kDashes = QString(65, QLatin1Char('-'));
const QString kNoDisk = QStringLiteral(" %1: ディスクがありません・・・");
const QString kDriveLine = QStringLiteral(" %1:%2 Bytes  %3 Bytes  %4分/ %5分");
const QString kFileName = QStringLiteral("DrV$$$$$.TXT");

bool IsKnown(const DriveReportFormat& format) { return format.rate > 0 && format.bits > 0 && format.channels > 0; }

// Bits of sound per second: rate x bits x channels.
double BitsPerSecond(const DriveReportFormat& format)
{
    return static_cast<double>(format.rate) * format.bits * format.channels;
}

// "44100/ 16/ <stereo>": rate, bits, and the channels in words (mono, stereo)
// or as a number for more channels.
QString FormatText(const DriveReportFormat& format)
{
    const QString channels = format.channels == 2   ? kStereo
                             : format.channels == 1 ? kMono
                                                    : QStringLiteral("/ %1").arg(format.channels);
    return QStringLiteral("%1/ %2").arg(format.rate).arg(format.bits) + channels;
}

QString Grouped(int64_t value, int width) { return QString::fromStdString(FormatN(value, width)); }

QString Minutes(int64_t bytes, double bitsPerSecond)
{
    const double minutes = bytes == 0 ? 0.0 : static_cast<double>(bytes) * 8.0 / bitsPerSecond / 60.0;
    return QString::fromStdString(FormatN(minutes, 5));
}

QString DriveLine(const DriveSpace& drive, double bitsPerSecond)
{
    const QString name = QString::fromStdString(YenCut(drive.root));
    if (drive.free == -1) return kNoDisk.arg(name);
    return kDriveLine.arg(name, Grouped(drive.free, 15), Grouped(drive.total, 15), Minutes(drive.free, bitsPerSecond),
                          Minutes(drive.total, bitsPerSecond));
}

}  // namespace

std::vector<DriveSpace> MeasureDrives(const std::vector<Drive>& drives)
{
    std::vector<DriveSpace> spaces;
    for (const Drive& drive : drives) {
        DriveSpace space{drive.root, DriveFreeSize(drive.root), -1};
        if (space.free != -1) space.total = DriveTotalSize(drive.root);
        spaces.push_back(space);
    }
    return spaces;
}

DriveReport BuildDriveReport(const std::vector<DriveSpace>& drives, const DriveReportFormat& format,
                             std::chrono::system_clock::time_point now)
{
    DriveReport report;
    if (drives.empty()) {
        report.error = kNoDrive;
        return report;
    }
    if (!IsKnown(format)) {
        report.error = kNoFormat;
        return report;
    }
    const double bitsPerSecond = BitsPerSecond(format);
    report.lines << kTitle + QStringLiteral(" %1 ").arg(QString::fromStdString(DateWeekTimeText(now))) << QString()
                 << kColumns + FormatText(format) << kDashes;
    for (const DriveSpace& drive : drives) report.lines << DriveLine(drive, bitsPerSecond);
    report.lines << kDashes;
    return report;
}

DriveReport MakeDriveReport(const std::vector<DriveSpace>& drives, const DriveReportFormat& format,
                            std::chrono::system_clock::time_point now)
{
    DriveReport report = BuildDriveReport(drives, format, now);
    if (!report.error.isEmpty()) return report;
    MakeFolder(WorkFolder());
    report.filePath = QString::fromStdString(WorkFolder()) + kFileName;
    report.saved = WriteTextLines(report.filePath, report.lines);
    return report;
}
