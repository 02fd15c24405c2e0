#include "EditTextSelection.h"

#include <QEvent>
#include <QLineEdit>

namespace {

constexpr int kSelectDelayMs = 300;

}  // namespace

EditTextSelection::EditTextSelection(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Timer_Edit"));
    timer_.setSingleShot(true);
    timer_.setInterval(kSelectDelayMs);
    connect(&timer_, &QTimer::timeout, this, &EditTextSelection::Timer_EditTimer);
}

void EditTextSelection::watch(QLineEdit* field) { field->installEventFilter(this); }

bool EditTextSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        entered_ = qobject_cast<QLineEdit*>(watched);
        timer_.start();
    }
    return QObject::eventFilter(watched, event);
}

void EditTextSelection::Timer_EditTimer()
{
    if (entered_) entered_->selectAll();
}
