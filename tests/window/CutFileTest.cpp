// The cut face's file row and the cut, driven through the composed window:
// choosing the file to cut with its time files, the question about a file
// that has gone, the save base, and the parts the cut menu writes.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "ColorBtn.h"
#include "CutFace.h"
#include "CutFileCommands.h"
#include "CutFileRow.h"
#include "CutMenu.h"
#include "CutRun.h"
#include "FaceSwitches.h"
#include "MainMenus.h"
#include "OperationLogs.h"
#include "PartNames.h"
#include "PlayPanel.h"
#include "RegistrationList.h"
#include "RegistrationLists.h"
#include "SessionTestSupport.h"
#include "TestWav.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"

namespace {

constexpr uint32_t kRate = 1000;  // one frame per millisecond

class CutFileTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeBatchFolders();
        store->preset("FUN", "0");  // times in plain milliseconds
    }
    void TearDown() override
    {
        window.reset();
        session.reset();
        SessionTest::TearDown();
    }

    // A mono 8-bit file of `seconds` of noise in sounds/.
    QString makeWav(const std::string& name, int seconds)
    {
        return monoSound(name, kRate, NoiseBytes(static_cast<size_t>(seconds) * kRate, static_cast<uint32_t>(seconds)));
    }
    void writeProgramFile(const std::string& name, const QByteArray& text) { WriteFile(programPath(name), text); }

    void start()
    {
        session = std::make_unique<VantroSession>();
        window = StartWindow(*session);
        ASSERT_TRUE(window);
    }
    ProgramState& state() { return session->state(); }
    RegistrationList& filesToCut() { return *state().lists->list(RegList::M); }
    CutFileRow& row() { return *window->Panel_CUT->Panel_Fn; }
    TTimeListBox& registered() { return *window->Panel_CUT->Panel_S->ListBox_C; }

    void registerToCut(const QString& file)
    {
        filesToCut().appendRow(FileRow{QFileInfo(file).fileName(), file, {}, {}, {}});
    }
    // "WAV分割画面" on the file face's selected row.
    void goToCutFace() { state().faceSwitches->Button14->click(); }
    void chooseInCombo(int index)
    {
        row().ComboBox1->setCurrentIndex(index);
        emit row().ComboBox1->activated(index);
    }
    // The right button on a time list opens the cut menu; then its item.
    void cutFrom(TTimeListBox& list, const std::function<QAction*(CutMenu&)>& item)
    {
        QTest::mousePress(list.viewport(), Qt::RightButton, {}, QPoint(5, 5));
        state().cutMenu->PopupMenu1->close();
        item(*state().cutMenu)->trigger();
    }
    bool asked(const QString& kind, const QString& text) const
    {
        for (const MKCall& call : boxes.calls())
            if (call.kind == kind && call.text == text) return true;
        return false;
    }

    std::unique_ptr<VantroSession> session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

// The sound bytes of a WAV file written by the cut (44-byte header).
Bytes SoundOf(const QString& file)
{
    const Bytes bytes = ReadFileBytes(file.toStdString());
    return bytes.size() < 44 ? Bytes() : Bytes(bytes.begin() + 44, bytes.end());
}

Bytes Frames(const Bytes& sound, size_t from, size_t to)
{
    return Bytes(sound.begin() + static_cast<std::ptrdiff_t>(from), sound.begin() + static_cast<std::ptrdiff_t>(to));
}

QStringList Files(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

TEST_F(CutFileTest, AllCutWritesAPartPerRegisteredTimeIntoTheDefaultSplitFolder)
{
    store->preset("AUTO_NAME", "0");  // long names
    const QString song = makeWav("song.wav", 180);
    writeProgramFile("song.QDX", "000000\r\n010000\r\n060000\r\n");
    start();
    registerToCut(song);
    goToCutFace();
    ASSERT_EQ(registered().count(), 3);
    EXPECT_EQ(row().Edit_Fn->text(), "song.wav");
    EXPECT_EQ(row().Edit_SFn->text(), "song");
    EXPECT_EQ(row().Label_SFn_Last->text(), "_YYMMDD_HHMMSS_TTTTTT.wav");

    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT_ALL; });

    // No split-file folder was chosen: the parts go to ~/TALVOT32/SAVE_DIR/.
    const QString parts = qpath("TALVOT32/SAVE_DIR");
    EXPECT_EQ(row().Edit_SDIR->text(), parts);
    const QStringList written = Files(parts);
    ASSERT_EQ(written.size(), 3);
    const Bytes sound = SoundOf(song);
    const size_t ends[] = {0, 10000, 60000, sound.size()};
    const char* times[] = {"_000000.wav", "_010000.wav", "_060000.wav"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(written[i].startsWith("song_") && written[i].endsWith(times[i])) << written[i].toStdString();
        EXPECT_EQ(SoundOf(parts + "/" + written[i]), Frames(sound, ends[i], ends[i + 1])) << i;
    }
    const QStringList log = state().logs->cut().lines();
    ASSERT_EQ(log.size(), 3);
    EXPECT_TRUE(log[1].startsWith(parts + "/" + written[1] + "  50s000  ")) << log[1].toStdString();
    EXPECT_TRUE(asked("MKInfoTM", "カット終了☆☆☆\nお疲れ様☆☆☆"));
    EXPECT_TRUE(viewer->openedFiles().contains(state().logs->cut().filePath()));
}

TEST_F(CutFileTest, NamesCountUpAndNeverReplaceAFile)
{
    QDir().mkpath(qpath("parts"));
    store->preset("SAVE_DIR", qpath("parts") + "/");
    const QString song = makeWav("song.wav", 120);
    writeProgramFile("song.QDX", "000000\r\n060000\r\n");
    start();
    registerToCut(song);
    goToCutFace();

    // Short names: the first command plain, the next one counted.
    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT_ALL; });
    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT_ALL; });
    EXPECT_EQ(Files(qpath("parts")), QStringList({"song_000000.wav", "song_060000.wav", "song_c000_000000.wav",
                                                  "song_c000_060000.wav"}));

    // Long names of a fixed time, one of them already taken.
    window->menus().MF_AUTO_NAME->trigger();
    EXPECT_EQ(row().Label_SFn_Last->text(), "_YYMMDD_HHMMSS_TTTTTT.wav");
    const auto now = std::chrono::system_clock::now();
    state().cutRun->clock = [now] { return now; };
    const QString taken = QString::fromStdString(LongNamePrefix("song", now)) + "000000.wav";
    WriteFile(qpath("parts/") + taken, "keep");
    registered().selectOnly(0);
    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT; });
    EXPECT_EQ(FileBytes(qpath("parts/") + taken), "keep");
    const QString beside = QString(taken).replace(".wav", "_m000.wav");
    EXPECT_EQ(SoundOf(qpath("parts/") + beside), Frames(SoundOf(song), 0, 60000));
}

TEST_F(CutFileTest, OwnNamesAreAskedForAndTheSourceIsNeverOneOfThem)
{
    store->preset("SAVE_NAME", "1");
    store->preset("SAVE_DIR", qpath("sounds") + "/");
    const QString song = makeWav("song.wav", 30);
    writeProgramFile("song.QDX", "00000\r\n");
    start();
    registerToCut(song);
    goToCutFace();
    QStringList shown;
    QList<std::optional<QString>> answers = {qpath("sounds/./song.wav"), qpath("sounds/mine.wav"), std::nullopt};
    state().cutRun->SaveDialog1 = [&](const QString& title, const QString& folder, const QString& name) {
        shown << title + "|" + folder + "|" + name;
        return answers.takeFirst();
    };
    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT_ALL; });
    const QString proposal = "ＷＡＶ分割ファイル作成|" + qpath("sounds") + "|song_00000.wav";
    EXPECT_EQ(shown, QStringList({proposal, proposal}));
    EXPECT_TRUE(asked("MKError", qpath("sounds/./song.wav") + "\n元ファイルには上書きセーブ出来ません・・・"));
    EXPECT_EQ(SoundOf(qpath("sounds/mine.wav")), SoundOf(song));

    // Cancelled: the part is skipped, and that is no failure.
    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT_ALL; });
    EXPECT_TRUE(asked("MKError", qpath("sounds/song_00000.wav") + "\nセーブせずに飛ばします☆☆☆"));
    EXPECT_EQ(Files(qpath("sounds")), QStringList({"mine.wav", "song.wav"}));
    EXPECT_EQ(boxes.calls().back().text, "カット終了☆☆☆\nお疲れ様☆☆☆");
}

TEST_F(CutFileTest, ColourCutTakesTheMarkedTimesWhateverTheSelection)
{
    QDir().mkpath(qpath("parts"));
    store->preset("SAVE_DIR", qpath("parts") + "/");
    const QString song = makeWav("song.wav", 180);
    writeProgramFile("song.QDX", "000000\r\n010000\r\n060000\r\n120000\r\n");
    writeProgramFile("song.STA", "\r\n@\r\n2\r\n1\r\n");  // "@" is an old mark for blue
    start();
    registerToCut(song);
    goToCutFace();
    registered().selectOnly(2);

    cutFrom(registered(), [](CutMenu& m) { return m.WAV_CUT_ST[1]; });

    const Bytes sound = SoundOf(song);
    EXPECT_EQ(Files(qpath("parts")), QStringList({"song_010000.wav", "song_120000.wav"}));
    EXPECT_EQ(SoundOf(qpath("parts/song_010000.wav")), Frames(sound, 10000, 60000));
    EXPECT_EQ(SoundOf(qpath("parts/song_120000.wav")), Frames(sound, 120000, sound.size()));

    // The menu marks the selected registered times; on other lists it only cuts.
    cutFrom(registered(), [](CutMenu& m) { return m.P_START[0]; });
    EXPECT_EQ(state().cutWork.registered.StartList(), std::vector<std::string>({"", "1", "1", "1"}));
    QTest::mousePress(window->Panel_CUT->Panel_S->ListBox_ALL->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(state().cutMenu->P_LIST_Name->text(), "等間隔リストのカット");
    EXPECT_FALSE(state().cutMenu->WAV_CUT_ST0->menuAction()->isVisible());
    state().cutMenu->PopupMenu1->close();
}

TEST_F(CutFileTest, TimeFilesFollowTheChoiceTheFileFaceAndShutdown)
{
    const QString a = makeWav("a.wav", 20);
    const QString b = makeWav("b.wav", 20);
    start();
    registerToCut(a);
    registerToCut(b);
    filesToCut().selectOnly(0);
    goToCutFace();
    TTimeListsPanel& lists = *window->Panel_CUT->Panel_S;
    auto registerFirstOfAll = [&] {
        lists.ListBox_ALL->selectOnly(0);
        lists.Button_ALLT->click();
    };

    // a's times are written when b is chosen.
    registerFirstOfAll();
    chooseInCombo(1);
    EXPECT_EQ(FileBytes(programPath("a.QDX")), "00000\n");
    EXPECT_EQ(FileBytes(programPath("a.STA")), "\n");
    EXPECT_EQ(registered().count(), 0);

    // An emptied list removes them.
    chooseInCombo(0);
    ASSERT_EQ(registered().count(), 1);
    registered().selectOnly(0);
    lists.Button5->click();
    chooseInCombo(1);
    EXPECT_FALSE(QFile::exists(programPath("a.QDX")));
    EXPECT_FALSE(QFile::exists(programPath("a.STA")));

    // Showing the file face keeps b's times, and so does closing the window.
    registerFirstOfAll();
    window->Panel_CUT->Panel_C->Button_Select->click();
    EXPECT_EQ(FileBytes(programPath("b.QDX")), "00000\n");
    goToCutFace();
    lists.ListBox_ALL->selectOnly(1);
    lists.Button_ALLT->click();
    window->close();
    EXPECT_EQ(FileBytes(programPath("b.QDX")), "00000\n10000\n");
    EXPECT_EQ(store->read("M_Text"), "b.wav");
}

TEST_F(CutFileTest, AFileThatHasGoneIsRemovedWithItsTimeFiles)
{
    const QString gone = qpath("sounds/gone.wav");
    const QString a = makeWav("a.wav", 5);
    writeProgramFile("gone.QDX", "00100\r\n");
    writeProgramFile("gone.STA", "1\r\n");
    start();
    registerToCut(gone);
    registerToCut(a);
    filesToCut().selectOnly(0);

    goToCutFace();  // the scripted user answers the question with its default, Yes

    EXPECT_TRUE(asked("MKErrorAsk", gone + "\nこのファイルは存在しません・・・\n登録を削除してよろしいですか？？？"));
    EXPECT_FALSE(QFile::exists(programPath("gone.QDX")));
    EXPECT_FALSE(QFile::exists(programPath("gone.STA")));
    EXPECT_EQ(filesToCut().topLevelItemCount(), 1);
    EXPECT_EQ(row().ComboBox1->count(), 1);
    EXPECT_EQ(row().Edit_Fn->text(), "a.wav");
}

TEST_F(CutFileTest, TheSaveBaseRefusesNamesThatLeadElsewhereAndTheFileTellsItsFacts)
{
    const QString a = makeWav("a.wav", 5);
    start();
    registerToCut(a);
    goToCutFace();
    QStringList typed = {"x/y", "..", "", "take2"};
    state().cutFile->askText = [&typed](const QString& title, const QString& initial) -> std::optional<QString> {
        EXPECT_EQ(title, "録音ファイル名の変更");
        EXPECT_EQ(initial, "a");
        return typed.takeFirst();
    };
    for (int i = 0; i < 3; ++i) QTest::mouseDClick(row().Edit_SFn, Qt::LeftButton);
    EXPECT_TRUE(asked("MKError", "x/y\nセーブファイル名に使えない名前です・・・"));
    EXPECT_TRUE(asked("MKError", "..\nセーブファイル名に使えない名前です・・・"));
    EXPECT_EQ(row().Edit_SFn->text(), "a");
    QTest::mouseDClick(row().Edit_SFn, Qt::LeftButton);
    EXPECT_EQ(row().Edit_SFn->text(), "take2");
    // Entering the field selects its text a moment later, for copying.
    QFocusEvent entered(QEvent::FocusIn);
    QCoreApplication::sendEvent(row().Edit_SFn, &entered);
    Wait(400);
    EXPECT_EQ(row().Edit_SFn->selectedText(), "take2");

    QTest::mouseDClick(row().Edit_Fn, Qt::LeftButton);
    ASSERT_FALSE(boxes.calls().empty());
    const QString info = boxes.calls().back().text;
    EXPECT_TRUE(info.startsWith("CUT_WAVファイル情報：\n\n" + a + "\n総ﾊﾞｲﾄ数　:   5,044 Bytes\n日付/属性　: "))
        << info.toStdString();
    EXPECT_TRUE(info.endsWith("a\nrate/bit/channel : 1000 / 8 / mono")) << info.toStdString();
}

}  // namespace
