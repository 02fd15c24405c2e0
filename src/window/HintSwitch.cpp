#include "HintSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "mk.h"

HintSwitch::HintSwitch(QWidget& window)
    : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

HintSwitch::~HintSwitch() { qApp->removeEventFilter(this); }

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (shown_ || event->type() != QEvent::ToolTip) return false;
    // The message boxes show their hints when the window shows its own.
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && (widget->window() == &window_ || qobject_cast<TMKBox*>(widget->window()));
}
