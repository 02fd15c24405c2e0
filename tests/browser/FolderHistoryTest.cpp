// The folder history: newest first, each folder once, and the box that
// offers it.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include "../controls/DialogTestSupport.h"
#include "FolderHistory.h"
#include "H_DIRFM.h"
#include "H_DIRdlg.h"
#include "BrowserTestSupport.h"
#include "BrowserTexts.h"
#include "ColorBtn.h"

TEST(FolderHistory, RevisitingMovesToTheFrontAndSeparatorsDoNotDuplicate)
{
    FolderHistory history;
    history.setNewDIR("/a");
    history.setNewDIR("/b/");
    history.setNewDIR("/a/");
    history.setNewDIR("");
    EXPECT_EQ(history.entries(), QStringList({"/a", "/b"}));
    history.setNewDIR("/b");
    EXPECT_EQ(history.entries(), QStringList({"/b", "/a"}));
    history.setNewDIR("/");
    EXPECT_EQ(history.entries().front(), "/");
}

TEST(FolderHistory, LoadKeepsOrderAndSetsNoLimit)
{
    QStringList lines;
    for (int i = 0; i < 20; ++i) lines << QString("/f%1").arg(i);
    lines << "" << "/f3/" << "/f0";
    FolderHistory history;
    history.load(lines);
    EXPECT_EQ(history.entries().size(), 20);
    EXPECT_EQ(history.entries().front(), "/f0");
    EXPECT_EQ(history.entries().back(), "/f19");
}

class HistoryBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        dlg.loadHistory({"/old1", "/old2"});
    }
    TH_DIRBoxDlg dlg;
};

TEST_F(HistoryBoxTest, CancelLeavesTheOpeningFolderAtTheFront)
{
    dlg.runBox = [](TH_DIRBox& box) {
        EXPECT_EQ(box.ListBox_DIR->count(), 3);
        EXPECT_EQ(box.selectedFolder(), 0);
        return static_cast<int>(QDialog::Rejected);
    };
    EXPECT_NE(dlg.Execute("/now/"), 1);
    EXPECT_EQ(dlg.historyLines(), QStringList({"/now", "/old1", "/old2"}));
}

TEST_F(HistoryBoxTest, ConfirmMovesTheChosenFolderToTheFront)
{
    dlg.runBox = [](TH_DIRBox& box) {
        box.ListBox_DIR->setCurrentRow(2);
        box.ColorBtn_OK->click();
        return box.result();
    };
    EXPECT_EQ(dlg.Execute("/now"), 1);
    EXPECT_EQ(dlg.historyLines(), QStringList({"/old2", "/now", "/old1"}));
}

TEST_F(HistoryBoxTest, FileListFollowsTheFolderAndTheFilter)
{
    TempDir dir;
    WriteWav(dir, "a.WAV");
    WriteWav(dir, "b.wav");
    WriteText(dir, "c.txt");
    dlg.Filter = "WAV files (*.WAV)|*.WAV|ALL files (*.*)|*.*|";
    dlg.runBox = [](TH_DIRBox& box) {
        EXPECT_EQ(box.FilterComboBox1->count(), 2);
        EXPECT_EQ(box.FileListBox1->count(), 2);
        EXPECT_EQ(box.Label_FILE_Kosu->text(), "2" + BrowserTexts::CountSuffix);
        box.FilterComboBox1->setCurrentIndex(1);
        EXPECT_EQ(box.FileListBox1->count(), 3);
        return static_cast<int>(QDialog::Rejected);
    };
    dlg.Execute(QString::fromStdString(dir.path().string()));
}
