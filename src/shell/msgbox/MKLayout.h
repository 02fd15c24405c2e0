#pragma once
// Where the message box puts its controls: the icon at the top left, the text
// area beside it, sized to show every line whole, and one row of buttons
// below: the count-down group (Label_TM and the pause button, with the resume
// button under it) first, then the answer buttons.
#include <QList>
#include <QRect>
#include <QSize>

struct MKLayoutInput {
    QSize textArea;         // size that shows every line of the text whole
    QSize button;           // size of every push button
    QSize countLabel;       // size of Label_TM
    int answerButtons = 1;  // OK; Yes, No; and Abort after them
    bool countDown = false;
    QSize maxClient;        // the largest client area the desktop work area allows
};

struct MKLayout {
    QSize client;
    QRect icon;
    QRect textArea;         // smaller than wanted only when the work area is too small
    QRect countLabel;       // empty without a count-down
    QRect pauseButton;      // Btn_TM_STOP, and Btn_TM_OPEN at the same place
    QList<QRect> answers;   // the answer buttons, left to right
};

MKLayout LayOutBox(const MKLayoutInput& input);

// Where Label_Select marks the given button: a short bar just below it.
QRect SelectMarkAt(const QRect& button);
