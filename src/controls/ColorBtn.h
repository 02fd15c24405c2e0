#pragma once
// ColorBtn: a push button with its own background and text colours, used for
// the red stop buttons and the coloured register buttons. A button with
// neither colour set looks like any other button of the style; once a colour
// is set the button paints itself (face, bevel, text, focus), so the colours
// show under every style, including those that ignore the palette.
#include <QColor>
#include <QPushButton>

class ColorBtn : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor RESET resetColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor RESET resetFontColor)

public:
    explicit ColorBtn(QWidget* parent = nullptr);
    explicit ColorBtn(const QString& text, QWidget* parent = nullptr);

    // The face colour; the style's button colour while none is set.
    QColor color() const;
    // An invalid colour returns the face to the style's own.
    void setColor(const QColor& color);
    void resetColor() { setColor(QColor()); }

    // The text colour; the style's button text colour while none is set.
    QColor fontColor() const;
    void setFontColor(const QColor& color);
    void resetFontColor() { setFontColor(QColor()); }

    // True once either colour is set: the button then paints itself.
    bool paintsItself() const { return face_.isValid() || text_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawFace(QPainter& painter, const QRect& area) const;
    void drawLabel(QPainter& painter, QRect area) const;
    void drawFocus(QPainter& painter, const QRect& area);
    QColor shownTextColor() const;

    QColor face_;  // invalid: not set
    QColor text_;  // invalid: not set
};
