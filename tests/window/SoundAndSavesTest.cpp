// The running program without a sound server, and its saves between start
// and shutdown: plays go on silently after one notice, and registration
// lists and registered times reach their files shortly after each change.
#include <QPushButton>
#include <QTest>

#include "ColorBtn.h"
#include "CutFace.h"
#include "FaceSwitches.h"
#include "FileBrowser.h"
#include "FileFace.h"
#include "Folders.h"
#include "ListFiles.h"
#include "ProgramInfo.h"
#include "RegistrationList.h"
#include "RegistrationListFile.h"
#include "ScopedEnvironment.h"
#include "SessionTestSupport.h"
#include "SoundOutput.h"
#include "TimeFileStore.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"

namespace {

class SoundAndSavesTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        noServer.set("PULSE_SERVER", path("no-server"));
        storeFoldersAndSounds();
        store->preset("FUN", "0");
    }

    void start()
    {
        window = std::make_unique<TTALVO_VANTRO>(session.steps());
        ASSERT_TRUE(WaitForStageB(*window));
        window->show();
    }

    // Runs the event loop until `done` holds or 10 s have passed.
    template <class Done>
    static bool WaitFor(Done done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) Wait(20);
        return done();
    }

    int notices() const
    {
        const QString notice = QString::fromStdString(SilenceNotice(Silence::NoServer));
        return static_cast<int>(std::count_if(boxes.calls().begin(), boxes.calls().end(),
                                              [&](const auto& call) { return call.text == notice; }));
    }

    void clickRow(QTreeWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
    }

    ScopedEnvironment noServer;
    VantroSession session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(SoundAndSavesTest, WithoutASoundServerTheFirstPlayTellsWhyAndLaterPlaysGoOnSilently)
{
    sound("a.wav", 300);
    sound("b.wav", 300);
    start();
    TFileBrowser& browser = *session.state().browser;
    ASSERT_TRUE(WaitFor([&] { return browser.ListView1->topLevelItemCount() == 2; }));

    clickRow(browser.ListView1, 0);
    ASSERT_TRUE(WaitFor([&] { return notices() == 1; }));
    EXPECT_EQ(boxes.calls().back().kind, "MKInfo");
    // The play went on without sound: it ends and the next file follows.
    ASSERT_TRUE(WaitFor([&] { return window->state().media.PlayFile == qpath("sounds/b.wav"); }));
    clickRow(browser.ListView1, 0);
    Wait(400);
    EXPECT_EQ(notices(), 1);
}

TEST_F(SoundAndSavesTest, RegisteredFilesAndTimesReachTheirFilesWithoutClosing)
{
    const QString cut = sound("cut.wav", 3000);
    start();
    TFileBrowser& browser = *session.state().browser;
    ASSERT_TRUE(WaitFor([&] { return browser.ListView1->topLevelItemCount() == 1; }));

    // "全登録" of the cut list registers the folder's file.
    window->findChild<QPushButton*>("Btn_TOROKU_ALL_M")->click();
    const QString listFile = RegistrationListPath(RegList::M, ProgramInfo::Word);
    ASSERT_TRUE(WaitFor([&] {
        const auto saved = LoadRegistrationList(listFile);
        return saved && saved->rows.size() == 1 && saved->rows[0].path == cut;
    }));

    // A time registered on the cut face is in the time file at once after.
    session.state().lists->list(RegList::M)->topLevelItem(0)->setSelected(true);
    QTest::mouseClick(session.state().faceSwitches->Button14, Qt::LeftButton);
    TTimeListsPanel& lists = *window->Panel_CUT->Panel_S;
    ASSERT_TRUE(WaitFor([&] { return lists.ListBox_ALL->count() > 1; }));
    const QModelIndex second = lists.ListBox_ALL->model()->index(1, 0);
    QTest::mouseClick(lists.ListBox_ALL->viewport(), Qt::LeftButton, {}, lists.ListBox_ALL->visualRect(second).center());
    QTest::mouseClick(lists.Button_ALLT, Qt::LeftButton);
    ASSERT_EQ(lists.ListBox_C->count(), 1);
    EXPECT_TRUE(WaitFor([&] { return LoadTimeFiles("cut").times() == session.state().cutWork.registered.times(); }));
}

}  // namespace
