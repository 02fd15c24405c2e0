#include "SpinButton.h"

#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize HalfSize(20, 13);
constexpr int RepeatDelay = 400;  // milliseconds before a held half repeats
constexpr int RepeatInterval = 100;

}  // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent)
{
    up_ = createHalf("UpButton", Qt::UpArrow);
    down_ = createHalf("DownButton", Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &SpinButton::UpClick);
    connect(down_, &QToolButton::clicked, this, &SpinButton::DownClick);

    auto* halves = new QVBoxLayout(this);
    halves->setContentsMargins(0, 0, 0, 0);
    halves->setSpacing(0);
    halves->addWidget(up_);
    halves->addWidget(down_);
}

QToolButton* SpinButton::createHalf(const char* name, Qt::ArrowType arrow)
{
    auto* half = new QToolButton(this);
    half->setObjectName(name);
    half->setArrowType(arrow);
    half->setFixedSize(HalfSize);
    half->setAutoRepeat(true);
    half->setAutoRepeatDelay(RepeatDelay);
    half->setAutoRepeatInterval(RepeatInterval);
    half->setFocusPolicy(Qt::NoFocus);
    return half;
}

QSize SpinButton::sizeHint() const
{
    return {HalfSize.width(), HalfSize.height() * 2};
}

bool SpinButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange) {
        up_->setToolTip(toolTip());
        down_->setToolTip(toolTip());
    }
    return QWidget::event(event);
}
