#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "Folders.h"
#include "MKResponder.h"
#include "Mkdlg.h"
#include "OperationLogs.h"
#include "RecordingDesktop.h"
#include "TextFiles.h"
#include "TempHome.h"
#include "TestWav.h"

namespace {

// 2024-03-09 07:05:02 UTC, a Saturday.
std::chrono::system_clock::time_point StampTime() { return std::chrono::system_clock::from_time_t(1709967902); }
const QString kStamp = QStringLiteral("24/03/09 Sat 07:05:02 ");
const QString kDashes(40, QLatin1Char('-'));

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Lines(std::initializer_list<const char*> texts)
{
    QStringList lines;
    for (const char* text : texts) lines << QString::fromUtf8(text);
    return lines;
}

class OperationLogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        InitFolders();
    }
    void TearDown() override
    {
        unsetenv("TZ");
        tzset();
    }

    void add(OperationLog& log, const QStringList& lines)
    {
        for (const QString& line : lines) log.append(line);
    }
    const std::vector<MKCall>& calls() const { return responder_.calls(); }
    void script(int answer) { responder_.script(answer); }
    QString workFile(const char* name) const { return QString::fromStdString(home_.folder() + "TALVOT32/TEMP/") + name; }

    TempHome home_;
    ScopedRecordingDesktop desktop_;
    MKResponder responder_;
    TMKBoxDlg box_;
    OperationLogs logs_{box_, StampTime};
};

}  // namespace

TEST_F(OperationLogsTest, RecordGrowsOverRunsAndIsWrittenWithItsHeaderInUtf8)
{
    OperationLog& log = logs_.conversion();
    const QStringList first = Lines({"44100/16/stereo  0.01500     264,644 /music/a.wav", "/music/b.wav"});
    const QStringList second = Lines({"/music/c.wav", "/music/曲.wav", "/music/e.wav"});
    add(log, first);
    ASSERT_TRUE(log.showRecord(LogCaller::Other));
    add(log, second);
    ASSERT_TRUE(log.showRecord(LogCaller::Other));

    EXPECT_EQ(log.filePath(), workFile("HENKAN$$.TXT"));
    const QStringList expected = QStringList{QString::fromUtf8("変換データ一覧　") + kStamp,
                                             QString::fromUtf8("5個 変換しました。"),
                                             QString::fromUtf8("rate /bit/channel タイム      サイズ ファイル名"), kDashes}
                                 + first + second + QStringList{kDashes};
    const QByteArray bytes = FileBytes(log.filePath());
    // UTF-8 with LF line ends, as desktop editors read it.
    EXPECT_EQ(bytes, (expected.join("\n") + "\n").toUtf8());
    // Only the per-file lines stay in memory.
    EXPECT_EQ(log.lines(), first + second);
    EXPECT_EQ(desktop_->openedFiles(), (QStringList{log.filePath(), log.filePath()}));
    EXPECT_TRUE(calls().empty());
}

TEST_F(OperationLogsTest, CutRecordHasNoColumnHeader)
{
    OperationLog& log = logs_.cut();
    const QStringList lines = Lines({"/cut/a_0s000.wav  10s000  24/03/09 Sat 07:00:00 ", "/cut/a_10s000.wav  5s000  24/03/09 Sat 07:00:01 "});
    add(log, lines);
    ASSERT_TRUE(log.showRecord(LogCaller::OwnShow));

    const QStringList expected = QStringList{QString::fromUtf8("カットデータ一覧　") + kStamp,
                                             QString::fromUtf8("2個 カットしました。"), kDashes}
                                 + lines + QStringList{kDashes};
    EXPECT_EQ(ReadTextLines(workFile("CUT$$$$.TXT")), expected);
    EXPECT_EQ(log.lines(), lines);
}

TEST_F(OperationLogsTest, FileLineLaysOutTheWavInfoOfARealFile)
{
    TempDir dir;
    struct Case {
        WavSpec wav;
        const char* line;  // before the path
    };
    WavSpec stereo;
    stereo.data = NoiseBytes(264600);  // 1.5 s
    WavSpec mono;
    mono.channels = 1;
    mono.sampleRate = 8000;
    mono.bits = 8;
    mono.data = NoiseBytes(8000);  // 1 s
    for (const Case& c : {Case{stereo, "44100/16/stereo  0.01500     264,644 "}, Case{mono, " 8000/ 8/  mono  0.01000       8,044 "}}) {
        const std::string path = dir.write("曲 1.wav", c.wav.build());
        std::string error;
        GetWavInfo(path, error);
        ASSERT_EQ(error, "");
        EXPECT_EQ(FileLogLine(WavInfo, QString::fromStdString(path)), QString::fromUtf8(c.line) + QString::fromStdString(path));
    }

    // Fields wider than their columns are never cut.
    WavInfoRecord wide;
    wide.SampleRate = 192000;
    wide.BitsPerSample = 24;
    wide.ChannelText = "unknwn";
    wide.LengthText = "1234.56789";
    wide.DataEnd = 12345678901;
    EXPECT_EQ(FileLogLine(wide, "/x.wav"), QStringLiteral("192000/24/unknwn1234.5678912,345,678,901 /x.wav"));
}

TEST_F(OperationLogsTest, ShowOffHoldsTheViewerBackOnlyFromOtherCallers)
{
    OperationLog& log = logs_.conversion();
    EXPECT_TRUE(log.toggleShowOff());
    add(log, Lines({"/music/a.wav"}));

    log.showRecord(LogCaller::Other);
    EXPECT_TRUE(log.fileExists());
    EXPECT_TRUE(desktop_->openedFiles().isEmpty());

    log.showRecord(LogCaller::OwnShow);
    logs_.showAtShutdown();
    EXPECT_EQ(desktop_->openedFiles(), (QStringList{log.filePath(), log.filePath()}));

    // The files-used logs follow the option of their join.
    logs_.showOff(ShowOffOption::Join).setChecked(true);
    add(logs_.joinFiles(), Lines({"/music/b.wav"}));
    logs_.joinFiles().showRecord(LogCaller::Other);
    EXPECT_EQ(desktop_->openedFiles().size(), 2);
    EXPECT_TRUE(logs_.joinFiles().fileExists());
}

TEST_F(OperationLogsTest, ShowOffOptionsWorkThroughTheirBinding)
{
    bool stored = true;
    logs_.showOff(ShowOffOption::Separation).bind([&] { return stored; }, [&](bool value) { stored = value; });
    EXPECT_TRUE(logs_.separation().showOff().checked());
    EXPECT_TRUE(logs_.runCommand("P_LR_NOClick"));
    EXPECT_FALSE(stored);
    // Options that are not stored start unchecked.
    EXPECT_FALSE(logs_.showOff(ShowOffOption::ListJoin).checked());
    EXPECT_FALSE(logs_.showOff(ShowOffOption::Rename).checked());
}

TEST_F(OperationLogsTest, ClearAnsweredNoKeepsTheRecord)
{
    OperationLog& log = logs_.conversion();
    add(log, Lines({"/music/a.wav"}));
    script(MKAnswer::No);
    log.clearRecord();

    EXPECT_EQ(log.lines(), Lines({"/music/a.wav"}));
    EXPECT_FALSE(log.fileExists());
    EXPECT_TRUE(desktop_->calls().empty());
    ASSERT_EQ(calls().size(), 2u);
    EXPECT_EQ(calls()[0].kind, "MKAsk");
    EXPECT_EQ(calls()[0].text, QString::fromUtf8("変換記録削除：\n変換記録を削除してよろしいですか？？？"));
    EXPECT_EQ(calls()[0].defaultAnswer, MKAnswer::No);
    EXPECT_EQ(calls()[1].kind, "MKInfoTM");
    EXPECT_EQ(calls()[1].text, QString::fromUtf8("変換記録削除を中止しました。"));
    EXPECT_EQ(calls()[1].defaultAnswer, MKAnswer::OK);
}

TEST_F(OperationLogsTest, ClearAnsweredYesShowsTheRecordOnceMoreThenEmptiesIt)
{
    OperationLog& log = logs_.reversal();
    log.showOff().setChecked(true);  // the clear command opens the viewer all the same
    add(log, Lines({"/music/a.wav", "/music/b.wav"}));
    script(MKAnswer::Yes);
    EXPECT_TRUE(logs_.runCommand("P_REV_KIROKUCLRClick"));

    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(ReadTextLines(log.filePath())->at(1), QString::fromUtf8("2個 LR反転しました。"));
    EXPECT_EQ(desktop_->openedFiles(), QStringList{log.filePath()});
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].kind, "MKAsk");
}

TEST_F(OperationLogsTest, EmptyRecordWritesAndOpensNothing)
{
    for (LogKind kind : {LogKind::Conversion, LogKind::Cut, LogKind::JoinFiles})
        EXPECT_TRUE(logs_.log(kind).showRecord(LogCaller::OwnShow));
    logs_.showAtShutdown();
    EXPECT_TRUE(QDir(QString::fromStdString(WorkFolder())).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(desktop_->calls().empty());
    EXPECT_TRUE(calls().empty());
}

TEST_F(OperationLogsTest, ViewerFailureShowsTheLogsErrorText)
{
    desktop_->setFailOpens(true);
    OperationLog& log = logs_.listJoinFiles();
    add(log, Lines({"/music/a.wav"}));
    log.showRecord(LogCaller::OwnShow);
    EXPECT_TRUE(log.fileExists());  // written before the viewer was asked
    EXPECT_TRUE(logs_.runCommand("P_KL2_TXTClick"));

    ASSERT_EQ(calls().size(), 2u);
    EXPECT_EQ(calls()[0].kind, "MKInfo");
    EXPECT_EQ(calls()[0].text, QString::fromUtf8("今回リスト結合一覧ｴﾗｰ：メモリーが確保できません"));
    EXPECT_EQ(calls()[1].kind, "MKInfo");
    EXPECT_EQ(calls()[1].text, QString::fromUtf8("エラー：リスト結合につかわれた一覧表示に失敗しました・・・"));
}

TEST_F(OperationLogsTest, UnwritableFileIsReportedAndClearKeepsTheRecord)
{
    OperationLog& log = logs_.join();
    ASSERT_TRUE(QDir().mkpath(log.filePath()));  // a folder where the file belongs
    add(log, Lines({"/music/a.wav"}));

    EXPECT_FALSE(log.showRecord(LogCaller::OwnShow));
    script(MKAnswer::Yes);
    log.clearRecord();

    EXPECT_EQ(log.lines(), Lines({"/music/a.wav"}));
    EXPECT_TRUE(desktop_->calls().empty());  // an old or missing file is not shown as the record
    const QString failed = QString::fromUtf8("エラー：結合一覧表示に失敗しました・・・\n") + log.filePath();
    ASSERT_EQ(calls().size(), 4u);
    EXPECT_EQ(calls()[0].text, failed);
    EXPECT_EQ(calls()[1].kind, "MKAsk");
    EXPECT_EQ(calls()[2].text, failed);
    EXPECT_EQ(calls()[3].kind, "MKInfoTM");
    EXPECT_EQ(calls()[3].text, QString::fromUtf8("結合記録削除を中止しました。"));
}

TEST_F(OperationLogsTest, ShutdownShowsTheBatchRecordsInItsOrder)
{
    for (int i = 0; i < LogKindCount; ++i) {
        logs_.log(static_cast<LogKind>(i)).append(QStringLiteral("/music/a.wav"));
        if (i < ShowOffOptionCount) logs_.showOff(static_cast<ShowOffOption>(i)).setChecked(true);
    }
    logs_.showAtShutdown();

    QStringList expected;
    for (const char* name : {"REV$$.TXT", "LR$$.TXT", "KETUGO2$.TXT", "KETUGO$$.TXT", "HENKAN$$.TXT", "KL2$.TXT", "KL$$.TXT"})
        expected << workFile(name);
    EXPECT_EQ(desktop_->openedFiles(), expected);
    EXPECT_FALSE(logs_.cut().fileExists());
    EXPECT_FALSE(logs_.rename().fileExists());
}

TEST_F(OperationLogsTest, CommandsRunByTheirHandlerNames)
{
    add(logs_.separation(), Lines({"/music/a.wav"}));
    logs_.separation().showOff().setChecked(true);
    EXPECT_TRUE(logs_.runCommand("P_LR_KIROKUClick"));
    EXPECT_TRUE(logs_.runCommand("MF_CUT_TXTClick"));  // opened whatever the file holds
    EXPECT_TRUE(logs_.runCommand("P_IR_NOClick"));
    EXPECT_FALSE(logs_.runCommand("P_NO_SUCH_KIROKUClick"));

    EXPECT_EQ(desktop_->openedFiles(), (QStringList{workFile("LR$$.TXT"), workFile("CUT$$$$.TXT")}));
    EXPECT_TRUE(logs_.rename().showOff().checked());
    // Menu state: show items need lines, show-last-file an empty record and a file.
    EXPECT_TRUE(logs_.separation().recordItemsEnabled());
    EXPECT_FALSE(logs_.separation().lastFileItemEnabled());
    logs_.separation().clearLines();
    EXPECT_TRUE(logs_.separation().lastFileItemEnabled());
    EXPECT_FALSE(logs_.conversion().lastFileItemEnabled());
}
