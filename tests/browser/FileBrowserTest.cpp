// The browser widget offscreen: the file list of a folder, playing through
// the hook, the play mode, and the messages of a folder that is gone.
#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "../controls/DialogTestSupport.h"
#include "BrowserTestSupport.h"
#include "BrowserTexts.h"
#include "FileBrowser.h"
#include "MKResponder.h"
#include "Mkdlg.h"
#include "TextFormats.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

class FileBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteWav(dir, "b.wav", 2000000);
        WriteWav(dir, "a.wav");
        WriteWav(dir, "c.WAV", 100);
        WriteText(dir, "readme.txt");
        browser.playFile = [this](const QString& path, QWidget* list) {
            played << path;
            lists << list;
        };
    }

    QStringList column(int index) const
    {
        QStringList texts;
        for (int row = 0; row < browser.ListView1->topLevelItemCount(); ++row)
            texts << browser.ListView1->topLevelItem(row)->text(index);
        return texts;
    }

    QApplication& app = TestApplication();  // before any widget
    KeepCurrentDirectory keep;
    TempDir dir;
    TMKBoxDlg box;
    MediaState media;
    TFileBrowser browser{box, media};
    QStringList played;
    QList<QWidget*> lists;
};

}  // namespace

TEST_F(FileBrowserTest, FillsTheFileListAndRemembersTheFolder)
{
    EXPECT_EQ(browser.FillFileList(Q(dir.path().string() + "/")), QString());
    EXPECT_EQ(browser.currentFolder(), Q(dir.path().string()));
    EXPECT_EQ(column(0), QStringList({"a.wav", "b.wav", "c.WAV"}));
    EXPECT_EQ(browser.ListView1->headerItem()->text(0), "3" + BrowserTexts::CountSuffix + BrowserTexts::FileCountTail);
    EXPECT_EQ(browser.H_DIRBoxDlg1.historyLines().front(), browser.currentFolder());

    browser.setAllFiles(true);
    EXPECT_EQ(browser.ListView1->topLevelItemCount(), 4);
}

TEST_F(FileBrowserTest, SizeColumnSortsByNumberAndKeepsTheSelection)
{
    browser.FillFileList(Q(dir.path().string()));
    browser.selectCaption("c.wav");  // captions compare exactly: no row
    EXPECT_EQ(browser.selectedCaption(), QString());
    browser.selectCaption("c.WAV");
    browser.ListView1ColumnClick(1);
    EXPECT_EQ(column(0), QStringList({"b.wav", "c.WAV", "a.wav"}));
    browser.ListView1ColumnClick(1);
    EXPECT_EQ(column(0), QStringList({"a.wav", "c.WAV", "b.wav"}));
    EXPECT_EQ(browser.selectedCaption(), "c.WAV");
}

TEST_F(FileBrowserTest, ClickPlaysTheSelectedFileOnlyInPlayModeDoubleClickAlways)
{
    browser.FillFileList(Q(dir.path().string()));
    browser.selectCaption("b.wav");
    browser.ListView1Click(browser.ListView1);
    EXPECT_EQ(played, QStringList{Q(dir.file("b.wav"))});
    EXPECT_EQ(lists.front(), browser.ListView1);

    browser.RadioGroup2->findChildren<QRadioButton*>().at(1)->setChecked(true);
    EXPECT_FALSE(browser.playOnClick());
    browser.ListView1Click(browser.ListView1);
    EXPECT_EQ(played.size(), 1);
    browser.ListView1Click(browser.ListView1, true);
    EXPECT_EQ(played.size(), 2);
}

TEST_F(FileBrowserTest, BusyListsPlayNothing)
{
    browser.FillFileList(Q(dir.path().string()));
    browser.listsBusy = [] { return true; };
    browser.ListView1Click(browser.ListView1, true);
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(FileBrowserTest, FolderThatIsGoneIsReportedAndItsDriveRootTried)
{
    browser.FillFileList(Q(dir.path().string()));
    MKResponder responder;
    const QString gone = Q(dir.path().string() + "/gone");
    EXPECT_EQ(browser.FillFileList(gone), BrowserTexts::FolderFailure);
    EXPECT_EQ(browser.currentFolder(), Q(dir.path().string()));
    EXPECT_EQ(browser.ListView1->topLevelItemCount(), 3);

    EXPECT_TRUE(browser.ChangeFolder(gone));
    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_EQ(responder.calls()[0].text, BrowserTexts::FolderErrorHead + gone + "\n" + BrowserTexts::FolderErrorTail);
    EXPECT_NE(browser.currentFolder(), Q(dir.path().string()));
}

TEST_F(FileBrowserTest, FolderViewsShowLevelsAndSubfoldersAndToggle)
{
    std::filesystem::create_directory(dir.path() / "sub");
    browser.ChangeFolder(Q(dir.path().string()));
    ASSERT_GT(browser.ListBox1->count(), 1);
    EXPECT_EQ(browser.ListBox1->item(browser.ListBox1->count() - 1)->text(), "sub");
    browser.ListBox1->setCurrentRow(browser.ListBox1->count() - 1);
    emit browser.ListBox1->itemClicked(browser.ListBox1->currentItem());
    EXPECT_EQ(browser.currentFolder(), Q(dir.path().string() + "/sub"));

    browser.HeaderControl1SectionClick();
    EXPECT_EQ(browser.dirNo(), 0);
    ASSERT_NE(browser.TreeView1->currentItem(), nullptr);
    EXPECT_EQ(browser.TreeView1->currentItem()->text(0), "sub");
}

TEST_F(FileBrowserTest, LargeFolderShowsEveryFileInNameOrderWithItsTextsAgainOnRefill)
{
    namespace fs = std::filesystem;
    TempDir large;
    QStringList names;
    for (int i = 0; i < 2000; ++i) {
        const std::string name = (i % 3 ? "Take " : "take ") + std::to_string(i) + (i % 2 ? ".WAV" : ".wav");
        WriteWav(large, name, static_cast<size_t>(i % 7) * 1000);
        names << Q(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });

    for (int fill = 0; fill < 2; ++fill) {
        ASSERT_EQ(browser.FillFileList(Q(large.path().string())), QString());
        ASSERT_EQ(column(0), names);
    }
    for (int row = 0; row < browser.ListView1->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = browser.ListView1->topLevelItem(row);
        const fs::path file = large.path() / item->text(0).toStdString();
        const auto modified = std::chrono::file_clock::to_sys(fs::last_write_time(file));
        ASSERT_EQ(item->text(1), Q(FormatN(fs::file_size(file), 8))) << row;
        ASSERT_EQ(item->text(2), Q(DateTimeWeekText(std::chrono::time_point_cast<std::chrono::system_clock::duration>(modified))));
        ASSERT_EQ(item->text(3), "   A");
    }
    EXPECT_EQ(browser.ListView1->topLevelItem(0)->textAlignment(1), Qt::AlignRight | Qt::AlignVCenter);

    browser.selectCaption(names[1234]);
    const QList<FileRow> selected = browser.selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().path, Q(large.file(names[1234].toStdString())));
}
