#pragma once
// PopupMenu1, the cut menu of every time list: the list's name, the cuts
// (selected entries, all entries, the start times of one colour), the
// start-time marks of the registered times, the continuous-play colour and
// the category names of the colours. The items that only concern the
// registered times show only when the menu is opened on ListBox_C.
#include <QObject>

#include <array>

#include "TextInputBox.h"

class CutRun;
class QAction;
class QMenu;
class QPoint;
class QWidget;
class TTimeListBox;
struct CutFaceContext;

class CutMenu : public QObject {
public:
    // Opens on the right button of every time list of the context.
    CutMenu(CutFaceContext& context, CutRun& run, QWidget* parent);

    QMenu* PopupMenu1;
    QAction* P_LIST_Name;
    QAction* WAV_CUT;
    QAction* WAV_CUT_ALL;
    QMenu* WAV_CUT_ST0;
    std::array<QAction*, 7> WAV_CUT_ST;  // WAV_CUT_ST, WAV_CUT_ST_Blue ... WAV_CUT_ST_Pink
    QAction* PCUT_N0;
    QMenu* P_START0;
    std::array<QAction*, 6> P_START;     // P_START (blue), P_START_Red ... P_START_Pink
    QAction* P_ST_CLR;
    QAction* PCUT_N1;
    QMenu* P_RENZOKU0;
    std::array<QAction*, 7> P_RENZOKU;   // P_RENZOKU_ALL, P_RENZOKU_Blue ... P_RENZOKU_Pink
    QMenu* P_BINRUI0;
    std::array<QAction*, 7> P_BINRUI;    // P_BINRUI_Nashi, P_BINRUI_Blue ... P_BINRUI_Pink
    // The registered times' exchange (TimeExchangeCommands): times at the
    // pauses, read from and written to other programs' files.
    QAction* PCUT_N4;
    QAction* P_MUON_TOROKU;
    QAction* P_TIME_READ;
    QAction* P_TIME_WRITE;
    QAction* PCUT_N3;
    QAction* WAV_CUT_CANSEL;

    // The input box of the category names.
    AskText askText;

    void ListBox_CMouseDown(TTimeListBox* list, const QPoint& globalPos);
    void PopupMenu1Popup();
    // Marks the selected registered times with colour `code`; 0 unmarks them.
    void P_STARTClick(int code);
    void P_RENZOKU0Click();
    void P_BINRUI0Click();
    void P_BINRUI_NashiClick(int code);

private:
    void buildCuts();
    void buildMarks();
    void buildChoices();
    void buildExchange();

    CutFaceContext& context_;
    CutRun& run_;
};
