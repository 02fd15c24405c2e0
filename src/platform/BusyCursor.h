#pragma once
// The hourglass cursor while a command runs: shown for the guard's lifetime.
// Guards nest; without a GUI application (tests, the command line) they do
// nothing.
#include <QCursor>
#include <QGuiApplication>

class BusyCursor {
public:
    BusyCursor()
        : shown_(qGuiApp != nullptr)
    {
        if (shown_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_;
};
