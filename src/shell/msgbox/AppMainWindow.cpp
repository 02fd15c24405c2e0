#include "AppMainWindow.h"

#include <QApplication>
#include <QMainWindow>

QWidget* AppMainWindow()
{
    QWidget* hidden = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<QMainWindow*>(window)) continue;
        if (window->isVisible()) return window;
        if (!hidden) hidden = window;
    }
    return hidden;
}
