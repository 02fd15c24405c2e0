#include "TimeListsPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ColorBtn.h"
#include "CutFaceTexts.h"
#include "TimeListBox.h"

namespace {

using namespace CutFaceTexts;

template <typename Button>
Button* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* button = new Button(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

ColorBtn* RegisterButton(QWidget* parent, const char* name)
{
    return MakeButton<ColorBtn>(parent, name, Register, RegisterSelectedHint);
}

// A column: what stands above the list, the list, and the buttons below it.
QWidget* Column(QWidget* top, TTimeListBox* list, std::initializer_list<QWidget*> below)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(1, 0, 1, 0);
    layout->setSpacing(2);
    if (top)
        layout->addWidget(top);
    else
        layout->addSpacing(QComboBox().sizeHint().height());
    layout->addWidget(list, 1);
    for (QWidget* button : below) layout->addWidget(button);
    return column;
}

// A row of widgets side by side, for the top of a column.
QWidget* Row(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    return row;
}

}  // namespace

TTimeListsPanel::TTimeListsPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_S"));
    setFrameShape(QFrame::StyledPanel);
    ListBox_C = new TTimeListBox(ListKind::C, "ListBox_C", RegisteredHint, this);
    ListBox_ALL = new TTimeListBox(ListKind::ALL, "ListBox_ALL", ListAllHint, this);
    ListBox_60s = new TTimeListBox(ListKind::Step60s, "ListBox_60s", List60sHint, this);
    ListBox_10s = new TTimeListBox(ListKind::Step10s, "ListBox_10s", List10sHint, this);
    ListBox_1s = new TTimeListBox(ListKind::Step1s, "ListBox_1s", List1sHint, this);
    ListBox_100ms = new TTimeListBox(ListKind::Step100ms, "ListBox_100ms", List100msHint, this);
    ListBox_10ms = new TTimeListBox(ListKind::Step10ms, "ListBox_10ms", List10msHint, this);
    ListBox_1ms = new TTimeListBox(ListKind::Step1ms, "ListBox_1ms", List1msHint, this);

    Button_60s = MakeButton<QPushButton>(this, "Button_60s", To60s, To60sHint);
    Button_60s_U = MakeButton<QPushButton>(this, "Button_60s_U", To60s, To60sHint);
    Button_600s_C = MakeButton<QPushButton>(this, "Button_600s_C", To60s, RegisteredTo60sHint);
    Button_10s = MakeButton<QPushButton>(this, "Button_10s", To10s, To10sHint);
    Button_1s = MakeButton<QPushButton>(this, "Button_1s", To1s, To1sHint);
    Button_100ms = MakeButton<QPushButton>(this, "Button_100ms", To100ms, To100msHint);
    Button_10ms = MakeButton<QPushButton>(this, "Button_10ms", To10ms, To10msHint);
    Button_1ms = MakeButton<QPushButton>(this, "Button_1ms", To1ms, To1msHint);
    Btn_1ms_ON = MakeButton<QPushButton>(this, "Btn_1ms_ON", On1ms, On1msHint);
    Btn_1ms_OFF = MakeButton<QPushButton>(this, "Btn_1ms_OFF", Off1ms, Off1msHint);

    Button_ALLT = RegisterButton(this, "Button_ALLT");
    Button_60sT = RegisterButton(this, "Button_60sT");
    Button_10sT = RegisterButton(this, "Button_10sT");
    Button_1sT = RegisterButton(this, "Button_1sT");
    Button_100msT = RegisterButton(this, "Button_100msT");
    Button_10msT = RegisterButton(this, "Button_10msT");
    Button_1msT = RegisterButton(this, "Button_1msT");
    Button5 = MakeButton<QPushButton>(this, "Button5", Delete, DeleteHint);

    ComboBox_TM = new QComboBox(this);
    ComboBox_TM->setObjectName(QStringLiteral("ComboBox_TM"));
    ComboBox_TM->setToolTip(QString::fromUtf8(IntervalHint));
    ComboBox_TM->setMinimumContentsLength(3);
    ComboBox_TM->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (QPushButton* button : {Btn_1ms_ON, Btn_1ms_OFF}) button->setMaximumWidth(34);

    leftStack_ = new QStackedWidget(this);
    allColumn_ = allColumn();
    leftStack_->addWidget(allColumn_);
    leftStack_->addWidget(oneMsPanel());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(registeredColumn(), 1);
    layout->addWidget(leftStack_, 1);
    layout->addWidget(stepColumn(ListBox_60s, Button_10s, Button_60sT), 1);
    layout->addWidget(stepColumn(ListBox_10s, Button_1s, Button_10sT), 1);
    layout->addWidget(stepColumn(ListBox_1s, Button_100ms, Button_1sT), 1);
    layout->addWidget(stepColumn(ListBox_100ms, Button_10ms, Button_100msT), 1);
    layout->addWidget(stepColumn(ListBox_10ms, Button_1ms, Button_10msT), 1);
    show1ms(false);
}

void TTimeListsPanel::show1ms(bool shown)
{
    leftStack_->setCurrentWidget(shown ? Panel_1ms : allColumn_);
}

QWidget* TTimeListsPanel::registeredColumn()
{
    return Column(Button_600s_C, ListBox_C, {Button5});
}

QWidget* TTimeListsPanel::allColumn()
{
    return Column(Row({ComboBox_TM, Btn_1ms_ON}), ListBox_ALL, {Button_60s, Button_ALLT});
}

QWidget* TTimeListsPanel::oneMsPanel()
{
    Panel_1ms = new QFrame(this);
    Panel_1ms->setObjectName(QStringLiteral("Panel_1ms"));
    auto* layout = new QVBoxLayout(Panel_1ms);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Column(Btn_1ms_OFF, ListBox_1ms, {Button_60s_U, Button_1msT}));
    return Panel_1ms;
}

QWidget* TTimeListsPanel::stepColumn(TTimeListBox* list, QPushButton* subdivide, ColorBtn* registerButton)
{
    return Column(nullptr, list, {subdivide, registerButton});
}
