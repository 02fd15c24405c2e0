#pragma once
// TTALVO_VANTRO: the main window. It holds the menus, the two faces (the cut
// face Panel_CUT and the file face Panel_DFF, which lies over it), the
// message box MKBoxDlg1, and the timers of start-up. What start-up and
// closing load, ask and save is handed in as VantroSteps, so the window keeps
// only their order and their rules.
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

#include "MainMenus.h"
#include "Shortcuts.h"
#include "WindowState.h"

class HintSwitch;
class QStackedWidget;
class QTimer;
class TCutFace;
class TFileFace;
class TMKBoxDlg;
class TTALVO_VANTRO;

// The steps of start-up and closing that the settings, logs, lists and
// devices provide. Each may be left empty.
struct VantroSteps {
    using Step = std::function<void(TTALVO_VANTRO&)>;
    // Window creation, once the faces are laid out: settings stage A and the
    // rest of what creation sets up.
    Step create;
    // True when an output folder is still to be chosen: Timer6 then runs the
    // first-run prompt before stage B.
    std::function<bool(TTALVO_VANTRO&)> firstRunNeeded;
    Step firstRunPrompt;
    // Start-up stage B, on Timer_Create's tick; the completion marker is set after it.
    Step stageB;
    // The command line, walked once stage B has completed.
    Step commandLine;
    // The first close request: stop playback and close the device.
    Step stopDevices;
    // The first close request after stage B: lists, logs and settings.
    Step save;
    // The BackColor scheme, applied again when the window takes its colours.
    Step applyBackColor;
};

class TTALVO_VANTRO : public QMainWindow {
    Q_OBJECT
public:
    explicit TTALVO_VANTRO(VantroSteps steps = {}, QWidget* parent = nullptr);
    ~TTALVO_VANTRO() override;

    WindowState& state() { return state_; }
    const MainMenus& menus() const { return menus_; }

    // Shows the file face (true) or the cut face, and records which.
    void showFileFace(bool shown);

    // The window's hints, with HELP3's check (setting minihelp).
    bool hintsShown() const;
    void setHintsShown(bool shown);

    // The launcher paths for the program group `group` (setting Group).
    void setShortcutGroup(const QString& group);
    const ShortcutPaths& shortcutPaths() const { return shortcutPaths_; }

    // True once the uninstaller has removed the settings: the window then
    // closes without writing them back.
    bool settingsRemoved() const { return settingsRemoved_; }

    // A list or edit control that takes this window's colour and font while
    // no colour scheme is on.
    void addParentColouredControl(QWidget* control);

    TMKBoxDlg* MKBoxDlg1;
    TCutFace* Panel_CUT;
    TFileFace* Panel_DFF;
    QTimer* Timer_Create;  // 200 ms, one shot: start-up stage B
    QTimer* Timer6;        // 200 ms, one shot: the first-run prompt

public slots:
    void MF_XClick();
    void MOption0Click();
    void MICON_SETClick(QAction* item);
    void MDESK_SETClick(QAction* item);
    void HELP_MOKUJIClick();
    void HELP_KEYWORDClick();
    void HELP3Click();
    void MHELP_VERCUTClick();
    void MHELP_UNINSTALLClick();
    void PAKIClick();
    void Timer_CreateTimer();
    void Timer6Timer();
    void FormPaint();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void connectMenus();
    void sizeForCutFace();
    void run(const VantroSteps::Step& step);

    VantroSteps steps_;
    WindowState state_;
    MainMenus menus_;
    QStackedWidget* faces_;
    HintSwitch* hints_;
    ShortcutPaths shortcutPaths_;
    QList<QPointer<QWidget>> parentColoured_;
    bool settingsRemoved_ = false;
};
