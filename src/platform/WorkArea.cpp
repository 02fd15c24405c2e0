#include "WorkArea.h"

#include <QGuiApplication>
#include <QScreen>

WorkAreaRect WorkArea;

bool GetWorkArea()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        WorkArea = {0, 0, 640, 480};
        return false;
    }
    const QRect whole = screen->geometry();
    const QRect free = screen->availableGeometry();
    if (free.width() <= 0 || free.height() <= 0) {
        WorkArea = {whole.x(), whole.y(), whole.width(), whole.height()};
        return false;
    }
    WorkArea = {free.x(), free.y(), free.width(), free.height()};
    return free != whole;
}
