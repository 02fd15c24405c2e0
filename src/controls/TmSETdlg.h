#pragma once
// TTmSETBoxDlg: the time-setting box component. The caller fills its texts
// and value, then Execute shows the form TMSETBox modally over the owner
// window and returns 1 when the user confirmed a new value (stored in Value)
// or 3 when the user cancelled (Value unchanged).
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "TmSETTexts.h"

class TTmSETBoxDlg : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Message MEMBER Message)
    Q_PROPERTY(QString Message1 MEMBER Message1)
    Q_PROPERTY(QString Message2 MEMBER Message2)
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(QString Unit MEMBER Unit)
    Q_PROPERTY(int Value MEMBER Value)
    Q_PROPERTY(int Minimum MEMBER Minimum)
    Q_PROPERTY(QWidget* OwnerWindow READ ownerWindow WRITE setOwnerWindow)

public:
    explicit TTmSETBoxDlg(QObject* parent = nullptr);

    QString Message;    // LMsg0; when empty the value is counted in "個" instead of Unit
    QString Message1 = QString::fromUtf8(TmSETText::TimerMessage);  // LMsg1
    QString Message2;   // LMsg2
    QString Caption;    // empty: the application's title
    QString Unit = QString::fromUtf8(TmSETText::Seconds);
    int Value = 0;      // 0 to 32700
    int Minimum = 0;    // the smallest non-zero value accepted
    QPointer<QWidget> OwnerWindow;  // none: the application's main window

    // Shows the box; the confirmation question begins with the target name.
    // Returns 1 (Value replaced) or 3 (Value unchanged).
    int Execute(const QString& targetName);

    QWidget* ownerWindow() const { return OwnerWindow; }
    void setOwnerWindow(QWidget* window) { OwnerWindow = window; }
};
