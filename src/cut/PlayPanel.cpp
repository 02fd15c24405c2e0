#include "PlayPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ColorBtn.h"
#include "CutFaceTexts.h"

namespace {

using namespace CutFaceTexts;

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const char* hint = nullptr)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (hint) widget->setToolTip(QString::fromUtf8(hint));
    return widget;
}

QLabel* TimeLabel(QWidget* parent, const char* name, const char* hint)
{
    auto* label = Named(new QLabel(QStringLiteral("0"), parent), name, hint);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(70);
    return label;
}

}  // namespace

TPlayPanel::TPlayPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_C"));
    setFrameShape(QFrame::StyledPanel);
    RadioGroup1 = radioGroup("RadioGroup1", PlayModeCaption, PlayModeHint, PlayModes, std::size(PlayModes), modes_);
    RadioGroup3 = radioGroup("RadioGroup3", SpecialModeCaption, SpecialModeHint, SpecialModes,
                             std::size(SpecialModes), specials_);
    setPlayMode(PlayMode::Skip);
    setSpecialMode(SpecialMode::Off);
    connect(modes_, &QButtonGroup::idClicked, this, [this](int id) { emit playModeClicked(static_cast<PlayMode>(id)); });

    Panel_RENZOKU = Named(new QFrame(this), "Panel_RENZOKU", RenzokuHint);
    Panel_RENZOKU->setFrameShape(QFrame::Panel);
    Panel_RENZOKU->setFrameShadow(QFrame::Sunken);
    Panel_RENZOKU->setFixedSize(24, 24);
    Panel_RENZOKU->setAutoFillBackground(true);
    Panel_RENZOKU->installEventFilter(this);

    Label13 = TimeLabel(this, "Label13", TotalTimeHint);
    Label14 = TimeLabel(this, "Label14", PlayTimeHint);
    Button1 = Named(new ColorBtn(QString::fromUtf8(Register), this), "Button1", RegisterPositionHint);
    Button_600s_CT = Named(new QPushButton(QString::fromUtf8(To60s), this), "Button_600s_CT", PositionTo60sHint);
    Button2 = Named(new ColorBtn(QString::fromUtf8(Stop), this), "Button2");
    Button2->setColor(Qt::red);
    Button2->setFontColor(Qt::white);
    Button_Select = Named(new QPushButton(QString::fromUtf8(ToFileFace), this), "Button_Select", ToFileFaceHint);
    for (QPushButton* button : {static_cast<QPushButton*>(Button1), Button_600s_CT, static_cast<QPushButton*>(Button2),
                                Button_Select})
        button->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(RadioGroup1);
    auto* special = new QHBoxLayout;
    special->addWidget(RadioGroup3, 1);
    special->addWidget(Panel_RENZOKU, 0, Qt::AlignBottom);
    layout->addLayout(special);
    layout->addWidget(timesRow());
    layout->addStretch(1);
    layout->addWidget(Button2);
    layout->addWidget(Button_Select);
}

QGroupBox* TPlayPanel::radioGroup(const char* name, const char* caption, const char* hint,
                                  const char* const* items, int count, QButtonGroup*& group)
{
    auto* box = Named(new QGroupBox(QString::fromUtf8(caption), this), name, hint);
    group = new QButtonGroup(box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(items[i]), box);
        button->setFocusPolicy(Qt::NoFocus);
        group->addButton(button, i);
        grid->addWidget(button, i / 2, i % 2);
    }
    return box;
}

// The total and play times with the play position's register and subdivide buttons.
QWidget* TPlayPanel::timesRow()
{
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Label13, 0, 0);
    grid->addWidget(Label14, 1, 0);
    grid->addWidget(Button1, 1, 1);
    grid->addWidget(Button_600s_CT, 1, 2);
    return row;
}

PlayMode TPlayPanel::playMode() const { return static_cast<PlayMode>(modes_->checkedId()); }

void TPlayPanel::setPlayMode(PlayMode mode) { modes_->button(static_cast<int>(mode))->setChecked(true); }

SpecialMode TPlayPanel::specialMode() const { return static_cast<SpecialMode>(specials_->checkedId()); }

void TPlayPanel::setSpecialMode(SpecialMode mode) { specials_->button(static_cast<int>(mode))->setChecked(true); }

void TPlayPanel::showRenzokuColour(const QColor& colour)
{
    // A palette with nothing set takes every colour from the parent.
    QPalette palette;
    if (colour.isValid()) palette.setColor(QPalette::Window, colour);
    Panel_RENZOKU->setPalette(palette);
}

bool TPlayPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel_RENZOKU && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton) emit renzokuRightPressed(press->globalPosition().toPoint());
    }
    return QFrame::eventFilter(watched, event);
}
