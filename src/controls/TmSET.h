#pragma once
// TTMSETBox: the time-setting box's form (TMSETBox). It shows a message, the
// value with its unit, three spin buttons that step the value by 1, 10 and
// 60, and confirms the value with a question before it closes with 1;
// "中 止", Escape and the close button close it with 3.
#include <QDialog>
#include <QString>

#include "Mkdlg.h"
#include "TimeSetValue.h"

class ColorBtn;
class QLabel;
class SpinButton;

class TTMSETBox : public QDialog {
    Q_OBJECT

public:
    explicit TTMSETBox(QWidget* parent = nullptr);

    // The main message (LMsg0) and the two extra texts (LMsg1, LMsg2). The
    // form widens to hold a long message.
    void setMessages(const QString& message, const QString& extra1, const QString& extra2);
    // The value to edit and the unit shown after it.
    void setValue(const TimeSetValue& value, const QString& unit);
    // The name the confirmation question begins with.
    void setTargetName(const QString& target) { target_ = target; }

    int value() const { return value_.value(); }

    void reject() override;

private slots:
    void Button1Click();
    void Button4Click();

private:
    void createControls();
    void layOut();
    SpinButton* createSpinButton(const char* name, const char* hint, int step);
    void stepBy(int amount);
    void refreshValueLabel();

    QLabel* LMsg0 = nullptr;
    QLabel* LMsg1 = nullptr;
    QLabel* LMsg2 = nullptr;
    QLabel* Label2 = nullptr;
    SpinButton* SpinButton1 = nullptr;
    SpinButton* SpinButton2 = nullptr;
    SpinButton* SpinButton3 = nullptr;
    ColorBtn* Button1 = nullptr;
    ColorBtn* Button4 = nullptr;
    TMKBoxDlg MKBoxDlg1;

    TimeSetValue value_{0, 0};
    QString unit_;
    QString target_;
};
