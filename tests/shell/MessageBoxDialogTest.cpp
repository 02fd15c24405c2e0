// The message box's dialog window, shown for real (offscreen).
#include <QClipboard>
#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>

#include "MessageBoxTestSupport.h"
#include "WorkArea.h"

#include <cstdlib>

namespace {

QString LabelText(QWidget& open, const char* name)
{
    auto* label = Find<QLabel>(open, name);
    return label ? label->text() : QString();
}

bool Shown(QWidget& open, const char* name)
{
    auto* control = Find<QWidget>(open, name);
    return control && control->isVisible();
}

}  // namespace

TEST_F(MessageBoxTest, CountDownAnswersTheCallersDefault)
{
    whenOpen([](TMKBox& open) {
        EXPECT_EQ(LabelText(open, "Label_TM"), QString::fromUtf8("1秒"));
        EXPECT_EQ(LabelText(open, "TMCountS"), "1");
        EXPECT_TRUE(Shown(open, "Btn_TM_STOP"));
        EXPECT_TRUE(Shown(open, "Label_TM"));
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(MKAsk(box, "q", MKAnswer::No), MKAnswer::No);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 3000);

    // The seconds given to a *Sec call count, not TimerCount / ERTimerCount.
    box.ERTimerCount = 100;
    EXPECT_EQ(MKErrorSec(box, 1, "e", MKAnswer::Abort), MKAnswer::Abort);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(MessageBoxTest, PauseHoldsTheCountAndResumeGoesOnFromIt)
{
    box.TimerCount = 3;
    QStringList ticks;  // Label_TM after each tick
    QString atPause;
    whenOpen([&ticks](TMKBox& open) {
        auto* label = Find<QLabel>(open, "Label_TM");
        QObject::connect(Find<QTimer>(open, "Timer1"), &QTimer::timeout, label,
                         [&ticks, label] { ticks << label->text(); });
    });
    whenOpen(1300, [&atPause](TMKBox& open) {
        Click(open, "Btn_TM_STOP");
        EXPECT_FALSE(Shown(open, "Btn_TM_STOP"));
        EXPECT_TRUE(Shown(open, "Btn_TM_OPEN"));
        atPause = LabelText(open, "Label_TM");
    });
    whenOpen(2800, [&atPause](TMKBox& open) {
        EXPECT_EQ(LabelText(open, "Label_TM"), atPause) << "no tick while paused";
        Click(open, "Btn_TM_OPEN");
        EXPECT_TRUE(Shown(open, "Btn_TM_STOP"));
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(MKAsk(box, "q", MKAnswer::No), MKAnswer::No);
    EXPECT_EQ(ticks, QStringList({"2秒", "1秒", "0秒"}));
    EXPECT_GE(clock.elapsed(), 4300) << "the pause held the count";
}

TEST_F(MessageBoxTest, WithoutCountDownTheBoxWaitsForTheUser)
{
    box.Timer = false;
    whenOpen([](TMKBox& open) {
        EXPECT_FALSE(Shown(open, "Btn_TM_STOP"));
        EXPECT_FALSE(Shown(open, "Btn_TM_OPEN"));
        EXPECT_FALSE(Shown(open, "Label_TM"));
        EXPECT_FALSE(Shown(open, "Label_Select"));
    });
    clickWhenOpen("Btn_OK", 1500);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(MKInfoTM(box, "n", MKAnswer::Yes), MKAnswer::OK);
    EXPECT_GE(clock.elapsed(), 1400);
}

TEST_F(MessageBoxTest, ButtonsGiveTheirAnswers)
{
    box.TimerCount = box.ERTimerCount = 100;
    clickWhenOpen("Btn_OK");
    EXPECT_EQ(MKInfo(box, "i"), MKAnswer::OK);
    clickWhenOpen("Btn_Yes");
    EXPECT_EQ(MKAsk(box, "q", MKAnswer::No), MKAnswer::Yes);
    clickWhenOpen("Btn_No");
    EXPECT_EQ(MKAsk(box, "q", MKAnswer::Yes), MKAnswer::No);
    clickWhenOpen("Btn_Abort");
    EXPECT_EQ(MKError(box, "e", MKAnswer::OK), MKAnswer::Abort);

    // Escape answers like the Cancel button: No, else Abort, else OK.
    whenOpen([](TMKBox& open) { open.reject(); });
    EXPECT_EQ(MKErrorAsk(box, "e", MKAnswer::Yes), MKAnswer::No);
    whenOpen([](TMKBox& open) { open.reject(); });
    EXPECT_EQ(MKErrorSec(box, 100, "e", MKAnswer::OK), MKAnswer::Abort);
    whenOpen([](TMKBox& open) { open.reject(); });
    EXPECT_EQ(MKInfoTM(box, "i", MKAnswer::Yes), MKAnswer::OK);
}

TEST_F(MessageBoxTest, AbortIsOfferedByCountingErrorsOnly)
{
    box.TimerCount = box.ERTimerCount = 100;
    const auto abortShown = [this](std::function<int()> call) {
        bool shown = false;
        whenOpen([&shown](TMKBox& open) {
            shown = Shown(open, "Btn_Abort");
            open.reject();
        });
        call();
        return shown;
    };
    EXPECT_TRUE(abortShown([this] { return MKError(box, "e", 1); }));
    EXPECT_TRUE(abortShown([this] { return MKErrorAsk(box, "e", 6); }));
    EXPECT_FALSE(abortShown([this] { return MKInfoTM(box, "i", 1); }));
    EXPECT_FALSE(abortShown([this] { return MKAsk(box, "q", 7); }));
    box.ERTimer = false;
    EXPECT_FALSE(abortShown([this] { return MKError(box, "e", 1); }));
    EXPECT_FALSE(abortShown([this] { return MKErrorSec(box, 5, "e", 1); }));
}

TEST_F(MessageBoxTest, SelectMarkSitsAtTheButtonTheTimeOutChooses)
{
    box.TimerCount = box.ERTimerCount = 100;
    const auto markedButton = [this](std::function<int()> call) {
        QString marked;
        whenOpen([&marked](TMKBox& open) {
            auto* mark = Find<QLabel>(open, "Label_Select");
            if (mark->isVisible()) {
                for (const char* name : {"Btn_OK", "Btn_Yes", "Btn_No", "Btn_Abort"}) {
                    auto* button = Find<QPushButton>(open, name);
                    const QRect at = button->geometry();
                    if (button->isVisible() && mark->x() == at.x() && mark->width() == at.width()
                        && mark->y() > at.bottom() && mark->y() < at.bottom() + 10)
                        marked = name;
                }
            }
            open.done(0);
        });
        call();
        return marked;
    };
    EXPECT_EQ(markedButton([this] { return MKInfoTM(box, "i", 1); }), "Btn_OK");
    EXPECT_EQ(markedButton([this] { return MKAsk(box, "q", 6); }), "Btn_Yes");
    EXPECT_EQ(markedButton([this] { return MKAsk(box, "q", 7); }), "Btn_No");
    EXPECT_EQ(markedButton([this] { return MKError(box, "e", 3); }), "Btn_Abort");
    EXPECT_EQ(markedButton([this] { return MKErrorAsk(box, "e", 3); }), "Btn_Abort");
    box.ERTimer = false;  // no time-out, nothing to mark
    EXPECT_EQ(markedButton([this] { return MKError(box, "e", 3); }), "");
}

TEST_F(MessageBoxTest, TenBoxesNestAndTheEleventhReturnsZeroAtOnce)
{
    box.Timer = false;
    int eleventh = -1;
    bool allBusy = false;
    QList<TMKBox*> windows;
    std::function<void()> openNext = [&] {
        int busy = 0;
        for (int slot = 0; slot < MKSlotCount; ++slot) busy += box.busy(slot) ? 1 : 0;
        if (busy < MKSlotCount) {
            QTimer::singleShot(0, openNext);
            EXPECT_EQ(MKInfo(box, QString::number(busy + 1)), MKAnswer::OK);
        } else {
            allBusy = box.B0 && box.B9;
            for (const MKSlot& slot : box.CallSlots) windows << slot.window;
            eleventh = MKInfo(box, "11");
        }
        QTimer::singleShot(0, [] { if (TMKBox* top = OpenBox()) Click(*top, "Btn_OK"); });
    };
    QTimer::singleShot(0, openNext);
    EXPECT_EQ(MKInfo(box, "1"), MKAnswer::OK);

    EXPECT_EQ(eleventh, MKAnswer::NotShown);
    EXPECT_TRUE(allBusy);
    ASSERT_EQ(windows.size(), MKSlotCount);
    EXPECT_FALSE(windows.contains(nullptr));
    EXPECT_EQ(QSet<TMKBox*>(windows.begin(), windows.end()).size(), MKSlotCount);
    for (int slot = 0; slot < MKSlotCount; ++slot) EXPECT_FALSE(box.busy(slot)) << slot;
}

TEST_F(MessageBoxTest, FullSlotsShowNothing)
{
    for (int slot = 0; slot < MKSlotCount; ++slot) box.busy(slot) = true;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(MKAsk(box, "q", MKAnswer::Yes), MKAnswer::NotShown);
    EXPECT_EQ(MKInfo(box, "i"), MKAnswer::NotShown);
    EXPECT_LT(clock.elapsed(), 500);
    box.B4 = false;  // a freed slot is used again
    clickWhenOpen("Btn_OK");
    EXPECT_EQ(MKInfo(box, "i"), MKAnswer::OK);
    EXPECT_FALSE(box.B4);
    EXPECT_TRUE(box.B5);
}

TEST_F(MessageBoxTest, LinesShowSeparatelyAndCopyWithCrLf)
{
    box.Timer = false;
    const QString text = QString::fromUtf8("一行目\n二行目は少し長い行です\n三行目");
    whenOpen([](TMKBox& open) {
        auto* memo = Find<QPlainTextEdit>(open, "MemoMsg");
        ASSERT_EQ(memo->document()->blockCount(), 3);
        EXPECT_EQ(memo->document()->findBlockByNumber(1).text(), QString::fromUtf8("二行目は少し長い行です"));
        for (QScrollBar* bar : {memo->verticalScrollBar(), memo->horizontalScrollBar()}) {
            EXPECT_EQ(bar->maximum(), 0) << "the whole text fits";
            EXPECT_FALSE(bar->isVisible());
        }
        QGuiApplication::clipboard()->clear();
        Find<QAction>(open, "P_COPY")->trigger();
        Click(open, "Btn_OK");
    });
    MKInfo(box, text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("一行目\r\n二行目は少し長い行です\r\n三行目"));
}

TEST_F(MessageBoxTest, TextAreaGrowsWithLinesAndLineLength)
{
    box.Timer = false;
    const auto memoSize = [this](const QString& text) {
        QSize size;
        whenOpen([&size](TMKBox& open) {
            size = Find<QPlainTextEdit>(open, "MemoMsg")->size();
            Click(open, "Btn_OK");
        });
        MKInfo(box, text);
        return size;
    };
    const QSize one = memoSize("short");
    const QSize five = memoSize("short\n2\n3\n4\n5");
    const QSize wide = memoSize(QString(120, QLatin1Char('W')));
    EXPECT_GT(five.height(), one.height() + 3 * QFontMetrics(QApplication::font()).height());
    EXPECT_GT(wide.width(), one.width() + 500);
}

TEST_F(MessageBoxTest, BoxIsCentredOverItsSourceAndHeldInsideTheWorkArea)
{
    box.Timer = false;
    GetWorkArea();
    const QRect area(WorkArea.left, WorkArea.top, WorkArea.width, WorkArea.height);
    QWidget source;
    box.SourceHandle = &source;
    bool scrolls = false;
    const auto boxFrame = [this, &scrolls](const QString& text) {
        QRect frame;
        whenOpen([&frame, &scrolls](TMKBox& open) {
            frame = open.frameGeometry();
            scrolls = Find<QPlainTextEdit>(open, "MemoMsg")->verticalScrollBar()->maximum() > 0;
            Click(open, "Btn_OK");
        });
        MKInfo(box, text);
        return frame;
    };

    source.setGeometry(area.left() + 100, area.top() + 80, 500, 400);
    source.show();
    const QRect centred = boxFrame("centred");
    EXPECT_LE(std::abs(centred.center().x() - source.frameGeometry().center().x()), 1);
    EXPECT_LE(std::abs(centred.center().y() - source.frameGeometry().center().y()), 1);

    source.move(area.right() - 50, area.bottom() - 30);
    EXPECT_TRUE(area.contains(boxFrame("at the corner")));

    QStringList many;
    for (int i = 0; i < 300; ++i) many << QString::number(i) + QString(200, QLatin1Char('x'));
    EXPECT_TRUE(area.contains(boxFrame(many.join('\n'))));
    EXPECT_TRUE(scrolls) << "a text too long for the desktop scrolls instead";
}

TEST_F(MessageBoxTest, ColoursComeFromTheMainWindow)
{
    box.TimerCount = 100;
    QMainWindow main;
    main.show();
    const auto colours = [this, &main](QColor window) {
        QPalette palette = main.palette();
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, Qt::white);
        main.setPalette(palette);
        QPair<QColor, QColor> seen;
        whenOpen(300, [&seen](TMKBox& open) {
            EXPECT_EQ(Find<QPlainTextEdit>(open, "MemoMsg")->palette().color(QPalette::Base),
                      open.palette().color(QPalette::Window));
            EXPECT_EQ(open.palette().color(QPalette::WindowText), QColor(Qt::white));
            seen = {open.palette().color(QPalette::Window),
                    Find<QLabel>(open, "Label_Select")->palette().color(QPalette::Window)};
            open.reject();
        });
        MKAsk(box, "q", 7);
        return seen;
    };
    const auto red = colours(QColor(255, 0, 0));
    EXPECT_EQ(red.first, QColor(255, 0, 0));
    EXPECT_EQ(red.second, QColor(Qt::blue));
    const auto green = colours(QColor(0, 128, 0));
    EXPECT_EQ(green.first, QColor(0, 128, 0));
    EXPECT_EQ(green.second, QColor(Qt::red));
}

TEST_F(MessageBoxTest, CaptionIsTheTitleOrTheApplicationTitle)
{
    box.Timer = false;
    QString caption;
    whenOpen([&caption](TMKBox& open) { caption = open.windowTitle(); open.reject(); });
    MKInfo(box, "i");
    EXPECT_EQ(caption, QGuiApplication::applicationDisplayName());
    box.Title = QString::fromUtf8("題名");
    whenOpen([&caption](TMKBox& open) { caption = open.windowTitle(); open.reject(); });
    MKInfo(box, "i");
    EXPECT_EQ(caption, QString::fromUtf8("題名"));
}
