#include "HintSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

HintSwitch::HintSwitch(QWidget& window)
    : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

HintSwitch::~HintSwitch() { qApp->removeEventFilter(this); }

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (shown_ || event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == &window_;
}
