#include "DialogPlacement.h"

#include <QWidget>

#include "AppMainWindow.h"
#include "MKPlacement.h"
#include "WorkArea.h"

namespace {

constexpr QSize FrameAllowance(16, 40);  // window frame and title bar around the client area

}  // namespace

QWidget* OwnerOrMainWindow(QWidget* owner)
{
    return owner ? owner->window() : AppMainWindow();
}

void PlaceOver(QWidget& dialog, QWidget* owner)
{
    GetWorkArea();
    const QRect area(WorkArea.left, WorkArea.top, WorkArea.width, WorkArea.height);
    const QRect ownerRect = owner ? owner->window()->frameGeometry() : QRect();
    const QRect over = ownerRect.isEmpty() ? area : ownerRect;
    dialog.winId();  // a native window knows its frame where the platform tells it before showing
    QSize outer = dialog.frameSize();
    if (outer == dialog.size()) outer += FrameAllowance;  // frame not known yet: allow for a usual one
    dialog.move(HeldInside(CentredOver(over, outer), outer, WorkArea));
}
