// The file face as the user first sees it and as it is left: its texts show
// whole at the window's first size, and the window's size and splitters are
// there again at the next start.
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

#include "FileBrowser.h"
#include "FileFace.h"
#include "RegistrationList.h"
#include "SessionTestSupport.h"
#include "TestWav.h"
#include "WindowPlacement.h"

namespace {

const char* const kSplitters[] = {"Splitter_Face", "Splitter_Top", "Splitter_DIR"};

class FileFaceLayoutTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeBatchFolders();
    }

    // Starts the program, waits for stage B and shows the window.
    std::unique_ptr<TTALVO_VANTRO> start(VantroSession& session)
    {
        auto window = std::make_unique<TTALVO_VANTRO>(session.steps());
        EXPECT_TRUE(WaitForStageB(*window));
        window->show();
        QCoreApplication::processEvents();
        return window;
    }

    static QList<QList<int>> SplitterSizes(const TTALVO_VANTRO& window)
    {
        QList<QList<int>> sizes;
        for (const char* name : kSplitters) sizes.append(window.findChild<QSplitter*>(name)->sizes());
        return sizes;
    }

    // True when every text of `column` shows whole in every row, drawn bold
    // as the selected row is.
    static bool ColumnShowsWhole(const QTreeWidget& list, int column)
    {
        QFont bold = list.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int room = list.columnWidth(column) - 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QString text = list.topLevelItem(row)->text(column);
            if (metrics.elidedText(text, Qt::ElideRight, room) != text) return false;
        }
        return true;
    }

    // The list's last row lies inside its view once it is scrolled to.
    static bool LastRowVisible(QTreeWidget& list)
    {
        QTreeWidgetItem* last = list.topLevelItem(list.topLevelItemCount() - 1);
        list.scrollToItem(last);
        QCoreApplication::processEvents();
        return list.viewport()->rect().contains(list.visualItemRect(last));
    }
};

TEST_F(FileFaceLayoutTest, SizeAndSplittersAreWrittenAtClosingAndComeBackAtTheNextStart)
{
    QSize size;
    QList<QList<int>> sizes;
    {
        VantroSession session;
        auto window = start(session);
        window->resize(window->width(), 520);
        QCoreApplication::processEvents();
        // The user drags each splitter a little.
        for (const char* name : kSplitters) {
            auto* splitter = window->findChild<QSplitter*>(name);
            const QList<int> now = splitter->sizes();
            splitter->setSizes({now[0] + 30, now[1] - 30});
        }
        size = window->size();
        sizes = SplitterSizes(*window);
        window->close();
    }
    EXPECT_EQ(store->read("FS"), WindowSizeText(size));
    EXPECT_FALSE(store->read("FSPLIT").isEmpty());

    VantroSession session;
    auto window = start(session);
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(SplitterSizes(*window), sizes);

    // Widening the window widens the file list and the list of files to cut.
    TFileBrowser& browser = *session.state().browser;
    const int fileList = browser.ListView1->width();
    const int cutList = session.state().lists->list(RegList::M)->width();
    window->resize(window->width() + 200, window->height());
    QCoreApplication::processEvents();
    EXPECT_GT(browser.ListView1->width(), fileList);
    EXPECT_GT(session.state().lists->list(RegList::M)->width(), cutList);
}

TEST_F(FileFaceLayoutTest, TextsShowWholeAtTheFirstSize)
{
    const std::string folder = "Music/a folder with a rather long name for the tree";
    QDir().mkpath(qpath(folder + "/Rehearsals of the autumn session 2026"));
    WavSpec wav;
    wav.channels = 1;
    wav.bits = 8;
    wav.sampleRate = 8000;
    wav.data = Bytes(800, 128);
    WriteFileBytes(path(folder + "/a.wav"), wav.build());
    WriteFileBytes(path(folder + "/big.wav"), wav.build());
    std::filesystem::resize_file(path(folder + "/big.wav"), 123456789);  // " 123,456,789"
    store->preset("CPath", qpath(folder) + "/");
    store->preset("DirNo", "0");  // the folder tree

    VantroSession session;
    auto window = start(session);
    TFileBrowser& browser = *session.state().browser;
    ASSERT_EQ(browser.ListView1->topLevelItemCount(), 2);
    for (const char* button : {"Btn_TOROKU_ALL_G", "Btn_TOROKU_ALL_M"})
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    QCoreApplication::processEvents();

    // Size, date and attributes whole, selected rows included.
    RegistrationList* cutList = session.state().lists->list(RegList::M);
    RegistrationList* batchList = session.state().lists->list(RegList::G);
    ASSERT_EQ(batchList->topLevelItemCount(), 2);
    ASSERT_EQ(cutList->topLevelItemCount(), 2);
    for (int column : {1, 2, 3}) EXPECT_TRUE(ColumnShowsWhole(*browser.ListView1, column)) << column;
    for (QTreeWidget* list : {static_cast<QTreeWidget*>(cutList), static_cast<QTreeWidget*>(batchList)}) {
        for (int column : {2, 3, 4})
            EXPECT_TRUE(ColumnShowsWhole(*list, column)) << list->objectName().toStdString() << column;
        EXPECT_TRUE(LastRowVisible(*list)) << list->objectName().toStdString();
        // The count caption of the path column, beside the fitted columns.
        const int captionRoom = list->viewport()->width() - list->columnWidth(2) - list->columnWidth(3) - list->columnWidth(4);
        EXPECT_GE(captionRoom, list->header()->sectionSizeHint(1)) << list->objectName().toStdString();
    }

    // The folder header's caption and the tree's names, not cut.
    const QString caption = browser.HeaderControl1->model()->headerData(0, Qt::Horizontal).toString();
    EXPECT_TRUE(caption.endsWith(QStringLiteral("ツリーフォルダー")));
    EXPECT_GE(browser.HeaderControl1->width(), browser.HeaderControl1->fontMetrics().horizontalAdvance(caption));
    QTreeWidgetItem* current = browser.TreeView1->currentItem();
    ASSERT_NE(current, nullptr);
    current->setExpanded(true);
    QCoreApplication::processEvents();
    for (QTreeWidgetItem* node : {current, current->child(0)}) {
        QFont bold = browser.TreeView1->font();
        bold.setBold(true);
        EXPECT_GE(browser.TreeView1->visualItemRect(node).width(), QFontMetrics(bold).horizontalAdvance(node->text(0)))
            << node->text(0).toStdString();
    }

    // A volume without a label shows by its mount point alone.
    for (int index = 0; index < browser.ComboBox2->count(); ++index)
        EXPECT_FALSE(browser.ComboBox2->itemText(index).contains(QStringLiteral("[]")));
}

}  // namespace
