// The cut face as the running program composes it: the face switches, the
// time lists built for the chosen file, clicks that play an entry's range,
// subdivision down to 1 ms, registered times with their colours, and the
// play modes that go on (or not) when a play ends.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "ColorBtn.h"
#include "CutFace.h"
#include "CutFileRow.h"
#include "FileBrowser.h"
#include "FaceSwitches.h"
#include "FileFace.h"
#include "PlayPanel.h"
#include "RegistrationList.h"
#include "SessionTestSupport.h"
#include "TestWav.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"

namespace {

class CutFaceTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeFoldersAndSounds();
        store->preset("FUN", "0");  // times in milliseconds, not minutes
    }

    void start()
    {
        window = StartWindow(session);
        ASSERT_NE(window, nullptr);
    }

    // ListView_M holds these files, `selected` selected (-1: none).
    void filesToCut(const QStringList& paths, int selected = -1)
    {
        ListEntries entries;
        for (int i = 0; i < paths.size(); ++i)
            entries.append({FileRow{QFileInfo(paths[i]).fileName(), paths[i], {}, {}, {}}, i == selected});
        ListView_M()->setEntries(entries);
    }

    // Files to cut, then "WAV分割画面".
    void openCutFace(const QStringList& paths, int selected = -1)
    {
        filesToCut(paths, selected);
        QTest::mouseClick(session.state().faceSwitches->Button14, Qt::LeftButton);
    }

    // Clicks the item's indicator (a radio button takes clicks on its indicator and text only).
    static void choose(QWidget* group, const QString& item)
    {
        for (QRadioButton* button : group->findChildren<QRadioButton*>())
            if (button->text() == item) QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static QString checked(QWidget* group)
    {
        for (QRadioButton* button : group->findChildren<QRadioButton*>())
            if (button->isChecked()) return button->text();
        return {};
    }

    static void clickEntry(TTimeListBox* list, int row)
    {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    // Waits until a play starts from `from` (or the time runs out).
    bool waitForPlayFrom(int from, int ms = 4000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!(deviceOpen() && media().PlayFrom == from) && clock.elapsed() < ms) Wait(5);
        return deviceOpen() && media().PlayFrom == from;
    }
    bool waitForClosedDevice(int ms = 4000)
    {
        QElapsedTimer clock;
        clock.start();
        while (deviceOpen() && clock.elapsed() < ms) Wait(5);
        return !deviceOpen();
    }

    bool deviceOpen() { return session.state().playback->MciSend("status talvoMID position") == 0; }
    RegistrationList* ListView_M() { return session.state().lists->list(RegList::M); }
    MediaState& media() { return window->state().media; }
    TCutFace& face() { return *window->Panel_CUT; }
    TTimeListsPanel& lists() { return *face().Panel_S; }
    TPlayPanel& play() { return *face().Panel_C; }
    const RegisteredTimes& registered() { return session.state().cutWork.registered; }

    VantroSession session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(CutFaceTest, TheSwitchesGoToTheCutFaceWithItsPlayModesAndBackToTheFileLastCut)
{
    const QString a = sound("a.wav", 2500), b = sound("b.wav", 25000);
    start();
    QTest::mouseClick(session.state().faceSwitches->Button14, Qt::LeftButton);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "登録データがありません・・・");
    EXPECT_TRUE(media().FileFaceVisible);

    openCutFace({a, b}, 1);
    EXPECT_FALSE(media().FileFaceVisible);
    EXPECT_TRUE(face().isVisibleTo(window.get()));
    QComboBox* files = face().Panel_Fn->ComboBox1;
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->itemText(0), a);
    EXPECT_EQ(files->currentIndex(), 1);
    EXPECT_EQ(checked(play().RadioGroup1), "スキップ");
    EXPECT_EQ(checked(play().RadioGroup3), "OFF");
    // The 25 s file: five digits, a 10 s interval, its length in seconds.
    EXPECT_EQ(lists().ListBox_ALL->entries(), QStringList({"00000", "10000", "20000"}));
    EXPECT_EQ(lists().ComboBox_TM->currentText(), "10s");
    EXPECT_EQ(play().Label13->text(), "25");

    // Back on the file face, ListView_M follows the file last cut and the
    // split folder is the newest folder of the history.
    files->setCurrentIndex(0);
    QTest::mouseClick(play().Button_Select, Qt::LeftButton);
    EXPECT_TRUE(media().FileFaceVisible);
    ASSERT_EQ(ListView_M()->selectedItems().size(), 1);
    EXPECT_EQ(ListView_M()->indexOfTopLevelItem(ListView_M()->selectedItems().front()), 0);
    EXPECT_EQ(session.state().browser->H_DIRBoxDlg1.historyLines().value(0), qpath("TALVOT32/SAVE_DIR"));

    // No selection opens the first file; the play modes start over each time.
    choose(play().RadioGroup1, "リピート");
    choose(play().RadioGroup3, "無S100");
    ListView_M()->clearSelection();
    QTest::mouseClick(session.state().faceSwitches->Button14, Qt::LeftButton);
    EXPECT_EQ(files->currentIndex(), 0);
    EXPECT_EQ(lists().ListBox_ALL->count(), 3);  // 2500 ms at 1 s: 0000, 1000, 2000
    EXPECT_EQ(lists().ListBox_ALL->entry(2), "2000");
    EXPECT_EQ(checked(play().RadioGroup1), "スキップ");
    EXPECT_EQ(checked(play().RadioGroup3), "OFF");
    EXPECT_EQ(boxes.calls().size(), 1u);
}

TEST_F(CutFaceTest, AClickPlaysTheEntryAndSubdivisionReachesOneMillisecond)
{
    const QString b = sound("b.wav", 25000);
    start();
    openCutFace({b});
    choose(play().RadioGroup1, "ゾーン");
    clickEntry(lists().ListBox_ALL, 1);
    ASSERT_TRUE(deviceOpen());
    EXPECT_EQ(media().PlayFile, b);
    EXPECT_EQ(media().PlayFrom, 10000);
    EXPECT_EQ(media().PlayTo, 19999);
    // The last entry plays to the end of the file.
    clickEntry(lists().ListBox_ALL, 2);
    EXPECT_EQ(media().PlayFrom, 20000);
    EXPECT_EQ(media().PlayTo, 25000);

    // Every finer list is built around the same base time, which is current.
    clickEntry(lists().ListBox_ALL, 1);
    QTest::mouseClick(lists().Button_60s, Qt::LeftButton);
    EXPECT_EQ(lists().ListBox_60s->entries(), QStringList({"10000"}));
    EXPECT_EQ(lists().ListBox_10s->entries(), QStringList({"00000", "10000", "20000"}));
    EXPECT_EQ(lists().ListBox_1s->count(), 15);
    EXPECT_EQ(lists().ListBox_1s->entry(0), "08000");
    EXPECT_EQ(lists().ListBox_1ms->entry(0), "09998");
    EXPECT_EQ(lists().ListBox_1ms->itemIndex(), 2);
    EXPECT_EQ(lists().ListBox_1ms->selectedRows(), QList<int>({2}));
    EXPECT_FALSE(lists().Panel_1ms->isVisible());
    QTest::mouseClick(lists().Btn_1ms_ON, Qt::LeftButton);
    EXPECT_TRUE(lists().Panel_1ms->isVisible());
    EXPECT_FALSE(lists().ListBox_ALL->isVisible());

    // The last entry of the 1 s list plays one second.
    clickEntry(lists().ListBox_1s, 14);
    EXPECT_EQ(media().PlayFrom, 22000);
    EXPECT_EQ(media().PlayTo, 22999);
    // "end　5" plays up to the entry, and ">10ms" then reaches back further.
    choose(play().RadioGroup3, "end　5");
    clickEntry(lists().ListBox_1ms, 2);
    EXPECT_EQ(media().PlayFrom, 9500);
    EXPECT_EQ(media().PlayTo, 10000);
    clickEntry(lists().ListBox_100ms, 2);
    QTest::mouseClick(lists().Button_10ms, Qt::LeftButton);
    EXPECT_EQ(lists().ListBox_10ms->entry(0), "09880");
    EXPECT_EQ(lists().ListBox_1ms->entry(0), "09998");
    QTest::mouseClick(lists().Btn_1ms_OFF, Qt::LeftButton);
    EXPECT_TRUE(lists().ListBox_ALL->isVisible());

    // An empty source list says so; the minutes form rebuilds the lists.
    lists().ListBox_60s->clear();
    QTest::mouseClick(lists().Button_10s, Qt::LeftButton);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "タイムがありません・・・");
    window->menus().MO_FUN->trigger();
    EXPECT_EQ(lists().ListBox_ALL->entries(), QStringList({"0.00000", "0.10000", "0.20000"}));
    EXPECT_EQ(lists().ComboBox_TM->currentText(), "10秒");
    EXPECT_TRUE(lists().ListBox_10s->entries().isEmpty());
}

TEST_F(CutFaceTest, RegisteredTimesTakeTheColourOfNewRegistrationsAndDeletionForcesZone)
{
    const QString b = sound("b.wav", 25000);
    start();
    openCutFace({b});
    ASSERT_TRUE(window->menus().MO_ST_TM->isChecked());
    choose(play().RadioGroup1, "OFF");  // clicks select without playing

    // Right button on a "<登録" button: the colour of new registrations.
    QTest::mousePress(lists().Button_ALLT, Qt::RightButton);
    QMenu* colours = window->findChild<QMenu*>("PopupMenu_T");
    ASSERT_NE(colours, nullptr);
    EXPECT_TRUE(colours->findChild<QAction*>("PTS_T_NON")->isChecked());
    colours->findChild<QAction*>("PTS_T_Red")->trigger();
    colours->hide();
    EXPECT_EQ(lists().Button_ALLT->color(), QColor(Qt::red));
    EXPECT_EQ(play().Button1->color(), QColor(Qt::red));

    clickEntry(lists().ListBox_ALL, 0);
    QTest::mouseClick(lists().ListBox_ALL->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      lists().ListBox_ALL->visualRect(lists().ListBox_ALL->model()->index(2, 0)).center());
    QTest::mouseClick(lists().Button_ALLT, Qt::LeftButton);
    EXPECT_EQ(lists().ListBox_C->entries(), QStringList({"00000", "20000"}));
    EXPECT_EQ(registered().StartList(), std::vector<std::string>({"2", "2"}));

    // A time between them lands at its place; registering it again unmarks it.
    colours->findChild<QAction*>("PTS_T_NON")->trigger();
    EXPECT_FALSE(lists().Button_ALLT->paintsItself());
    clickEntry(lists().ListBox_ALL, 1);
    QTest::mouseClick(lists().Button_ALLT, Qt::LeftButton);
    EXPECT_EQ(lists().ListBox_C->entries(), QStringList({"00000", "10000", "20000"}));
    EXPECT_EQ(lists().ListBox_C->selectedRows(), QList<int>({1}));
    clickEntry(lists().ListBox_ALL, 0);
    QTest::mouseClick(lists().Button_ALLT, Qt::LeftButton);
    EXPECT_EQ(registered().StartList(), std::vector<std::string>({"", "", "2"}));

    // Nothing selected; then a deletion under "スキップ" switches to "ゾーン".
    lists().ListBox_10s->setEntries({"00000"});
    QTest::mouseClick(lists().Button_10sT, Qt::LeftButton);
    EXPECT_EQ(boxes.calls().back().text, "データを選択して下さい☆☆☆");
    choose(play().RadioGroup1, "スキップ");
    lists().ListBox_C->selectOnly(0);
    lists().ListBox_C->setSelected(2, true);
    QTest::mouseClick(lists().Button5, Qt::LeftButton);
    EXPECT_EQ(lists().ListBox_C->entries(), QStringList({"10000"}));
    EXPECT_EQ(registered().StartList(), std::vector<std::string>({""}));
    EXPECT_EQ(lists().ListBox_C->itemIndex(), 0);
    EXPECT_EQ(checked(play().RadioGroup1), "ゾーン");
    EXPECT_EQ(boxes.calls().back().text, "「PLAY Mode」は「ゾーン」再生に、強制変更されました☆☆☆");

    // The minutes form rewrites the registered times; start times off draw them plainly.
    window->menus().MO_FUN->trigger();
    EXPECT_EQ(lists().ListBox_C->entries(), QStringList({"0.10000"}));
    window->menus().MO_ST_TM->trigger();
    EXPECT_FALSE(play().Button1->paintsItself());
}

TEST_F(CutFaceTest, SkipPlaysTheFirstSecondOfEachNextEntryAndOffStops)
{
    const QString b = sound("b.wav", 25000);
    start();
    openCutFace({b});
    clickEntry(lists().ListBox_ALL, 1);
    EXPECT_EQ(media().PlayTo, 11000);
    ASSERT_TRUE(waitForPlayFrom(20000));
    EXPECT_EQ(media().PlayTo, 21000);
    EXPECT_EQ(lists().ListBox_ALL->selectedRows(), QList<int>({2}));
    // After the last entry the run ends.
    ASSERT_TRUE(waitForClosedDevice());
    Wait(100);
    EXPECT_FALSE(deviceOpen());

    // "OFF" stops a play at once, and clicks then play nothing.
    choose(play().RadioGroup1, "ゾーン");
    clickEntry(lists().ListBox_ALL, 0);
    ASSERT_TRUE(deviceOpen());
    choose(play().RadioGroup1, "OFF");
    EXPECT_FALSE(deviceOpen());
    media().PlayFrom = -1;
    clickEntry(lists().ListBox_ALL, 1);
    EXPECT_FALSE(deviceOpen());
    EXPECT_EQ(media().PlayFrom, -1);
    EXPECT_TRUE(boxes.calls().empty());
}

TEST_F(CutFaceTest, ContinuousPlayOverStartTimesOfOneColourRepeatsUntilStopped)
{
    const QString b = sound("b.wav", 2500);
    start();
    openCutFace({b});
    // Registered times 0 to 9 ms, blue marks on 2 and 7.
    lists().ListBox_ALL->setEntries({"0000", "0001", "0002", "0003", "0004", "0005", "0006", "0007", "0008", "0009"});
    lists().ListBox_ALL->selectAllEntries();
    QTest::mouseClick(lists().Button_ALLT, Qt::LeftButton);
    ASSERT_EQ(lists().ListBox_C->count(), 10);
    session.state().cutWork.registered.Mark({2, 7}, "1");

    // Choosing the blue start times switches to "連続".
    QTest::mousePress(play().Panel_RENZOKU, Qt::RightButton);
    QMenu* choice = window->findChild<QMenu*>("PopupMenu_R");
    ASSERT_NE(choice, nullptr);
    choice->findChild<QAction*>("P_RENZOKU_M_Blue")->trigger();
    choice->hide();
    EXPECT_EQ(checked(play().RadioGroup1), "連続");
    EXPECT_EQ(play().Panel_RENZOKU->palette().color(QPalette::Window), QColor(Qt::blue));

    // A click on an unmarked entry jumps to the next blue one; plays then go 2, 7, 2, ...
    std::vector<int> starts;
    Playback& playback = *session.state().playback;
    playback.displayChanged = [&starts, shown = playback.displayChanged, this] {
        if (starts.empty() || starts.back() != media().PlayFrom) starts.push_back(media().PlayFrom);
        shown();
    };
    clickEntry(lists().ListBox_C, 1);
    QElapsedTimer clock;
    clock.start();
    while (starts.size() < 5 && clock.elapsed() < 4000) Wait(5);
    QTest::mouseClick(play().Button2, Qt::LeftButton);
    EXPECT_EQ(std::vector<int>(starts.begin(), starts.begin() + std::min<size_t>(starts.size(), 5)),
              std::vector<int>({2, 7, 2, 7, 2}));
    EXPECT_TRUE(media().AbortFlag);
    EXPECT_FALSE(deviceOpen());
    Wait(100);
    EXPECT_FALSE(deviceOpen());
}

}  // namespace
