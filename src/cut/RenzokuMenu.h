#pragma once
// The continuous-play colour: which start times a "連続" run over the
// registered times plays (RENZOKU: 0 every start time, 1-6 one colour).
// Panel_RENZOKU shows it; its right button opens PopupMenu_R to choose it.
#include <QObject>

#include <array>

class QAction;
class QMenu;
class TPlayPanel;
struct CutFaceContext;

class RenzokuMenu : public QObject {
public:
    RenzokuMenu(CutFaceContext& context, TPlayPanel& play);

    // P_RENZOKU_M_ALLClick (and P_RENZOKU_ALLClick of the cut menu): the
    // colour becomes RENZOKU, Panel_RENZOKU shows it, RadioGroup1 goes to "連続".
    void P_RENZOKU_M_ALLClick(int colour);
    void Panel_RENZOKUMouseDown(const QPoint& globalPos);

    QMenu* PopupMenu_R;
    std::array<QAction*, 7> Items;  // P_RENZOKU_M_ALL ... P_RENZOKU_M_Pink

private:
    void PopupMenu_RPopup();

    CutFaceContext& context_;
    TPlayPanel& play_;
};
