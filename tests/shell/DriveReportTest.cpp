#include <gtest/gtest.h>

#include <QFile>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "DriveReport.h"
#include "Folders.h"
#include "TextFiles.h"
#include "TempHome.h"

namespace {

const QString kDashes(65, QLatin1Char('-'));

// 2024-03-09 07:05:02 UTC, a Saturday.
std::chrono::system_clock::time_point ReportTime() { return std::chrono::system_clock::from_time_t(1709967902); }

class DriveReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override
    {
        unsetenv("TZ");
        tzset();
    }

    const std::vector<DriveSpace> drives_ = {
        {"/", 1234567890, 9876543210},
        {"/media/cdrom/", -1, -1},
        {"/mnt/empty/", 0, 0},
    };
};

}  // namespace

TEST_F(DriveReportTest, LinesForEveryDrive)
{
    const DriveReport report = BuildDriveReport(drives_, DriveReportFormat{}, ReportTime());
    EXPECT_TRUE(report.error.isEmpty());
    const QStringList expected = {
        QString::fromUtf8("全ﾄﾞﾗｲﾌﾞ空きサイズ一覧　　 24/03/09 Sat 07:05:02 "),
        QString(),
        QString::fromUtf8("ﾄﾞﾗｲﾌﾞ名:　空きサイズ　　　　　最大サイズ       44100/ 16/ ｽﾃﾚｵ"),
        kDashes,
        QString::fromUtf8(" /:  1,234,567,890 Bytes    9,876,543,210 Bytes    117分/   933分"),
        QString::fromUtf8(" /media/cdrom: ディスクがありません・・・"),
        QString::fromUtf8(" /mnt/empty:              0 Bytes                0 Bytes      0分/     0分"),
        kDashes,
    };
    EXPECT_EQ(report.lines, expected);
}

TEST_F(DriveReportTest, MinutesFollowTheFormat)
{
    const std::vector<DriveSpace> root = {drives_[0]};
    // 8 bits mono: 176,400 bits a second.
    QStringList lines = BuildDriveReport(root, DriveReportFormat{22050, 8, 1}, ReportTime()).lines;
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[2], QString::fromUtf8("ﾄﾞﾗｲﾌﾞ名:　空きサイズ　　　　　最大サイズ       22050/ 8/ ﾓﾉﾗﾙ"));
    EXPECT_TRUE(lines[4].endsWith(QString::fromUtf8("    933分/ 7,465分"))) << lines[4].toStdString();
    // 24 bits are counted as 24 bits: 2,304,000 bits a second.
    lines = BuildDriveReport(root, DriveReportFormat{48000, 24, 2}, ReportTime()).lines;
    EXPECT_EQ(lines[2], QString::fromUtf8("ﾄﾞﾗｲﾌﾞ名:　空きサイズ　　　　　最大サイズ       48000/ 24/ ｽﾃﾚｵ"));
    EXPECT_TRUE(lines[4].endsWith(QString::fromUtf8("     71分/   572分"))) << lines[4].toStdString();
}

TEST_F(DriveReportTest, NoDriveOrNoFormatGivesTheMessageOnly)
{
    DriveReport report = BuildDriveReport({}, DriveReportFormat{}, ReportTime());
    EXPECT_EQ(report.error, QString::fromUtf8("ドライブが存在しません？？？"));
    EXPECT_TRUE(report.lines.isEmpty());
    report = MakeDriveReport(drives_, DriveReportFormat{0, 0, 0}, ReportTime());
    EXPECT_EQ(report.error, QString::fromUtf8("何か曲を再生して下さい☆☆☆"));
    EXPECT_TRUE(report.lines.isEmpty());
    EXPECT_FALSE(report.saved);
}

TEST_F(DriveReportTest, WrittenInUtf8InTheWorkFolder)
{
    TempHome home;
    InitFolders();
    const DriveReport report = MakeDriveReport(drives_, DriveReportFormat{}, ReportTime());
    ASSERT_TRUE(report.saved);
    EXPECT_EQ(report.filePath, QString::fromStdString(home.folder() + "TALVOT32/TEMP/DrV$$$$$.TXT"));
    QFile file(report.filePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, (report.lines.join("\n") + "\n").toUtf8());
    EXPECT_EQ(ReadTextLines(report.filePath), report.lines);
}

TEST_F(DriveReportTest, MeasuresTotalsOnlyOfReadableDrives)
{
    const std::vector<DriveSpace> spaces = MeasureDrives({{"/", DriveType::Fixed}, {"/no/such/drive/", DriveType::CdRom}});
    ASSERT_EQ(spaces.size(), 2u);
    EXPECT_GT(spaces[0].free, 0);
    EXPECT_GE(spaces[0].total, spaces[0].free);
    EXPECT_EQ(spaces[1].root, "/no/such/drive/");
    EXPECT_EQ(spaces[1].free, -1);
    EXPECT_EQ(spaces[1].total, -1);
}
