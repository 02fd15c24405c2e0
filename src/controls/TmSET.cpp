#include "TmSET.h"

#include <QBoxLayout>
#include <QLabel>

#include "ColorBtn.h"
#include "SpinButton.h"
#include "TmSETTexts.h"

namespace {

constexpr int DesignWidth = 320;  // the form's width before a long message widens it
constexpr int MessageMargin = 10; // room kept right of the message
constexpr int ValueWidth = 110;
constexpr QSize ButtonSize(88, 28);

QLabel* CreateLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

ColorBtn* CreateButton(QWidget* parent, const char* name, const char* text)
{
    auto* button = new ColorBtn(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    button->setMinimumSize(ButtonSize);
    return button;
}

}  // namespace

TTMSETBox::TTMSETBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("TMSETBox");
    MKBoxDlg1.setObjectName("MKBoxDlg1");
    MKBoxDlg1.SourceHandle = this;
    createControls();
    layOut();
    setValue(TimeSetValue(0, 0), QString::fromUtf8(TmSETText::Seconds));
}

void TTMSETBox::createControls()
{
    LMsg0 = CreateLabel(this, "LMsg0");
    LMsg1 = CreateLabel(this, "LMsg1", QString::fromUtf8(TmSETText::TimerMessage));
    LMsg2 = CreateLabel(this, "LMsg2");
    Label2 = CreateLabel(this, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2->setMinimumWidth(ValueWidth);
    QFont big = Label2->font();
    big.setBold(true);
    if (big.pointSizeF() > 0) big.setPointSizeF(big.pointSizeF() * 1.4);
    Label2->setFont(big);

    SpinButton1 = createSpinButton("SpinButton1", TmSETText::Hint1, SpinSteps[0]);
    SpinButton2 = createSpinButton("SpinButton2", TmSETText::Hint10, SpinSteps[1]);
    SpinButton3 = createSpinButton("SpinButton3", TmSETText::Hint60, SpinSteps[2]);

    Button1 = CreateButton(this, "Button1", TmSETText::Set);
    Button1->setDefault(true);
    Button4 = CreateButton(this, "Button4", TmSETText::Cancel);
    connect(Button1, &QPushButton::clicked, this, &TTMSETBox::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TTMSETBox::Button4Click);
}

SpinButton* TTMSETBox::createSpinButton(const char* name, const char* hint, int step)
{
    auto* spin = new SpinButton(this);
    spin->setObjectName(name);
    spin->setToolTip(QString::fromUtf8(hint));
    connect(spin, &SpinButton::UpClick, this, [this, step] { stepBy(step); });
    connect(spin, &SpinButton::DownClick, this, [this, step] { stepBy(-step); });
    return spin;
}

void TTMSETBox::layOut()
{
    auto* value = new QHBoxLayout;
    value->addWidget(LMsg1);
    value->addStretch();
    value->addWidget(Label2);
    for (SpinButton* spin : {SpinButton1, SpinButton2, SpinButton3}) value->addWidget(spin);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button4);

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(MessageMargin, MessageMargin, MessageMargin, MessageMargin);
    form->addWidget(LMsg0);
    form->addLayout(value);
    form->addWidget(LMsg2);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(DesignWidth);
}

void TTMSETBox::setMessages(const QString& message, const QString& extra1, const QString& extra2)
{
    LMsg0->setText(message);
    LMsg0->setVisible(!message.isEmpty());
    LMsg1->setText(extra1);
    LMsg2->setText(extra2);
    LMsg2->setVisible(!extra2.isEmpty());
    adjustSize();
}

void TTMSETBox::setValue(const TimeSetValue& value, const QString& unit)
{
    value_ = value;
    unit_ = unit;
    refreshValueLabel();
}

void TTMSETBox::stepBy(int amount)
{
    value_.step(amount);
    refreshValueLabel();
}

void TTMSETBox::refreshValueLabel()
{
    Label2->setText(ValueText(value_.value(), unit_));
}

void TTMSETBox::Button1Click()
{
    if (value_.raiseToMinimum()) refreshValueLabel();
    const QString question = ConfirmationText(target_, value_.value(), unit_);
    // A count-down that runs out answers No, so the value is never set unasked.
    if (MKAsk(MKBoxDlg1, question, MKAnswer::No) == MKAnswer::Yes) done(MKAnswer::OK);
}

void TTMSETBox::Button4Click()
{
    done(MKAnswer::Abort);
}

void TTMSETBox::reject()
{
    Button4Click();
}
