// One run of the main window end to end: start-up stages, the first-run
// prompt, and the saves at closing, against an in-memory settings key.
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QThread>

#include "FileFace.h"
#include "CutFace.h"
#include "FileBrowser.h"
#include "ListFiles.h"
#include "TestWav.h"
#include "RegistrationList.h"
#include "MKResponder.h"
#include "MemorySettingsStore.h"
#include "RecordingDesktop.h"
#include "SettingsStore.h"
#include "VantroSession.h"
#include "SessionTestSupport.h"
#include "WorkArea.h"

namespace {

const QStringList kBatchFolders = {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"};

class VantroSessionTest : public SessionTest {};

TEST_F(VantroSessionTest, FirstRunAsksForTheFiveFoldersInOrderAndWritesEachAtOnce)
{
    VantroSession session;
    QStringList asked;
    std::vector<QStringList> writtenWhenAsked;
    session.setFolderChooser([&](bool, const QString&, const QString& valueName, const QString& current) {
        EXPECT_TRUE(current.isEmpty());
        asked << valueName;
        writtenWhenAsked.push_back(store->writtenNames());
        QDir().mkpath(qpath("chosen/" + valueName.toStdString()));
        return qpath("chosen/" + valueName.toStdString());
    });
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));

    EXPECT_EQ(asked, kBatchFolders);
    for (int i = 0; i < kBatchFolders.size(); ++i) EXPECT_EQ(writtenWhenAsked[i], kBatchFolders.mid(0, i));
    EXPECT_EQ(store->read("WADD_DIR"), qpath("chosen/WADD_DIR") + "/");
    ASSERT_FALSE(boxes.calls().empty());
    EXPECT_EQ(boxes.calls().front().kind, "MKInfo");
    EXPECT_TRUE(boxes.calls().front().text.startsWith("これより、変換WAVファイル登録先を選択して戴きます。"));

    // Defaults everywhere else; all of them written at closing.
    EXPECT_TRUE(window.menus().MO_FUN->isChecked());
    EXPECT_TRUE(window.menus().TALVO_COLOR->isChecked());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0x00, 0x80, 0x00));
    window.close();
    EXPECT_EQ(store->read("TALVO_COLOR"), "1");
    // No split-file folder was chosen: that is what is stored.
    EXPECT_EQ(store->read("SAVE_DIR"), "@@@@@\\");
    EXPECT_EQ(store->read("MUON_DIR"), qpath("chosen/MUON_DIR") + "/");
}

TEST_F(VantroSessionTest, ClosingBeforeStageBLeavesTheSettingsUntouched)
{
    storeBatchFolders();
    VantroSession session;
    {
        TTALVO_VANTRO window(session.steps());
        window.close();
        Wait(400);  // the start-up timer would have fired by now
        EXPECT_NE(window.state().completionMarker, StageBComplete);
    }
    EXPECT_TRUE(store->untouched());
    EXPECT_FALSE(QFile::exists(ListFilePath(ListFile::FolderHistory)));
}

TEST_F(VantroSessionTest, StoredSettingsAreAppliedAndSavedBack)
{
    storeBatchFolders();
    store->preset("FP", "5000,5000");
    store->preset("TSNo", "3");
    store->preset("TALVO_COLOR", "1");
    store->preset("BackColor", "1");
    store->preset("MCUTF_G", "7");
    store->preset("HENKAN_NO", "1");
    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));

    EXPECT_EQ(window.Panel_DFF->PageControl1->currentIndex(), 3);
    EXPECT_TRUE(window.menus().TALVO_COLOR->isChecked());
    EXPECT_FALSE(window.menus().BackColor->isChecked());
    const QRect frame = window.frameGeometry();
    EXPECT_LE(window.pos().x() + frame.width(), std::max(WorkArea.left + WorkArea.width, WorkArea.left + frame.width()));
    EXPECT_LE(window.pos().y() + frame.height(), std::max(WorkArea.top + WorkArea.height, WorkArea.top + frame.height()));

    // Clicking BackColor now turns TALVO_COLOR off.
    window.menus().BackColor->trigger();
    EXPECT_TRUE(window.menus().BackColor->isChecked());
    EXPECT_FALSE(window.menus().TALVO_COLOR->isChecked());

    window.close();
    EXPECT_EQ(store->read("MCUTF_G"), "0");
    EXPECT_EQ(store->read("TSNo"), "3");
    EXPECT_EQ(store->read("BackColor"), "1");
    EXPECT_EQ(store->read("TALVO_COLOR"), "0");
    EXPECT_EQ(store->read("HENKAN_NO"), "1");
    EXPECT_EQ(store->read("FP"), QString("%1,%2").arg(window.pos().x()).arg(window.pos().y()));
    EXPECT_EQ(store->writtenNames().front(), "FP");
    EXPECT_EQ(store->writtenNames().back(), "IR_Index");
}

TEST_F(VantroSessionTest, ClosingWritesTheListFilesAndShowsTheBatchLogs)
{
    storeBatchFolders();
    store->preset("HENKAN_NO", "1");  // show-off: still opened at closing
    QStringList history;
    for (int i = 0; i < 20; ++i) history << qpath("folder" + std::to_string(i));
    ASSERT_TRUE(SaveListFile(ListFile::Rename, {"x.wav"}));
    {
        // An earlier run left a history of 20 folders behind.
        QFile file(ListFilePath(ListFile::FolderHistory));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(history.join("\r\n").toUtf8() + "\r\n");
    }
    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    session.state().logs->conversion().append("line one");
    window.close();

    const QStringList saved = LoadListFile(ListFile::FolderHistory);
    ASSERT_EQ(saved.size(), 16);
    EXPECT_EQ(saved.front() + "/", session.state().settings.CPath);
    EXPECT_EQ(saved.at(1), history.front());
    EXPECT_EQ(LoadListFile(ListFile::Rename), QStringList{"x.wav"});
    ASSERT_EQ(viewer->openedFiles().size(), 1);
    EXPECT_TRUE(viewer->openedFiles().front().endsWith("HENKAN$$.TXT"));
}

TEST_F(VantroSessionTest, TheSplitFolderCommandShowsTheChosenFolder)
{
    storeBatchFolders();
    VantroSession session;
    session.setFolderChooser([&](bool, const QString& caption, const QString& valueName, const QString& current) {
        EXPECT_EQ(caption, "分割WAVファイル登録先");
        EXPECT_EQ(valueName, "SAVE_DIR");
        // No folder was chosen yet: the dialog proposes its own.
        EXPECT_TRUE(current.isEmpty());
        return qpath("parts");
    });
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    // Until one is chosen, Edit_SDIR shows where the parts go.
    EXPECT_EQ(window.Panel_CUT->Edit_SDIR->text(), qpath("TALVOT32/SAVE_DIR"));
    window.menus().MF_SAVE_DIR->trigger();
    EXPECT_EQ(window.Panel_CUT->Edit_SDIR->text(), qpath("parts"));
    EXPECT_EQ(session.state().settings.SAVE_DIR, qpath("parts") + "/");
}

TEST_F(VantroSessionTest, RegisteredFilesAndTheirSelectionSurviveARestart)
{
    storeBatchFolders();
    const FileRow first{"a.wav", qpath("a.wav"), "      10", "26/12/09 10:00:00 Wed", "   A"};
    const FileRow second{"録音.wav", qpath("録音.wav"), "   1,000", "26/12/09 10:00:01 Wed", "   A"};
    {
        VantroSession session;
        TTALVO_VANTRO window(session.steps());
        ASSERT_TRUE(WaitForStageB(window));
        RegistrationList& list = *session.state().lists->list(RegList::K);
        list.appendRow(first);
        list.appendRow(second);  // selected alone
        RegistrationList& toCut = *session.state().lists->list(RegList::M);
        toCut.appendRow(second);
        toCut.appendRow(first);
        window.close();
    }
    EXPECT_EQ(store->read("K_Text"), "録音.wav");
    EXPECT_EQ(store->read("M_Text"), "a.wav");

    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    const ListEntries entries = session.state().lists->list(RegList::K)->entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].row, first);
    EXPECT_EQ(entries[1].row, second);
    EXPECT_EQ(session.state().lists->selectedCaption(RegList::K), "録音.wav");
    // The files to cut come back too, with their selection.
    const ListEntries toCut = session.state().lists->list(RegList::M)->entries();
    ASSERT_EQ(toCut.size(), 2u);
    EXPECT_EQ(toCut[0].row, second);
    EXPECT_EQ(toCut[1].row, first);
    EXPECT_EQ(session.state().lists->selectedCaption(RegList::M), "a.wav");
}

// A click on the file list plays the file on the silent output, the status
// line names it, and in "PLAY" mode the next file follows when it ends.
TEST_F(VantroSessionTest, AClickedFilePlaysAndTheNextFollowsInPlayMode)
{
    storeBatchFolders();
    QDir().mkpath(qpath("sounds"));
    WavSpec wav;
    wav.sampleRate = 8000;
    wav.channels = 1;
    wav.bits = 8;
    wav.data = Bytes(1600, 128);  // 200 ms
    WriteFileBytes(path("sounds/a.wav"), wav.build());
    WriteFileBytes(path("sounds/b.wav"), wav.build());
    store->preset("CPath", qpath("sounds") + "/");
    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    TFileBrowser& browser = *session.state().browser;
    ASSERT_EQ(browser.ListView1->topLevelItemCount(), 2);
    ASSERT_TRUE(browser.playOnClick());

    browser.ListView1->setCurrentItem(browser.ListView1->topLevelItem(0));
    browser.ListView1->topLevelItem(0)->setSelected(true);
    browser.ListView1Click(browser.ListView1);
    EXPECT_EQ(window.state().media.PlayFile, qpath("sounds/a.wav"));
    EXPECT_TRUE(window.Panel_DFF->Edit_File_Disp->text().contains("a.wav"));
    Wait(700);
    EXPECT_EQ(window.state().media.PlayFile, qpath("sounds/b.wav"));
    EXPECT_EQ(window.state().media.SampleRate, 8000);
    window.close();
}

}  // namespace
