#pragma once
// What the widgets of the cut face share: the file in work, the device state
// and its procedures, the message box, the settings and the logs, the eight
// time lists and the list a right-click menu was last opened on.
//
// The session makes one CutFaceContext for the run with the program-wide
// objects; the cut face (TCutFace::bind) puts its lists in it and fills the
// hooks below before any handler can run. A widget reaches another widget's
// handler only through these hooks.
#include <QPointer>

#include <array>
#include <functional>

class OperationLogs;
class Playback;
class TMKBoxDlg;
class TTimeListBox;
struct CutWorkState;
struct MediaState;
struct SettingsValues;

struct CutFaceContext {
    CutWorkState& work;         // the file in work: cut file, save base, start list, digits, ...
    MediaState& media;          // the device state and the program-wide flags
    Playback& playback;         // MciSend, OpenAndPlay, OpenForLength, ProbeWavFormat, ...
    TMKBoxDlg& box;             // the main window's message box (MKBoxDlg1)
    SettingsValues& settings;   // FUN (MO_FUN), Start_TM (MO_ST_TM), RENZOKU, PTS, SAVE_DIR, ...
    OperationLogs& logs;        // the cut log

    // The eight time lists (owner-drawn, multi-select), set by the face.
    // ListBox_C shows work.registered: its times, coloured by its StartList.
    TTimeListBox* ListBox_ALL = nullptr;
    TTimeListBox* ListBox_60s = nullptr;
    TTimeListBox* ListBox_10s = nullptr;
    TTimeListBox* ListBox_1s = nullptr;
    TTimeListBox* ListBox_100ms = nullptr;
    TTimeListBox* ListBox_10ms = nullptr;
    TTimeListBox* ListBox_1ms = nullptr;
    TTimeListBox* ListBox_C = nullptr;
    // The time list on which PopupMenu1 was last opened (ListBox_CMouseDown).
    QPointer<TTimeListBox> PopupList{};

    // All eight, ListBox_ALL first and ListBox_C last.
    std::array<TTimeListBox*, 8> timeLists() const
    {
        return {ListBox_ALL, ListBox_60s, ListBox_10s, ListBox_1s, ListBox_100ms, ListBox_10ms, ListBox_1ms, ListBox_C};
    }

    // Hooks the face fills (no-ops until then).
    // BuildTimeLists: the interval combo, ListBox_ALL, the six step lists
    // emptied, ListBox_C rewritten in the current format, the time labels.
    std::function<void()> BuildTimeLists = [] {};
    // Puts ComboBox_TM on item `index` (0 "1s" ... 4 "3600s") and sets
    // ListInterval from it, without filling ListBox_ALL (a cut file chosen).
    std::function<void(int index)> setIntervalIndex = [](int) {};
    // The registered times of the work state or their marks changed:
    // ListBox_C shows them again (entries, colours), keeping its current
    // entry and selection where they still stand.
    std::function<void()> showRegistered = [] {};
    // P_RENZOKU_ALL ... P_RENZOKU_Pink (and PopupMenu_R's items): the
    // continuous-play colour 0-6 becomes RENZOKU, Panel_RENZOKU shows it and
    // RadioGroup1 goes to "連続".
    std::function<void(int colour)> chooseRenzokuColour = [](int) {};
};
