#include "MKPlacement.h"

#include <algorithm>

QPoint CentredOver(const QRect& owner, const QSize& box)
{
    return {owner.left() + (owner.width() - box.width()) / 2,
            owner.top() + (owner.height() - box.height()) / 2};
}

QPoint HeldInside(const QPoint& topLeft, const QSize& box, const WorkAreaRect& area)
{
    int x = std::min(topLeft.x(), area.left + area.width - box.width());
    int y = std::min(topLeft.y(), area.top + area.height - box.height());
    x = std::max(x, area.left);
    y = std::max(y, area.top);
    return {x, y};
}
