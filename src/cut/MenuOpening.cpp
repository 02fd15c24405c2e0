#include "MenuOpening.h"

#include <QCoreApplication>
#include <QMenu>

#include "BusyCursor.h"

void OpenCutFaceMenu(QMenu* menu, const QPoint& at, bool& MsgShowing)
{
    if (MsgShowing) return;
    MsgShowing = true;
    BusyCursor busy;
    QCoreApplication::processEvents();
    menu->popup(at);
    // A menu that did not show (no screen) must not keep the others shut.
    MsgShowing = false;
}
