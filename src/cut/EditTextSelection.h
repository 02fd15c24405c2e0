#pragma once
// Timer_Edit: entering one of the watched line edits starts a one-shot
// 300 ms timer whose tick selects that field's whole text, so that it can be
// copied (the click that entered the field would otherwise undo a selection
// made at once).
#include <QObject>
#include <QPointer>
#include <QTimer>

class QLineEdit;

class EditTextSelection : public QObject {
    Q_OBJECT
public:
    explicit EditTextSelection(QObject* parent = nullptr);

    // Watch this field from now on.
    void watch(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Timer_EditTimer();

    QTimer timer_;
    QPointer<QLineEdit> entered_;
};
