#pragma once
// TMKBoxDlg: the program's message box component, placed once on the main
// window (as MKBoxDlg1), and the seven calls that show a box through it.
// Every call blocks until the box closes and returns its answer (MKAnswer);
// a count-down answers the caller's default by itself. Calls may nest up to
// ten deep, one slot each; a call finding all ten slots busy returns 0 at once.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

#include "MKRequest.h"

class TMKBox;

inline constexpr int MKSlotCount = 10;

// What a nesting slot keeps about the call that holds it.
struct MKSlot {
    bool timerOn = false;          // count-down switch of the call
    MKKind kind = MKKind::Plain;
    QString seconds;               // count-down seconds as text (at most 10 characters)
    TMKBox* window = nullptr;      // the call's dialog window while it is open
};

class TMKBoxDlg : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER Title)
    Q_PROPERTY(QWidget* SourceHandle READ sourceHandle WRITE setSourceHandle)
    Q_PROPERTY(bool Timer MEMBER Timer)
    Q_PROPERTY(int TimerCount MEMBER TimerCount)
    Q_PROPERTY(bool ERTimer MEMBER ERTimer)
    Q_PROPERTY(int ERTimerCount MEMBER ERTimerCount)
    Q_PROPERTY(bool B0 MEMBER B0)
    Q_PROPERTY(bool B1 MEMBER B1)
    Q_PROPERTY(bool B2 MEMBER B2)
    Q_PROPERTY(bool B3 MEMBER B3)
    Q_PROPERTY(bool B4 MEMBER B4)
    Q_PROPERTY(bool B5 MEMBER B5)
    Q_PROPERTY(bool B6 MEMBER B6)
    Q_PROPERTY(bool B7 MEMBER B7)
    Q_PROPERTY(bool B8 MEMBER B8)
    Q_PROPERTY(bool B9 MEMBER B9)

public:
    explicit TMKBoxDlg(QObject* parent = nullptr);

    QString Title;                   // caption; empty: the application title
    QPointer<QWidget> SourceHandle;  // box centred over its window; none: the main window
    bool Timer = true;               // count-down of information and questions
    int TimerCount = 10;
    bool ERTimer = true;             // count-down of errors
    int ERTimerCount = 10;
    bool B0 = false, B1 = false, B2 = false, B3 = false, B4 = false,  // busy flags of
         B5 = false, B6 = false, B7 = false, B8 = false, B9 = false;  // slots 0 to 9

    std::array<MKSlot, MKSlotCount> CallSlots;

    // The busy flag of a slot (B0 ... B9).
    bool& busy(int slot);

    QWidget* sourceHandle() const { return SourceHandle; }
    void setSourceHandle(QWidget* window) { SourceHandle = window; }
};

// OK, information icon, no count-down.
int MKInfo(TMKBoxDlg& box, const QString& text);
// OK, information icon, count-down of Timer / TimerCount.
int MKInfoTM(TMKBoxDlg& box, const QString& text, int defaultAnswer);
// Yes and No, question icon, count-down of Timer / TimerCount.
int MKAsk(TMKBoxDlg& box, const QString& text, int defaultAnswer);
// OK, information icon, count-down of Timer and the given seconds.
int MKInfoSec(TMKBoxDlg& box, int seconds, const QString& text, int defaultAnswer);
// OK (and Abort while counting down), count-down of ERTimer / ERTimerCount.
int MKError(TMKBoxDlg& box, const QString& text, int defaultAnswer);
// Yes and No (and Abort while counting down), count-down of ERTimer / ERTimerCount.
int MKErrorAsk(TMKBoxDlg& box, const QString& text, int defaultAnswer);
// OK (and Abort while counting down), count-down of ERTimer and the given seconds.
int MKErrorSec(TMKBoxDlg& box, int seconds, const QString& text, int defaultAnswer);
