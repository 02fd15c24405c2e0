#include "ColorBtn.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

constexpr int BevelWidth = 2;   // the raised or sunken edge around the face
constexpr int FocusInset = 4;   // the focus frame, inside the bevel
constexpr int IconTextGap = 4;

}  // namespace

ColorBtn::ColorBtn(QWidget* parent)
    : QPushButton(parent)
{
}

ColorBtn::ColorBtn(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

QColor ColorBtn::color() const
{
    return face_.isValid() ? face_ : palette().color(QPalette::Active, QPalette::Button);
}

void ColorBtn::setColor(const QColor& color)
{
    face_ = color;
    update();
}

QColor ColorBtn::fontColor() const
{
    return text_.isValid() ? text_ : palette().color(QPalette::Active, QPalette::ButtonText);
}

void ColorBtn::setFontColor(const QColor& color)
{
    text_ = color;
    update();
}

void ColorBtn::paintEvent(QPaintEvent* event)
{
    if (!paintsItself()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFace(painter, rect());
    drawLabel(painter, rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth));
    drawFocus(painter, rect().adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset));
}

void ColorBtn::drawFace(QPainter& painter, const QRect& area) const
{
    const bool sunken = isDown() || isChecked();
    const QBrush fill(sunken ? color().darker(115) : color());
    // The bevel's light and dark edges follow the face colour.
    const QPalette shades(color());
    QRect bevel = area;
    if (isDefault() && !sunken) {
        painter.setPen(shades.color(QPalette::Shadow));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        bevel.adjust(1, 1, -1, -1);
    }
    qDrawWinButton(&painter, bevel, shades, sunken, &fill);
}

void ColorBtn::drawLabel(QPainter& painter, QRect area) const
{
    if (isDown() || isChecked()) area.translate(1, 1);
    painter.setPen(shownTextColor());
    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (icon().isNull()) {
        painter.drawText(area, flags, text());
        return;
    }
    const QPixmap pixmap = icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + IconTextGap;
    const int width = iconSize().width() + textWidth;
    const int left = area.left() + (area.width() - width) / 2;
    painter.drawPixmap(left, area.top() + (area.height() - iconSize().height()) / 2, pixmap);
    const QRect textArea(left + iconSize().width() + IconTextGap, area.top(), textWidth, area.height());
    painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, text());
}

void ColorBtn::drawFocus(QPainter& painter, const QRect& area)
{
    if (!hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = area;
    option.backgroundColor = color();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

// A disabled button shows its text halfway between the text and face colours.
QColor ColorBtn::shownTextColor() const
{
    const QColor text = fontColor();
    if (isEnabled()) return text;
    const QColor face = color();
    return QColor((text.red() + face.red()) / 2, (text.green() + face.green()) / 2,
                  (text.blue() + face.blue()) / 2);
}
