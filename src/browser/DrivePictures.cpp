#include "DrivePictures.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int PictureSize = 16;

void DrawBox(QPainter& painter, const QColor& face)
{
    painter.setPen(Qt::black);
    painter.setBrush(face);
    painter.drawRect(1, 5, 13, 7);
    painter.setBrush(Qt::green);
    painter.drawRect(11, 9, 1, 1);
}

void DrawPicture(QPainter& painter, DriveType type)
{
    switch (type) {
    case DriveType::Removable:  // Floppy: a square disk with its shutter
        painter.setPen(Qt::black);
        painter.setBrush(QColor(40, 40, 120));
        painter.drawRect(2, 1, 11, 13);
        painter.setBrush(Qt::lightGray);
        painter.drawRect(5, 1, 5, 4);
        break;
    case DriveType::Fixed:
        DrawBox(painter, Qt::lightGray);
        break;
    case DriveType::Network:  // the box on a cable
        DrawBox(painter, QColor(180, 200, 230));
        painter.drawLine(7, 12, 7, 15);
        painter.drawLine(2, 15, 13, 15);
        break;
    case DriveType::CdRom:
        painter.setPen(Qt::darkGray);
        painter.setBrush(QColor(220, 220, 160));
        painter.drawEllipse(1, 1, 13, 13);
        painter.setBrush(Qt::white);
        painter.drawEllipse(6, 6, 3, 3);
        break;
    case DriveType::RamDisk:  // a memory module with its pins
        painter.setPen(Qt::black);
        painter.setBrush(QColor(0, 120, 60));
        painter.drawRect(0, 4, 15, 6);
        for (int x = 1; x < 15; x += 3) painter.drawLine(x, 11, x, 13);
        break;
    }
}

}  // namespace

QIcon DrivePicture(DriveType type)
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    DrawPicture(painter, type);
    painter.end();
    return QIcon(picture);
}
