#include "SeekBar.h"

#include <QMouseEvent>

#include <algorithm>

SeekBar::SeekBar(QWidget* parent) : QFrame(parent), Panel_B1(new QFrame(this))
{
    setObjectName("Panel_B0");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumHeight(8);
    Panel_B1->setObjectName("Panel_B1");
    Panel_B1->setAutoFillBackground(true);
    Panel_B1->setBackgroundRole(QPalette::Highlight);
    // Presses on the filled part reach the track, in the same coordinates.
    Panel_B1->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFillWidth(0);
}

void SeekBar::setFillWidth(int width) { Panel_B1->setGeometry(0, 0, std::max(0, width), height()); }

int SeekBar::fillWidth() const { return Panel_B1->width(); }

void SeekBar::Panel_B1MouseDown(int x)
{
    dragging_ = true;
    setFillWidth(x);
}

void SeekBar::Panel_B1MouseMove(int x)
{
    if (dragging_) setFillWidth(x);
}

void SeekBar::Panel_B1MouseUp()
{
    if (!dragging_) return;
    dragging_ = false;
    setFillWidth(std::min(fillWidth(), width()));
    if (onSeek) onSeek(fillWidth());
}

void SeekBar::mousePressEvent(QMouseEvent* event) { Panel_B1MouseDown(event->position().toPoint().x()); }

void SeekBar::mouseMoveEvent(QMouseEvent* event) { Panel_B1MouseMove(event->position().toPoint().x()); }

void SeekBar::mouseReleaseEvent(QMouseEvent*) { Panel_B1MouseUp(); }

void SeekBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    setFillWidth(fillWidth());
}
