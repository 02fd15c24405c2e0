#pragma once
// The position bar of the file face: the track Panel_B0 and, inside it, the
// filled part Panel_B1 whose width shows the play position. Pressing on the
// bar and dragging moves the filled edge with the mouse; releasing chooses
// that position for the next play.
#include <QFrame>

#include <functional>

class SeekBar : public QFrame {
    Q_OBJECT
public:
    explicit SeekBar(QWidget* parent = nullptr);

    QFrame* Panel_B1 = nullptr;
    // Called on release with the chosen width in pixels.
    std::function<void(int pixel)> onSeek;

    void setFillWidth(int width);
    int fillWidth() const;

    void Panel_B1MouseDown(int x);
    void Panel_B1MouseMove(int x);
    void Panel_B1MouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool dragging_ = false;
};
