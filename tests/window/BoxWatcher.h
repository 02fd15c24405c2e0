#pragma once
// Watches the program's own message boxes as the running program shows them
// (no scripted responder): keeps the text of each box in the order shown and
// calls `shown` with the box at the moment it appears, to look at the window
// behind it or to answer it. The texts may be read from another thread.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <mutex>

#include "mk.h"

class BoxWatcher : public QObject {
public:
    using Shown = std::function<void(TMKBox& box, const QString& text)>;

    explicit BoxWatcher(Shown shown = {})
        : shown_(std::move(shown))
    {
        qApp->installEventFilter(this);
    }
    ~BoxWatcher() override { qApp->removeEventFilter(this); }

    QStringList texts() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

    // Answers the box with its OK button, once the box's own loop runs.
    static void PressOk(TMKBox& box)
    {
        QTimer::singleShot(0, &box, [&box] { box.findChild<QPushButton*>("Btn_OK")->click(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = event->type() == QEvent::Show ? qobject_cast<TMKBox*>(watched) : nullptr;
        if (!box) return false;
        const QString text = box->findChild<QLabel*>("Msg")->text();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            texts_ << text;
        }
        if (shown_) shown_(*box, text);
        return false;
    }

private:
    Shown shown_;
    mutable std::mutex mutex_;
    QStringList texts_;
};
