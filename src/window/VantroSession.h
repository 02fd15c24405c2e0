#pragma once
// One run of the main window: what its faces and commands share besides the
// window's own run state (settings values, the nine logs, the folder history
// and the two line lists), the start-up and closing steps that move that
// state between the settings store, the list files and the window, and the
// wiring of the faces to the playback procedures.
#include <QStringList>

#include <memory>
#include <optional>

#include "BatchTabContext.h"
#include "CutFaceContext.h"
#include "CutWorkState.h"
#include "FolderChoice.h"
#include "MediaDevice.h"
#include "Playback.h"
#include "OperationLogs.h"
#include "RegistrationLists.h"
#include "SettingsValues.h"
#include "VANTRO_FM.h"

class CutFileCommands;
class CutMenu;
class CutRun;
class FaceSwitches;
class TFileBrowser;
class TimePopups;
class TimeExchangeCommands;
class TTabSheet1;
class TTabSheet5;
class TTabSheet6;

struct ProgramState {
    SettingsValues settings;
    std::optional<OperationLogs> logs;  // made with the window's message box
    TFileBrowser* browser = nullptr;    // the file face's drives, folders and files
    std::unique_ptr<RegistrationLists> lists;
    // Playback: the device and the procedures that drive it over the
    // window's device state (declared in this order so that the procedures
    // go before the device).
    std::unique_ptr<MediaDevice> device;
    std::unique_ptr<Playback> playback;
    // The list-join and rename tabs; their lists hold the lines of the list
    // files "KL.LIS" and "IR.LIS" from stage B to shutdown.
    TTabSheet5* listJoinTab = nullptr;
    TTabSheet6* renameTab = nullptr;
    // The batch tabs: their shared state, what the session gives them, the
    // time popups of the conversion, join and list-join tabs.
    BatchState batch;
    std::unique_ptr<BatchTabContext> batchContext;
    TimePopups* timePopups = nullptr;
    TTabSheet1* conversionTab = nullptr;
    // The cut face: the file in work, what the face's widgets share, and
    // the switches between the two faces.
    CutWorkState cutWork;
    std::unique_ptr<CutFaceContext> cutContext;
    FaceSwitches* faceSwitches = nullptr;
    // The cut file's row commands, the cut and the cut menu of the time lists.
    CutFileCommands* cutFile = nullptr;
    CutRun* cutRun = nullptr;
    CutMenu* cutMenu = nullptr;
    // Times at the pauses, read from and written to other programs' files.
    TimeExchangeCommands* timeExchange = nullptr;
};

class VantroSession {
public:
    VantroSession();

    ProgramState& state() { return state_; }
    // The steps to hand to the main window.
    VantroSteps steps();
    // Replaces the folder-setting dialog (tests).
    void setFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }
    // The parameters the program was started with: the command-line join
    // walks them once stage B has completed.
    void setCommandLine(const QStringList& parameters) { commandLine_ = parameters; }
    // Opens WAV files given to the program (see OpenedFiles.h).
    void openFiles(TTALVO_VANTRO& window, const QStringList& parameters);
    // What another start of the program handed over: the uninstaller's
    // "/uninstall" runs the uninstaller in this window; anything else is
    // opened as files.
    void takeHandedOver(TTALVO_VANTRO& window, const QString& text);
    // Replaces the batches' save-name dialog (tests); before the window is made.
    void setAskSaveName(AskSaveName ask) { askSaveName_ = std::move(ask); }

    // The folder choice commands (MF_SAVE_DIRClick, P_MUON_DIRClick, ...).
    void chooseFolder(TTALVO_VANTRO& window, OutputFolder folder);

    // The menu commands of the settings flags that act on the faces.
    void MF_FileOnlyClick(TTALVO_VANTRO& window);
    void MF_ALLClick(bool checked);
    void MO_M_SORTClick(bool checked);
    void TALVO_COLORClick(TTALVO_VANTRO& window);
    void BackColorClick(TTALVO_VANTRO& window);

private:
    void create(TTALVO_VANTRO& window);
    void firstRunPrompt(TTALVO_VANTRO& window);
    void stageB(TTALVO_VANTRO& window);
    void save(TTALVO_VANTRO& window);

    void placeFileFace(TTALVO_VANTRO& window);
    void makeBatchContext(TTALVO_VANTRO& window);
    void placeBatchTabs(TTALVO_VANTRO& window);
    void loadLists(TTALVO_VANTRO& window);
    void loadLineLists();
    void joinCommandLine(TTALVO_VANTRO& window);
    void placePlayback(TTALVO_VANTRO& window);
    void wirePlayback(TTALVO_VANTRO& window);
    void placeCutFace(TTALVO_VANTRO& window);
    void placeCutFile(TTALVO_VANTRO& window);
    void placeTimeExchange(TTALVO_VANTRO& window);
    QString cutFileCaption(TTALVO_VANTRO& window) const;
    void play(TTALVO_VANTRO& window, const QString& path, QWidget* list);
    void stopDevices();
    void applyFileOnly(TTALVO_VANTRO& window);
    void bindMenus(TTALVO_VANTRO& window);
    void showSettingsInMenus(TTALVO_VANTRO& window);
    void applyColourSchemes(TTALVO_VANTRO& window);
    void applyBackColour(TTALVO_VANTRO& window);
    QList<QWidget*> colouredControls(TTALVO_VANTRO& window) const;
    void showSplitFolder(TTALVO_VANTRO& window, const QString& folder);
    FolderChooser dialogChooser(TTALVO_VANTRO& window);

    ProgramState state_;
    FolderChooser chooser_;
    QStringList commandLine_;
    AskSaveName askSaveName_;
};
