// The registered times' exchange as a user reaches it: the cut menu of the
// registered times proposes cut times at the pauses of the cut file through
// the pause box, and writes and reads them as label files, cue sheets and
// plain lists.
#include <QApplication>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CutFace.h"
#include "CutMenu.h"
#include "FaceSwitches.h"
#include "PauseBox.h"
#include "RegisteredTimeCommands.h"
#include "RegistrationList.h"
#include "RegistrationLists.h"
#include "SessionTestSupport.h"
#include "TimeExchangeCommands.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"

namespace {

constexpr uint32_t kRate = 1000;  // one frame per millisecond

class TimeExchangeTest : public SessionTest {
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

    // A mono 8-bit file in sounds/: noise and silence (128) of the given
    // lengths in ms, noise first.
    QString speech(const std::vector<int>& lengths)
    {
        Bytes data;
        for (size_t i = 0; i < lengths.size(); ++i) {
            const Bytes part = i % 2 == 0 ? NoiseBytes(static_cast<size_t>(lengths[i]), static_cast<uint32_t>(i + 1))
                                          : Bytes(static_cast<size_t>(lengths[i]), 128);
            data.insert(data.end(), part.begin(), part.end());
        }
        // Noise never stays within the level long: no pause inside it.
        for (size_t i = 0; i < data.size(); ++i)
            if (data[i] >= 126 && data[i] <= 130 && !IsSilence(lengths, i)) data[i] = 200;
        return monoSound("talk.wav", kRate, data);
    }
    static bool IsSilence(const std::vector<int>& lengths, size_t at)
    {
        size_t from = 0;
        for (size_t i = 0; i < lengths.size(); from += static_cast<size_t>(lengths[i++]))
            if (at < from + static_cast<size_t>(lengths[i])) return i % 2 == 1;
        return false;
    }

    void startOn(const QString& file)
    {
        session = std::make_unique<VantroSession>();
        window = StartWindow(*session);
        ASSERT_TRUE(window);
        session->state().lists->list(RegList::M)->appendRow(FileRow{QFileInfo(file).fileName(), file, {}, {}, {}});
        session->state().faceSwitches->Button14->click();
    }
    TTimeListBox& registered() { return *window->Panel_CUT->Panel_S->ListBox_C; }
    CutMenu& menu() { return *session->state().cutMenu; }
    TimeExchangeCommands& exchange() { return *session->state().timeExchange; }
    // The right button on the registered times opens the cut menu; then its item.
    void choose(QAction* item)
    {
        QTest::mousePress(registered().viewport(), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_TRUE(item->isVisible());
        menu().PopupMenu1->close();
        item->trigger();
    }
    QStringList entries()
    {
        QStringList texts;
        for (int i = 0; i < registered().count(); ++i) texts << registered().entry(i);
        return texts;
    }
    QString lastMessage() const { return boxes.calls().empty() ? QString() : boxes.calls().back().text; }

    std::unique_ptr<VantroSession> session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

// Works the pause box once it is open: `fill` sets its controls, then its
// "登録" button is clicked as a user clicks it.
void WhenThePauseBoxOpens(const std::function<void(TPauseBox&)>& fill)
{
    auto* watch = new QTimer;
    watch->start(10);
    QObject::connect(watch, &QTimer::timeout, [watch, fill] {
        auto* box = qobject_cast<TPauseBox*>(QApplication::activeModalWidget());
        if (!box) return;
        watch->deleteLater();
        watch->stop();
        fill(*box);
        QTest::mouseClick(box->Button_Scan, Qt::LeftButton);
    });
}

}  // namespace

TEST_F(TimeExchangeTest, PausesOfTheCutFileAreRegisteredWhereTheBoxPlacesThem)
{
    // Pauses of 1.5 s, 0.5 s (too short) and 2 s between sounds, one at the end.
    startOn(speech({2000, 1500, 2000, 500, 2000, 2000, 1000, 1200}));
    WhenThePauseBoxOpens([](TPauseBox&) {});
    choose(menu().P_MUON_TOROKU);
    // 0.2 s before the sound resumes; the pause at the end proposes nothing.
    EXPECT_EQ(entries(), QStringList({"03300", "09800"}));
    EXPECT_EQ(lastMessage(), QString::fromUtf8("無音位置 2 か所、タイム 2 件を登録しました☆☆☆"));

    // The box keeps its choice: the middle of pauses of at least 0.4 s.
    WhenThePauseBoxOpens([](TPauseBox& box) {
        box.Edit_MinPause->setValue(0.4);
        box.Radio_Middle->setChecked(true);
    });
    choose(menu().P_MUON_TOROKU);
    EXPECT_EQ(entries(), QStringList({"02750", "03300", "05750", "09000", "09800"}));
    WhenThePauseBoxOpens([](TPauseBox& box) {
        EXPECT_DOUBLE_EQ(box.Edit_MinPause->value(), 0.4);
        EXPECT_TRUE(box.Radio_Middle->isChecked());
    });
    choose(menu().P_MUON_TOROKU);
    EXPECT_EQ(lastMessage(), QString::fromUtf8("無音位置 3 か所、タイム 0 件を登録しました☆☆☆"));
}

TEST_F(TimeExchangeTest, TimesWrittenAsLabelsAndCueSheetsComeBackWithTheirCategories)
{
    const QString talk = speech({2000, 1500, 2000, 2000, 2500});
    WriteFile(programPath("talk.QDX"), "00000\n03320\n05800\n");
    WriteFile(programPath("talk.STA"), "\n1\n\n");
    startOn(talk);
    menu().askText = [](const QString&, const QString&) { return std::optional<QString>("intro"); };
    menu().P_BINRUI[1]->trigger();

    QString chosen = qpath("sounds/talk.txt");
    std::vector<QString> proposed;
    exchange().chooseWriteFile = [&](const QString& name) {
        proposed.push_back(name);
        return std::optional<QString>(chosen);
    };
    choose(menu().P_TIME_WRITE);
    ASSERT_EQ(proposed, std::vector<QString>{qpath("sounds/talk.txt")});
    EXPECT_EQ(FileBytes(chosen), "0.000000\t3.320000\t\n3.320000\t5.800000\tintro\n5.800000\t10.000000\t\n");
    EXPECT_EQ(lastMessage(), QString::fromUtf8("タイムを書き出しました☆☆☆"));

    chosen = qpath("sounds/talk.cue");
    choose(menu().P_TIME_WRITE);
    EXPECT_EQ(FileBytes(chosen), "FILE \"talk.wav\" WAVE\n"
                                 "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                 "  TRACK 02 AUDIO\n    TITLE \"intro\"\n    INDEX 01 00:03:24\n"
                                 "  TRACK 03 AUDIO\n    INDEX 01 00:05:60\n");

    // Read back into a file without times: the same times, the category on its colour.
    session->state().cutWork.registered.clear();
    session->state().cutWork.CategoryNames = {};
    window->Panel_CUT->registered->showRegistered(std::nullopt);
    exchange().chooseReadFile = [&](const QString&) { return std::optional<QString>(qpath("sounds/talk.txt")); };
    choose(menu().P_TIME_READ);
    EXPECT_EQ(entries(), QStringList({"00000", "03320", "05800"}));
    EXPECT_EQ(session->state().cutWork.registered.StartList(), (std::vector<std::string>{"", "1", ""}));
    EXPECT_EQ(session->state().cutWork.CategoryNames[1], "intro");
    EXPECT_EQ(lastMessage(), QString::fromUtf8("タイム 3 件を登録しました☆☆☆"));
}

TEST_F(TimeExchangeTest, APlainListLeavesOutWhatIsNoTimeOrBeyondTheFileAndCountsIt)
{
    const QString talk = speech({2000, 1500, 2000});
    WriteFile(qpath("sounds/times.txt"), "0:01.500\n2.25\n4000\nlater\n9:00.000\n");
    startOn(talk);
    exchange().chooseReadFile = [&](const QString&) { return std::optional<QString>(qpath("sounds/times.txt")); };
    choose(menu().P_TIME_READ);
    EXPECT_EQ(entries(), QStringList({"1500", "2250", "4000"}));
    EXPECT_EQ(lastMessage(), QString::fromUtf8("タイム 3 件を登録しました☆☆☆\n"
                                               "タイムでない行と、ファイルの長さを超えるタイム 2 件は除きました。"));
}

TEST_F(TimeExchangeTest, TheStopButtonEndsAScanInProgressAndRegistersNothing)
{
    WavSpec wav;  // a minute of 16-bit stereo silence: several progress steps
    wav.data = Bytes(60 * 44100 * 4, 0);
    QDir().mkpath(qpath("sounds"));
    WriteFileBytes(path("sounds/long.wav"), wav.build());
    startOn(qpath("sounds/long.wav"));
    WhenThePauseBoxOpens([](TPauseBox& box) {
        // Clicked while the scan lets the event loop run.
        QTimer::singleShot(0, &box, [&box] { QTest::mouseClick(box.Button_Stop, Qt::LeftButton); });
    });
    choose(menu().P_MUON_TOROKU);
    EXPECT_EQ(registered().count(), 0);
    EXPECT_EQ(lastMessage(), QString::fromUtf8("無音位置の検索を中断しました・・・"));
}
