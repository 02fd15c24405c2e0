#pragma once
// SpinButton: an up and a down arrow button stacked on each other, the pair
// that steps a number up or down. Holding a half down repeats its step.
#include <QWidget>

class QToolButton;

class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    QSize sizeHint() const override;

protected:
    // The hint of the pair shows over either half.
    bool event(QEvent* event) override;

signals:
    void UpClick();
    void DownClick();

private:
    QToolButton* createHalf(const char* name, Qt::ArrowType arrow);

    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};
