#pragma once
// The cut face (Panel_CUT): the time lists and registered times (Panel_S) on
// the left, the play controls (Panel_C) on the right, the cut file's row
// (Panel_Fn) below. The face builds its controls with the window; once the
// playback exists, bind() gives them the shared cut-face context and sets
// their commands to work.
#include <QFrame>
#include <QSize>

#include "WindowState.h"

class CutFileRow;
class QLabel;
class QLineEdit;
class RegisteredTimeCommands;
class RenzokuMenu;
class TimeListCommands;
class TimeListPlay;
class TPlayPanel;
class TTimeListsPanel;
struct CutFaceContext;

class TCutFace : public QFrame {
    Q_OBJECT
public:
    TCutFace(WindowState& state, QWidget* parent = nullptr);

    // The size of the window's client area that holds this face:
    // Panel_S + Panel_C wide, Panel_S + Panel_Fn high.
    QSize clientSize() const;

    // Puts the face's lists into the context, fills its hooks and makes the
    // commands of the lists, the registered times and the play modes. Once.
    void bind(CutFaceContext& context);
    // The play modes the face starts with each time it is shown:
    // RadioGroup1 on "スキップ", RadioGroup3 on "OFF".
    void resetPlayModes();

    TTimeListsPanel* Panel_S;  // time lists and registered times
    TPlayPanel* Panel_C;       // play modes, times, stop and the file face switch
    CutFileRow* Panel_Fn;      // the cut file's row
    QLineEdit* Edit_Fn;        // the row's fields
    QLineEdit* Edit_SDIR;
    QLineEdit* Edit_SFn;
    QLabel* Label_SFn_Last;

    // The commands, made by bind().
    TimeListCommands* timeLists = nullptr;
    RegisteredTimeCommands* registered = nullptr;
    TimeListPlay* listPlay = nullptr;
    RenzokuMenu* renzoku = nullptr;

private:
    WindowState& state_;
};
