// Every stop button of the batch tabs and of the registration takes a click
// as a person gives it: delivered to the main window at the button's place,
// so that it reaches whichever control lies on top there.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QMouseEvent>
#include <QWindow>

#include "ColorBtn.h"
#include "ConvertTexts.h"
#include "RegistrationList.h"
#include "SessionTestSupport.h"
#include "TabSheet5.h"
#include "TabSheet6.h"
#include "TextListBox.h"

namespace {

class StopButtonsTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeFoldersAndSounds();
        for (const char* name : {"a.wav", "b.wav", "c.wav"}) sources << sound(name, 300);
        window = StartWindow(session);
        ASSERT_TRUE(window);
    }

    void showPage(const char* page)
    {
        window->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(window->findChild<QWidget*>(page));
    }

    // A left press and release on the main window at the middle of `button`:
    // the window hands them to whatever control lies on top there.
    void clickAt(QWidget* button)
    {
        const QPointF at = button->mapTo(window.get(), button->rect().center());
        const QPointF global = window->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window->windowHandle(), &press);
        QCoreApplication::sendEvent(window->windowHandle(), &release);
    }

    // Clicks `stop` once, the first time `signal` of `sender` fires while it is shown.
    template <class Sender, class Signal>
    void stopOnFirst(Sender* sender, Signal signal, QWidget* stop)
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(sender, signal, stop, [this, stop, connection] {
            if (!stop->isVisible()) return;
            QObject::disconnect(*connection);
            clickAt(stop);
        });
    }

    int shown(const std::string& text) const
    {
        return static_cast<int>(std::count_if(boxes.calls().begin(), boxes.calls().end(),
                                              [&](const MKCall& call) { return call.text == QString::fromStdString(text); }));
    }

    QStringList sources;
    VantroSession session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(StopButtonsTest, EachBatchRunStopsAtAClickOnItsStopButton)
{
    struct Run {
        const char* page;
        const char* start;
        const char* stop;
        std::function<void()> fill;
    };
    auto fillList = [this](RegList id) {
        return [this, id] {
            ListEntries entries;
            for (const QString& file : sources) entries.append({FileRow{QFileInfo(file).fileName(), file, {}, {}, {}}, true});
            session.state().lists->list(id)->setEntries(entries);
        };
    };
    const QString out = qpath("out/KL_DIR/");
    const Run runs[] = {
        {"TabSheet1", "Btn_HENKAN_ALL", "Btn_HEN_CANSEL", fillList(RegList::G)},
        {"TabSheet2", "Btn_KETUGO_ALL", "Btn_KETUGO_CANCEL", fillList(RegList::K)},
        {"TabSheet3", "Btn_LR_ALL", "Btn_LR_CANSEL", fillList(RegList::LR)},
        {"TabSheet4", "Btn_REV_ALL", "Btn_REV_CANCEL", fillList(RegList::REV)},
        {"TabSheet4", "ColorBtn7", "Btn_REV_CANCEL", fillList(RegList::REV)},
        {"TabSheet5", "Btn_KL", "Btn_KL_CANCEL",
         [&] {
             session.state().listJoinTab->ListBox_KL->setLines(
                 {sources[0], ">" + out + "x.wav", sources[1], ">" + out + "y.wav", sources[2], ">" + out + "z.wav"});
         }},
        {"TabSheet6", "Btn_IR", "Btn_IR_CANCEL",
         [&] {
             session.state().renameTab->ListBox_IR->setLines(
                 {sources[0], ">x.wav", sources[1], ">y.wav", sources[2], ">z.wav"});
         }},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.start);
        showPage(run.page);
        run.fill();
        const int before = shown(ConvertTexts::Stopped);
        stopOnFirst(window->findChild<QLineEdit*>("Edit_File_Disp"), &QLineEdit::textChanged,
                    window->findChild<ColorBtn*>(run.stop));
        window->findChild<QPushButton*>(run.start)->click();
        EXPECT_EQ(shown(ConvertTexts::Stopped), before + 1);
    }
}

TEST_F(StopButtonsTest, ARegistrationStopsAtAClickOnItsStopButton)
{
    showPage("TabSheet1");
    RegistrationList* list = session.state().lists->list(RegList::G);
    stopOnFirst(list->model(), &QAbstractItemModel::rowsInserted, window->findChild<ColorBtn*>("Btn_CANSEL_G"));
    window->findChild<QPushButton*>("Btn_TOROKU_ALL_G")->click();
    EXPECT_EQ(list->entries().size(), 1);
    EXPECT_EQ(shown(ConvertTexts::Stopped), 1);
}

}  // namespace
