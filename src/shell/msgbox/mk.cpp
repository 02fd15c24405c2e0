#include "mk.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QtMath>
#include <QTimer>

#include <algorithm>

#include "AppMainWindow.h"
#include "MKLayout.h"
#include "MKPlacement.h"
#include "MKRequest.h"
#include "MKTextLines.h"
#include "MKTexts.h"
#include "WorkArea.h"

namespace {

constexpr int IconSize = 32;
constexpr QSize LeastButton(75, 25);
constexpr QSize FrameAllowance(16, 40);  // window frame and title bar around the client area
const QColor PureRed(255, 0, 0);

QString SecondsText(int seconds)
{
    return QString::number(seconds) + QString::fromUtf8(MKText::Seconds);
}

// Clears the re-entry flag of a tick however the tick ends.
struct TickGuard {
    explicit TickGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickGuard() { flag_ = false; }
    bool& flag_;
};

Qt::ScrollBarPolicy ScrollBarPolicy(bool cutShort)
{
    return cutShort ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

QLabel* CreateIcon(QWidget* parent, const char* name, QStyle::StandardPixmap which)
{
    auto* icon = new QLabel(parent);
    icon->setObjectName(name);
    icon->setPixmap(parent->style()->standardIcon(which).pixmap(IconSize, IconSize));
    icon->hide();
    return icon;
}

}  // namespace

TMKBox::TMKBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("MKBox");
    createControls();
}

void TMKBox::createControls()
{
    Msg = new QLabel(this);
    Msg->setObjectName("Msg");
    Msg->hide();
    Image_Box = new QLabel(this);
    Image_Box->setObjectName("Image_Box");
    Image_MK = CreateIcon(this, "Image_MK", QStyle::SP_MessageBoxInformation);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMKBox::Timer1Timer);

    Label_TM = new QLabel(this);
    Label_TM->setObjectName("Label_TM");
    Label_TM->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    MemoMsg = new QPlainTextEdit(this);
    MemoMsg->setObjectName("MemoMsg");
    MemoMsg->setReadOnly(true);
    MemoMsg->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoMsg->setToolTip(QString::fromUtf8(MKText::CopyHint));
    MemoMsg->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MemoMsg, &QWidget::customContextMenuRequested, this, &TMKBox::MemoMsgPopup);

    TMCountS = new QLabel(this);
    TMCountS->setObjectName("TMCountS");
    TMCountS->hide();

    Timer_Paint = new QTimer(this);
    Timer_Paint->setObjectName("Timer_Paint");
    Timer_Paint->setInterval(200);
    connect(Timer_Paint, &QTimer::timeout, this, &TMKBox::Timer_PaintTimer);

    Btn_OK = createButton("Btn_OK", MKText::OK);
    connect(Btn_OK, &QPushButton::clicked, this, &TMKBox::Btn_OKClick);
    Btn_TM_STOP = createButton("Btn_TM_STOP", MKText::Pause);
    connect(Btn_TM_STOP, &QPushButton::clicked, this, &TMKBox::Btn_TM_STOPClick);
    Btn_TM_OPEN = createButton("Btn_TM_OPEN", MKText::Resume);
    connect(Btn_TM_OPEN, &QPushButton::clicked, this, &TMKBox::Btn_TM_OPENClick);
    Btn_TM_STOP->raise();  // the resume button lies under it

    Image_YN = CreateIcon(this, "Image_YN", QStyle::SP_MessageBoxQuestion);

    Btn_Yes = createButton("Btn_Yes", MKText::Yes);
    connect(Btn_Yes, &QPushButton::clicked, this, &TMKBox::Btn_YesClick);
    Btn_No = createButton("Btn_No", MKText::No);
    connect(Btn_No, &QPushButton::clicked, this, &TMKBox::Btn_NoClick);
    Btn_Abort = createButton("Btn_Abort", MKText::Abort);
    connect(Btn_Abort, &QPushButton::clicked, this, &TMKBox::Btn_AbortClick);
    answerButtons_ = {{Btn_OK, MKAnswer::OK}, {Btn_Yes, MKAnswer::Yes},
                      {Btn_No, MKAnswer::No}, {Btn_Abort, MKAnswer::Abort}};

    Label_Select = new QLabel(this);
    Label_Select->setObjectName("Label_Select");
    Label_Select->setAutoFillBackground(true);
    Label_Select->setToolTip(QString::fromUtf8(MKText::SelectHint));

    createPopupMenu();
}

QPushButton* TMKBox::createButton(const char* name, const char* text)
{
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void TMKBox::createPopupMenu()
{
    PopupMenu_MK = new QMenu(this);
    PopupMenu_MK->setObjectName("PopupMenu_MK");
    P_COPY = PopupMenu_MK->addAction(QString::fromUtf8(MKText::Copy));
    P_COPY->setObjectName("P_COPY");
    connect(P_COPY, &QAction::triggered, this, &TMKBox::P_COPYClick);
    PopupMenu_MK->addSeparator();
    PopupMenu_MK->addAction(QString::fromUtf8(MKText::Cancel));  // only closes the menu
}

void TMKBox::setUp(const MKRequest& request, const QString& title)
{
    setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    icon_ = request.question ? Image_YN : Image_MK;
    iconBackground_ = QColor();

    Msg->setText(request.text);
    const QString seconds = QString::number(request.seconds);
    Label_TM->setText(SecondsText(request.seconds));
    TMCountS->setText(seconds);
    MemoMsg->setPlainText(WithCrLf(request.text));

    countDown_ = request.countDown;
    countStarted_ = false;
    showButtons(request);
    layOut(request.countDown);
    markDefault(request);
}

void TMKBox::showButtons(const MKRequest& request)
{
    Btn_OK->setVisible(!request.question);
    Btn_Yes->setVisible(request.question);
    Btn_No->setVisible(request.question);
    Btn_Abort->setVisible(request.abortShown());
    Btn_TM_STOP->setVisible(request.countDown);
    Btn_TM_OPEN->setVisible(request.countDown);
    Label_TM->setVisible(request.countDown);

    QPushButton* preferred = request.question ? Btn_Yes : Btn_OK;
    preferred->setDefault(true);
    preferred->setFocus();
}

QList<QPushButton*> TMKBox::shownAnswerButtons() const
{
    QList<QPushButton*> shown;
    for (const auto& [button, answer] : answerButtons_) {
        if (!button->isHidden()) shown << button;
    }
    return shown;
}

QSize TMKBox::textAreaSize() const
{
    const QFontMetrics metrics(MemoMsg->font());
    const QStringList lines = MKTextLines(Msg->text());
    int longest = 0;
    for (const QString& line : lines) longest = std::max(longest, metrics.horizontalAdvance(line));
    const int border = 2 * (MemoMsg->frameWidth() + qCeil(MemoMsg->document()->documentMargin()));
    const int slack = 6;  // keeps the scroll bars away when the text fits
    return {longest + border + slack,
            static_cast<int>(lines.size()) * metrics.lineSpacing() + border + slack};
}

void TMKBox::layOut(bool countDown)
{
    QSize button = LeastButton;
    for (QPushButton* each : {Btn_OK, Btn_TM_STOP, Btn_TM_OPEN, Btn_Yes, Btn_No, Btn_Abort})
        button = button.expandedTo(each->sizeHint());

    GetWorkArea();
    MKLayoutInput input;
    input.textArea = textAreaSize();
    input.button = button;
    input.countLabel = QSize(Label_TM->fontMetrics().horizontalAdvance(SecondsText(88)),
                             Label_TM->sizeHint().height())
                           .expandedTo(Label_TM->sizeHint());
    input.answerButtons = static_cast<int>(shownAnswerButtons().size());
    input.countDown = countDown;
    input.maxClient = QSize(WorkArea.width, WorkArea.height) - FrameAllowance;

    const MKLayout layout = LayOutBox(input);
    Image_Box->setGeometry(layout.icon);
    MemoMsg->setGeometry(layout.textArea);
    // Scroll bars only where the work area cut the text area short.
    MemoMsg->setHorizontalScrollBarPolicy(ScrollBarPolicy(layout.textArea.width() < input.textArea.width()));
    MemoMsg->setVerticalScrollBarPolicy(ScrollBarPolicy(layout.textArea.height() < input.textArea.height()));
    Label_TM->setGeometry(layout.countLabel);
    Btn_TM_STOP->setGeometry(layout.pauseButton);
    Btn_TM_OPEN->setGeometry(layout.pauseButton);
    const QList<QPushButton*> answers = shownAnswerButtons();
    for (qsizetype i = 0; i < answers.size(); ++i) answers[i]->setGeometry(layout.answers[i]);
    setFixedSize(layout.client);
}

void TMKBox::markDefault(const MKRequest& request)
{
    QPushButton* chosen = nullptr;
    if (request.countDown) {
        for (const auto& [button, answer] : answerButtons_) {
            if (answer == request.defaultAnswer && !button->isHidden()) chosen = button;
        }
    }
    Label_Select->setVisible(chosen != nullptr);
    if (chosen) Label_Select->setGeometry(SelectMarkAt(chosen->geometry()));
}

void TMKBox::placeOver(QWidget* owner)
{
    GetWorkArea();
    const QRect area(WorkArea.left, WorkArea.top, WorkArea.width, WorkArea.height);
    const QRect over = owner ? owner->window()->frameGeometry() : area;
    winId();  // a native window knows its frame where the platform tells it before showing
    QSize outer = frameSize();
    if (outer == size()) outer += FrameAllowance;  // frame not known yet: allow for a usual one
    move(HeldInside(CentredOver(over, outer), outer, WorkArea));
}

int TMKBox::run()
{
    if (countDown_) Timer1->start();
    return exec();
}

void TMKBox::reject()
{
    for (QPushButton* cancel : {Btn_No, Btn_Abort}) {
        if (!cancel->isHidden()) {
            cancel->click();
            return;
        }
    }
    Btn_OK->click();
}

void TMKBox::Timer1Timer()
{
    if (ticking_) return;
    TickGuard guard(ticking_);
    if (!countStarted_) {
        remaining_ = TMCountS->text().toInt();
        countStarted_ = true;
    }
    --remaining_;
    Label_TM->setText(SecondsText(remaining_));
    if (remaining_ < 1) {
        Timer1->stop();
        done(MKAnswer::TimeOut);
    }
}

void TMKBox::Btn_OKClick() { done(MKAnswer::OK); }
void TMKBox::Btn_YesClick() { done(MKAnswer::Yes); }
void TMKBox::Btn_NoClick() { done(MKAnswer::No); }
void TMKBox::Btn_AbortClick() { done(MKAnswer::Abort); }

void TMKBox::Btn_TM_STOPClick()
{
    Btn_TM_STOP->hide();
    Timer1->stop();
    Btn_TM_OPEN->setFocus();
}

void TMKBox::Btn_TM_OPENClick()
{
    Btn_TM_STOP->show();
    Timer1->start();
    Btn_TM_STOP->setFocus();
}

void TMKBox::MemoMsgPopup(const QPoint& at)
{
    PopupMenu_MK->popup(MemoMsg->mapToGlobal(at));
}

void TMKBox::P_COPYClick()
{
    MemoMsg->selectAll();
    QGuiApplication::clipboard()->setText(WithCrLf(Msg->text()));
}

void TMKBox::paintEvent(QPaintEvent* event)
{
    takeMainWindowColours();
    Timer_Paint->start();
    QDialog::paintEvent(event);
}

void TMKBox::showEvent(QShowEvent* event)
{
    takeMainWindowColours();
    drawIcon();
    QDialog::showEvent(event);
}

void TMKBox::Timer_PaintTimer()
{
    Timer_Paint->stop();
    drawIcon();
}

void TMKBox::takeMainWindowColours()
{
    QPalette colours = palette();
    if (QWidget* main = AppMainWindow(); main && main != this) {
        colours.setColor(QPalette::Window, main->palette().color(QPalette::Window));
        colours.setColor(QPalette::WindowText, main->palette().color(QPalette::WindowText));
    }
    const QColor window = colours.color(QPalette::Window);
    colours.setColor(QPalette::Base, window);
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    if (colours != palette()) setPalette(colours);

    QPalette mark = Label_Select->palette();
    mark.setColor(QPalette::Window, window.rgb() == PureRed.rgb() ? Qt::blue : Qt::red);
    if (mark != Label_Select->palette()) Label_Select->setPalette(mark);
}

void TMKBox::drawIcon()
{
    const QColor background = palette().color(QPalette::Window);
    if (!icon_ || background == iconBackground_) return;
    iconBackground_ = background;
    QPixmap canvas(Image_Box->size());
    canvas.fill(background);
    QPainter painter(&canvas);
    painter.drawPixmap(0, 0, icon_->pixmap());
    painter.end();
    Image_Box->setPixmap(canvas);
}
