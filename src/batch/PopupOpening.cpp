#include "PopupOpening.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>

#include "BusyCursor.h"

namespace {

// Turns a right press on the button into `open` at the pointer.
class RightPress : public QObject {
public:
    RightPress(QAbstractButton* button, std::function<void(const QPoint&)> open)
        : QObject(button), open_(std::move(open))
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::RightButton) return false;
        open_(press->globalPosition().toPoint());
        return true;
    }

private:
    std::function<void(const QPoint&)> open_;
};

}  // namespace

void BindPopupButton(QAbstractButton* button, std::function<void()> click,
                     std::function<void(const QPoint& at)> rightPress)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [click = std::move(click)] { click(); });
    new RightPress(button, std::move(rightPress));
}

void BindPopupButton(QAbstractButton* button, std::function<void(const QPoint& at)> open)
{
    BindPopupButton(button, [button, open] { open(BelowButton(button)); }, open);
}

QPoint BelowButton(const QAbstractButton* button) { return button->mapToGlobal(button->rect().bottomLeft()); }

void OpenPopup(QMenu* menu, const QPoint& at, bool& opening)
{
    if (opening) return;
    opening = true;
    {
        BusyCursor busy;
        QCoreApplication::processEvents();
    }
    opening = false;
    menu->exec(at);
}
