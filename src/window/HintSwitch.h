#pragma once
// The hints (tool tips) of one window and of the message boxes, switched on
// and off as a whole.
#include <QObject>

class QWidget;

class HintSwitch : public QObject {
    Q_OBJECT
public:
    explicit HintSwitch(QWidget& window);
    ~HintSwitch() override;

    bool shown() const { return shown_; }
    void setShown(bool shown) { shown_ = shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    bool shown_ = true;
};
