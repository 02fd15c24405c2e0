// Cut times at the pauses, asked for as a person asks: through a real X
// server the person right-clicks the registered times, chooses
// "無音位置をタイム登録" in the cut menu, presses the pause box's "登録" and
// answers the message, all with the mouse.
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "BoxWatcher.h"
#include "CutFace.h"
#include "CutMenu.h"
#include "PauseBox.h"
#include "Person.h"
#include "ProgramOnX.h"
#include "TestWav.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"
#include "XServer.h"

namespace {

// A point the window shows, handed from the program's thread to the person's.
class SharedPoint {
public:
    void set(const QPoint& point)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        point_ = point;
    }
    std::optional<QPoint> get() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return point_;
    }

private:
    mutable std::mutex mutex_;
    std::optional<QPoint> point_;
};

bool Exposed(const QWidget* widget) { return widget->windowHandle() && widget->windowHandle()->isExposed(); }

class PauseBoxTest : public ProgramOnX {
protected:
    void SetUp() override
    {
        ProgramOnX::SetUp();
        store->preset("FUN", "0");  // times in plain milliseconds
        startProgram();
    }

    // 5.5 s of mono 8-bit sound at 1 kHz: 2 s of noise, a pause of 1.5 s, 2 s of noise.
    QString speech()
    {
        Bytes data = NoiseBytes(2000, 1);
        data.resize(3500, 128);
        const Bytes after = NoiseBytes(2000, 2);
        data.insert(data.end(), after.begin(), after.end());
        for (size_t i = 0; i < data.size(); ++i)
            if ((i < 2000 || i >= 3500) && data[i] >= 126 && data[i] <= 130) data[i] = 200;
        return monoSound("talk.wav", 1000, data);
    }
};

TEST_F(PauseBoxTest, APersonRegistersTheTimeOfAPauseWithTheMouse)
{
    session->openFiles(*window, {speech()});
    TTimeListBox& registered = *window->Panel_CUT->Panel_S->ListBox_C;
    QMenu& menu = *session->state().cutMenu->PopupMenu1;
    QAction* item = session->state().cutMenu->P_MUON_TOROKU;
    const QPoint list = Middle(registered.viewport());

    // Where the menu item, the box's button and the message's OK are, once shown.
    SharedPoint menuItem, scanButton, okButton;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
        if (menu.isVisible() && Exposed(&menu))
            menuItem.set(menu.mapToGlobal(menu.actionGeometry(item).center()));
        if (auto* box = qobject_cast<TPauseBox*>(QApplication::activeModalWidget()); box && Exposed(box))
            scanButton.set(Middle(box->Button_Scan));
    });
    watch.start(10);
    BoxWatcher boxes([&](TMKBox& box, const QString&) {
        auto* poll = new QTimer(&box);
        QObject::connect(poll, &QTimer::timeout, &box, [&box, &okButton, poll] {
            if (!Exposed(&box)) return;
            poll->stop();
            okButton.set(Middle(box.findChild<QPushButton*>("Btn_OK")));
        });
        poll->start(10);
    });

    std::string failure;
    std::atomic<bool> personDone = false;
    std::thread person([&] {
        auto clickWhenShown = [&](const SharedPoint& point, const char* what) {
            if (!failure.empty()) return;
            if (!WaitFor([&] { return point.get().has_value(); })) failure = std::string(what) + " never showed";
            else if (!XClick(point.get()->x(), point.get()->y())) failure = std::string("xdotool could not click ") + what;
        };
        if (!XDo("mousemove --sync " + std::to_string(list.x()) + " " + std::to_string(list.y()) + " click 3"))
            failure = "xdotool could not right-click";
        clickWhenShown(menuItem, "the menu item");
        clickWhenShown(scanButton, "the pause box");
        clickWhenShown(okButton, "the message");
        personDone = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!personDone && clock.elapsed() < 90000) QTest::qWait(20);
    person.join();
    ASSERT_EQ(failure, "");

    // 0.2 s before the sound resumes at 3.5 s.
    ASSERT_EQ(registered.count(), 1);
    EXPECT_EQ(registered.entry(0), "3300");
    EXPECT_EQ(boxes.texts(), QStringList({QString::fromUtf8("無音位置 1 か所、タイム 1 件を登録しました☆☆☆")}));
}

}  // namespace
