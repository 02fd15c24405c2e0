#include "WindowColours.h"

#include <QWidget>

QColor UnschemedWindowColor(const QPalette& system)
{
    const bool textIsBlack = (system.color(QPalette::Text).rgb() & 0xFFFFFF) == 0;
    return textIsBlack ? system.color(QPalette::Button) : system.color(QPalette::Base);
}

void TakeParentColours(QWidget& control)
{
    QWidget* parent = control.parentWidget();
    if (!parent) return;
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, parent->palette().color(QPalette::Window));
    palette.setColor(QPalette::Text, parent->palette().color(QPalette::WindowText));
    control.setPalette(palette);
    control.setFont(parent->font());
}
