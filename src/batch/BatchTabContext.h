#pragma once
// What every batch tab (TabSheet1 ... TabSheet6) is given by the session:
// the program-wide values and logs, the message box, the status line and
// progress bar of the file face, the hooks that reach the playback and the
// file browser, the folder choice, the save-name dialog, and the batch state
// all tabs share. The session owns one BatchTabContext and fills every hook
// before a tab is made; tests replace the seams they script.
#include <QString>

#include <array>
#include <functional>

#include "ConvertDriver.h"
#include "FolderChoice.h"

class OperationLogs;
class QLineEdit;
class QProgressBar;
class QWidget;
class TMKBoxDlg;
struct SettingsValues;

// The six batch tabs, in page order.
enum class BatchTab { Conversion, Join, Separation, Reversal, ListJoin, Rename };
inline constexpr int BatchTabTotal = 6;

// The run flags of one tab. The reversal and fmt runs share TabSheet4's.
struct TabRunFlags {
    bool busy = false;    // a run of this tab is under way: a second start does nothing
    bool cancel = false;  // the tab's stop button was pressed (or an Abort answer)
};

// The batch state of the whole program.
struct BatchState {
    std::array<TabRunFlags, BatchTabTotal> tabs{};
    bool running = false;   // some batch run is at work (other handlers consult it)
    bool listBusy = false;  // clicks on the file list and the registration lists do nothing
    bool closing = false;   // the window is closing: a run keeps nothing it has not finished

    TabRunFlags& flags(BatchTab tab) { return tabs[static_cast<size_t>(tab)]; }
    const TabRunFlags& flags(BatchTab tab) const { return tabs[static_cast<size_t>(tab)]; }
};

struct BatchTabContext {
    SettingsValues& settings;
    OperationLogs& logs;
    TMKBoxDlg& box;  // the main window's message box (MKBoxDlg1)
    BatchState& batch;
    QLineEdit* status = nullptr;        // Edit_File_Disp: red with white text during a run
    QProgressBar* progress = nullptr;   // files done of files to do during a run
    QWidget* window = nullptr;          // owner of the dialogs the tabs open

    // Stops any sound the program plays and closes the playback device.
    std::function<void()> stopPlayback = [] {};
    // Shows a folder (without trailing separator) in the file browser.
    std::function<void(const QString& folder)> showFolder = [](const QString&) {};
    // The folder choice commands P_MUON_DIRClick ... P_KL_DIRClick.
    std::function<void(OutputFolder folder)> chooseFolder = [](OutputFolder) {};
    // Lets the user name an output: the chosen path, "" to skip, "@" to stop.
    // The session sets it to the save dialog SaveDialog2 (SaveNameDialog.h).
    AskSaveName askSaveName{};
};
