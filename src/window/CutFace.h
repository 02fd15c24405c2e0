#pragma once
// The cut face (Panel_CUT): the time lists and play controls of the cut
// workbench above, the cut file's line below.
#include <QFrame>
#include <QSize>

#include "WindowState.h"

class QLabel;
class QLineEdit;

class TCutFace : public QFrame {
    Q_OBJECT
public:
    TCutFace(WindowState& state, QWidget* parent = nullptr);

    // The size of the window's client area that holds this face:
    // Panel_S + Panel_C wide, Panel_S + Panel_Fn high.
    QSize clientSize() const;

    QFrame* Panel_S;   // time lists and registered times
    QFrame* Panel_C;   // play and cut controls
    QFrame* Panel_Fn;  // the cut file's line
    QLineEdit* Edit_Fn;
    QLineEdit* Edit_SDIR;
    QLineEdit* Edit_SFn;
    QLabel* Label_SFn_Last;

private:
    void buildFileLine();

    WindowState& state_;
};
