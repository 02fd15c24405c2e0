// The file face as the running program connects it: clicks, keys and the
// seek bar reach the play handler once, a play that ends goes on to the next
// row, the play mode and the deletions act on the device, the colour schemes
// reach the lists, and closing writes what the lists show.
#include <QAction>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "ColorBtn.h"
#include "CutFace.h"
#include "FileBrowser.h"
#include "FileFace.h"
#include "MKTexts.h"
#include "RegistrationList.h"
#include "RegistrationTexts.h"
#include "SeekBar.h"
#include "SessionTestSupport.h"
#include "TestWav.h"
#include "mk.h"

namespace {

class FileFaceWiringTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeFoldersAndSounds();
    }

    // Starts the program, waits for stage B and shows the window.
    void start()
    {
        window = StartWindow(session);
        ASSERT_TRUE(window);
    }

    void fill(RegList id, const QStringList& paths, int selected = -1)
    {
        ListEntries entries;
        for (int i = 0; i < paths.size(); ++i)
            entries.append({FileRow{QFileInfo(paths[i]).fileName(), paths[i], {}, {}, {}}, i == selected});
        lists().list(id)->setEntries(entries);
        lists().updateCountCaptions();
    }

    static void clickRow(QTreeWidget* list, int row)
    {
        list->scrollToItem(list->topLevelItem(row));
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void choosePlayMode(const QString& item)
    {
        for (QRadioButton* button : browser().RadioGroup2->findChildren<QRadioButton*>())
            if (button->text() == item) QTest::mouseClick(button, Qt::LeftButton);
    }

    bool deviceOpen() { return session.state().playback->MciSend("status talvoMID position") == 0; }
    bool waitForPlayOf(const QString& file, int ms = 3000)
    {
        QElapsedTimer clock;
        clock.start();
        while (media().PlayFile != file && clock.elapsed() < ms) Wait(10);
        return media().PlayFile == file;
    }

    TFileBrowser& browser() { return *session.state().browser; }
    RegistrationLists& lists() { return *session.state().lists; }
    MediaState& media() { return window->state().media; }

    VantroSession session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(FileFaceWiringTest, ARowClickRunsThePlayHandlerOnceAndFollowsThePlayMode)
{
    const QString kept = sound("kept.wav", 1000);
    start();
    fill(RegList::K, {qpath("sounds/gone.wav"), kept});
    RegistrationList* list = lists().list(RegList::K);
    window->Panel_DFF->PageControl1->setCurrentIndex(1);

    choosePlayMode(QStringLiteral("OFF"));
    clickRow(list, 1);
    EXPECT_TRUE(media().PlayFile.isEmpty());
    EXPECT_TRUE(boxes.calls().empty());

    // In "PLAY" mode a file gone from disk is offered for removal, once; the
    // next row then plays and the counts follow.
    choosePlayMode(QStringLiteral("PLAY"));
    boxes.script(6);
    clickRow(list, 0);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].kind, "MKErrorAsk");
    EXPECT_TRUE(boxes.calls()[0].text.startsWith(qpath("sounds/gone.wav") + "\n"));
    EXPECT_EQ(media().PlayFile, kept);
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->headerItem()->text(1), "1ｺ　" + RegistrationTexts::HeaderPath);

    // Keys act as clicks; a double-click plays even in "OFF" mode.
    media().PlayFile.clear();
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(media().PlayFile, kept);
    choosePlayMode(QStringLiteral("OFF"));
    media().PlayFile.clear();
    const QRect row = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(media().PlayFile.isEmpty());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(media().PlayFile, kept);
    EXPECT_EQ(boxes.calls().size(), 1u);
}

TEST_F(FileFaceWiringTest, APlayThatEndsGoesOnToTheNextRowWrappingUnlessStopped)
{
    const QString a = sound("a.wav", 150), b = sound("b.wav", 150), c = sound("c.wav", 150);
    start();
    fill(RegList::M, {a, b, c}, 2);
    clickRow(lists().list(RegList::M), 2);
    EXPECT_EQ(media().PlayFile, c);
    ASSERT_TRUE(waitForPlayOf(a));  // past the last row: the first
    ASSERT_TRUE(waitForPlayOf(b));
    EXPECT_TRUE(lists().list(RegList::M)->topLevelItem(1)->isSelected());

    // A completion already on its way when the stop button is pressed starts nothing.
    QTest::mouseClick(browser().ColorBtn1, Qt::LeftButton);
    const QString stoppedAt = media().PlayFile;
    session.state().playback->MciNotify(1);
    Wait(50);
    EXPECT_EQ(media().PlayFile, stoppedAt);
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(media().NotifyBusy);
}

TEST_F(FileFaceWiringTest, TheSeekBarReplaysFromThereAndOffStopsTheDevice)
{
    const QString file = sound("long.wav", 4000);
    start();
    clickRow(browser().ListView1, 0);
    ASSERT_EQ(media().PlayFile, file);
    ASSERT_TRUE(deviceOpen());

    auto* bar = window->findChild<SeekBar*>(QStringLiteral("Panel_B0"));
    ASSERT_NE(bar, nullptr);
    const QPoint middle(bar->width() / 2, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, middle);
    EXPECT_EQ(media().PlayFrom, middle.x() * media().BarMsPerPixel);
    EXPECT_GT(media().PlayFrom, 1000);
    EXPECT_FALSE(media().SeekPending);
    EXPECT_TRUE(deviceOpen());

    choosePlayMode(QStringLiteral("OFF"));
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(session.state().playback->Timer8.isActive());
}

TEST_F(FileFaceWiringTest, DeletingRowsInPlayModeTurnsItOffAndSaysSo)
{
    start();
    fill(RegList::G, {qpath("sounds/x.wav")}, 0);
    window->Panel_DFF->PageControl1->setCurrentIndex(0);
    window->findChild<QPushButton*>(QStringLiteral("Btn_DEL_G"))->click();
    EXPECT_EQ(lists().list(RegList::G)->topLevelItemCount(), 0);
    EXPECT_FALSE(browser().playOnClick());
    ASSERT_FALSE(boxes.calls().empty());
    EXPECT_EQ(boxes.calls().back().text, RegistrationTexts::PlayModeSwitched);
}

TEST_F(FileFaceWiringTest, TheColourSchemesReachTheListsAndEditBoxesOfBothFaces)
{
    start();
    const QColor green(0x00, 0x80, 0x00);
    const QColor system = QApplication::palette().color(QPalette::Base);
    QList<QWidget*> controls = {browser().ListView1, browser().ListBox1, window->Panel_CUT->Edit_SDIR,
                                lists().list(RegList::REV)};
    for (QWidget* control : controls) EXPECT_EQ(control->palette().color(QPalette::Base), green);

    window->menus().BackColor->trigger();
    EXPECT_FALSE(window->menus().TALVO_COLOR->isChecked());
    for (QWidget* control : controls) EXPECT_EQ(control->palette().color(QPalette::Base), system);

    window->menus().BackColor->trigger();  // no scheme: the parent's colour, repainted by FormPaint
    for (QWidget* control : controls)
        EXPECT_EQ(control->palette().color(QPalette::Base), window->palette().color(QPalette::Window));

    window->menus().TALVO_COLOR->trigger();
    for (QWidget* control : controls) EXPECT_EQ(control->palette().color(QPalette::Base), green);
}

TEST_F(FileFaceWiringTest, ClosingWritesTheSelectedFileToCutAsM_Text)
{
    store->preset("M_Text", "old.wav");
    start();
    fill(RegList::M, {qpath("sounds/x.wav"), qpath("sounds/y.wav")}, 1);
    window->close();
    EXPECT_EQ(store->read("M_Text"), "y.wav");
}

TEST_F(FileFaceWiringTest, MessageBoxHintsFollowTheWindowsHintSwitch)
{
    start();
    window->menus().HELP3->trigger();
    ASSERT_FALSE(window->hintsShown());
    TMKBox box;
    box.show();
    auto* memo = box.findChild<QPlainTextEdit*>(QStringLiteral("MemoMsg"));
    ASSERT_NE(memo, nullptr);
    const auto hintOf = [memo] {
        QToolTip::hideText();
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), memo->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(memo, &event);
        return QToolTip::text();
    };
    EXPECT_TRUE(hintOf().isEmpty());
    window->menus().HELP3->trigger();
    EXPECT_EQ(hintOf(), QString::fromUtf8(MKText::CopyHint));
    QToolTip::hideText();
}

TEST_F(FileFaceWiringTest, StageBLetsMessagesRunAfterFUNAndAfterTheLists)
{
    sound("a.wav", 100);
    store->preset("FUN", "0");
    store->preset("FileOnly", "1");
    struct Seen {
        QString folder;
        bool funChecked = true;
        int marker = -1;
        int listWidth = -1;
    };
    std::vector<Seen> seen;
    window = std::make_unique<TTALVO_VANTRO>(session.steps());
    const auto look = [&] {
        RegistrationList* m = lists().list(RegList::M);
        seen.push_back({browser().currentFolder(), window->menus().MO_FUN->isChecked(),
                        window->state().completionMarker, m->columnWidth(1)});
    };
    QObject::connect(window->menus().MO_FUN, &QAction::changed, window.get(), [&] {
        QTimer::singleShot(0, window.get(), [&] {
            look();
            QTimer::singleShot(0, window.get(), look);
        });
    });
    ASSERT_TRUE(WaitForStageB(*window));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[0].funChecked);
    EXPECT_TRUE(seen[0].folder.isEmpty());  // the browser's folder comes later
    EXPECT_EQ(seen[1].folder, qpath("sounds"));
    EXPECT_EQ(seen[1].listWidth, 0);  // file names only, applied after the lists
    EXPECT_NE(seen[1].marker, StageBComplete);
}

}  // namespace
