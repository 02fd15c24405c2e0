// The end of a batch run as the user sees it, with the program's own message
// boxes: the stop notice still over the run's screen, then the screen put back
// (start buttons, cursor, status colours) and the file browser moved to the
// output folder before the summary appears.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

#include "BoxWatcher.h"
#include "ColorBtn.h"
#include "ConvertTexts.h"
#include "FileBrowser.h"
#include "MemorySettingsStore.h"
#include "RegistrationList.h"
#include "SettingsStore.h"
#include "TestWav.h"
#include "VantroSession.h"
#include "WindowTestSupport.h"

namespace {

// What the window showed at the moment a box appeared.
struct Moment {
    QString text;
    bool stopShown = false;
    bool startShown = false;
    bool hourglass = false;
    bool statusRed = false;
    QString browserFolder;
};

struct TabCase {
    const char* page;
    RegList list;
    const char* start;
    const char* stop;
    const char* folder;  // the output folder's setting
};

class RunEndOrderTest : public TestUser {
protected:
    void SetUp() override
    {
        TestUser::SetUp();
        auto owned = std::make_unique<MemorySettingsStore>();
        for (const char* name : {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"}) {
            QDir().mkpath(qpath(std::string("out/") + name));
            owned->preset(QString::fromLatin1(name), qpath(std::string("out/") + name) + "/");
        }
        QDir().mkpath(qpath("sounds"));
        owned->preset("CPath", qpath("sounds") + "/");
        previousStore = replaceSettingsStore(std::move(owned));
        session = std::make_unique<VantroSession>();
        window = std::make_unique<TTALVO_VANTRO>(session->steps());
        QElapsedTimer clock;
        clock.start();
        while (window->state().completionMarker != StageBComplete && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_EQ(window->state().completionMarker, StageBComplete);
        window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        window.reset();
        session.reset();
        replaceSettingsStore(std::move(previousStore));
        TestUser::TearDown();
    }

    // A stereo 16-bit 8 kHz file of a second in sounds/.
    QString sound(const std::string& name)
    {
        WavSpec wav;
        wav.sampleRate = 8000;
        wav.data = Bytes(32000, 7);
        WriteFileBytes(path("sounds/" + name), wav.build());
        return qpath("sounds/" + name);
    }

    void fill(RegList id, const QStringList& paths)
    {
        ListEntries entries;
        for (const QString& file : paths) entries.append({FileRow{QFileInfo(file).fileName(), file, {}, {}, {}}, false});
        session->state().lists->list(id)->setEntries(entries);
    }

    // Runs the tab's "all" button on its page; each box is answered OK after the window
    // behind it has been looked at.
    std::vector<Moment> run(const TabCase& tab, const std::function<void()>& duringRun = {})
    {
        auto* page = window->findChild<QWidget*>(tab.page);
        window->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(page);
        auto* stop = window->findChild<ColorBtn*>(tab.stop);
        auto* start = window->findChild<QPushButton*>(tab.start);
        auto* status = window->findChild<QLineEdit*>("Edit_File_Disp");
        std::vector<Moment> moments;
        BoxWatcher watcher([&](TMKBox& box, const QString& text) {
            moments.push_back({text, stop->isVisible(), start->isVisible(), QGuiApplication::overrideCursor() != nullptr,
                               status->palette().color(QPalette::Base) == QColor(Qt::red),
                               QDir::cleanPath(session->state().browser->currentFolder())});
            BoxWatcher::PressOk(box);
        });
        QMetaObject::Connection during;
        if (duringRun) during = QObject::connect(status, &QLineEdit::textChanged, status, duringRun);
        start->click();
        QObject::disconnect(during);
        return moments;
    }

    QString outFolder(const char* name) const { return QDir::cleanPath(qpath(std::string("out/") + name)); }

    std::unique_ptr<SettingsStore> previousStore;
    std::unique_ptr<VantroSession> session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(RunEndOrderTest, EveryBatchTabPutsItsScreenBackAndShowsTheOutputFolderBeforeItsSummary)
{
    const QString a = sound("a.wav"), b = sound("b.wav");
    const TabCase tabs[] = {{"TabSheet1", RegList::G, "Btn_HENKAN_ALL", "Btn_HEN_CANSEL", "MUON_DIR"},
                            {"TabSheet2", RegList::K, "Btn_KETUGO_ALL", "Btn_KETUGO_CANCEL", "WADD_DIR"},
                            {"TabSheet3", RegList::LR, "Btn_LR_ALL", "Btn_LR_CANSEL", "LR_DIR"},
                            {"TabSheet4", RegList::REV, "Btn_REV_ALL", "Btn_REV_CANCEL", "REV_DIR"}};
    for (const TabCase& tab : tabs) {
        SCOPED_TRACE(tab.start);
        fill(tab.list, {a, b});
        const std::vector<Moment> moments = run(tab);
        ASSERT_EQ(moments.size(), 1u) << "only the summary";
        const Moment& summary = moments.back();
        EXPECT_FALSE(summary.stopShown);
        EXPECT_TRUE(summary.startShown);
        EXPECT_FALSE(summary.hourglass);
        EXPECT_FALSE(summary.statusRed);
        EXPECT_EQ(summary.browserFolder, outFolder(tab.folder));
    }
}

TEST_F(RunEndOrderTest, AStoppedConversionShowsItsStopNoticeOverTheRunningScreenAndItsSummaryAfterIt)
{
    fill(RegList::G, {sound("a.wav"), sound("b.wav"), sound("c.wav")});
    auto* stop = window->findChild<ColorBtn*>("Btn_HEN_CANSEL");
    const std::vector<Moment> moments = run({"TabSheet1", RegList::G, "Btn_HENKAN_ALL", "Btn_HEN_CANSEL", "MUON_DIR"}, [&] {
        if (stop->isVisible()) stop->click();
    });
    ASSERT_EQ(moments.size(), 2u);
    EXPECT_EQ(moments[0].text, QString::fromStdString(ConvertTexts::Stopped));
    EXPECT_TRUE(moments[0].stopShown);
    EXPECT_TRUE(moments[0].hourglass);
    EXPECT_TRUE(moments[1].text.contains(QString::fromUtf8("1個変換しました")));
    EXPECT_FALSE(moments[1].stopShown);
    EXPECT_TRUE(moments[1].startShown);
    EXPECT_FALSE(moments[1].hourglass);
    EXPECT_EQ(moments[1].browserFolder, outFolder("MUON_DIR"));
}

}  // namespace
