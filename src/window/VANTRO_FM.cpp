#include "VANTRO_FM.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>

#include <utility>

#include "BusyCursor.h"
#include "CutFace.h"
#include "Desktop.h"
#include "FileFace.h"
#include "HintSwitch.h"
#include "Installation.h"
#include "MenuCommands.h"
#include "Mkdlg.h"
#include "ProgramIcon.h"
#include "ProgramInfo.h"
#include "SettingsStore.h"
#include "ShortcutCommands.h"
#include "WindowColours.h"

namespace {

constexpr int kStartUpTimerMs = 200;

QTimer* OneShotTimer(QObject* owner, const char* name)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(kStartUpTimerMs);
    timer->setSingleShot(true);
    return timer;
}

}  // namespace

TTALVO_VANTRO::TTALVO_VANTRO(VantroSteps steps, QWidget* parent)
    : QMainWindow(parent), steps_(std::move(steps))
{
    setObjectName(QStringLiteral("TALVO_VANTRO"));
    MKBoxDlg1 = new TMKBoxDlg(this);
    MKBoxDlg1->setObjectName(QStringLiteral("MKBoxDlg1"));
    menus_ = BuildMainMenus(*menuBar());

    faces_ = new QStackedWidget(this);
    Panel_CUT = new TCutFace(state_, faces_);
    Panel_DFF = new TFileFace(state_, faces_);
    faces_->addWidget(Panel_CUT);
    faces_->addWidget(Panel_DFF);
    faces_->setCurrentWidget(Panel_DFF);
    setCentralWidget(faces_);

    Timer_Create = OneShotTimer(this, "Timer_Create");
    Timer6 = OneShotTimer(this, "Timer6");
    connect(Timer_Create, &QTimer::timeout, this, &TTALVO_VANTRO::Timer_CreateTimer);
    connect(Timer6, &QTimer::timeout, this, &TTALVO_VANTRO::Timer6Timer);

    hints_ = new HintSwitch(*this);
    setShortcutGroup(QString());
    connectMenus();
    FormCreate();
}

TTALVO_VANTRO::~TTALVO_VANTRO() = default;

void TTALVO_VANTRO::connectMenus()
{
    const MainMenus& m = menus_;
    connect(m.MF_X, &QAction::triggered, this, &TTALVO_VANTRO::MF_XClick);
    connect(m.MOption0, &QMenu::aboutToShow, this, &TTALVO_VANTRO::MOption0Click);
    for (QAction* item : {m.MICON_SET, m.MICON_DEL})
        connect(item, &QAction::triggered, this, [this, item] { MICON_SETClick(item); });
    for (QAction* item : {m.MDESK_SET, m.MDESK_DEL})
        connect(item, &QAction::triggered, this, [this, item] { MDESK_SETClick(item); });
    connect(m.PAKI, &QAction::triggered, this, &TTALVO_VANTRO::PAKIClick);
    for (const auto& [item, kind] : {std::pair{m.MO_VOL_PLAY, VolumeKind::Playback},
                                     std::pair{m.MO_VOL_REC, VolumeKind::Recording},
                                     std::pair{m.MO_VOL_ETC, VolumeKind::Devices}})
        connect(item, &QAction::triggered, this, [this, kind] {
            VolumeCommand(*MKBoxDlg1, desktop(), kind, menus_.MO_VOL_SMALL->isChecked());
        });
    connect(m.HELP_MOKUJI, &QAction::triggered, this, &TTALVO_VANTRO::HELP_MOKUJIClick);
    connect(m.HELP_KEYWORD, &QAction::triggered, this, &TTALVO_VANTRO::HELP_KEYWORDClick);
    connect(m.HELP3, &QAction::triggered, this, &TTALVO_VANTRO::HELP3Click);
    connect(m.MHELP_VERCUT, &QAction::triggered, this, &TTALVO_VANTRO::MHELP_VERCUTClick);
    connect(m.MHELP_UNINSTALL, &QAction::triggered, this, &TTALVO_VANTRO::MHELP_UNINSTALLClick);
}

void TTALVO_VANTRO::run(const VantroSteps::Step& step)
{
    if (step) step(*this);
}

void TTALVO_VANTRO::FormCreate()
{
    state_.completionMarker = 0;
    BusyCursor busy;
    setWindowTitle(ProgramInfo::Title);
    setWindowIcon(ProgramIcon());
    Panel_CUT->Edit_Fn->clear();
    Panel_CUT->Edit_SFn->clear();
    sizeForCutFace();
    state_.media.FileFaceVisible = faces_->currentWidget() == Panel_DFF;
    run(steps_.create);
    const bool firstRun = steps_.firstRunNeeded && steps_.firstRunNeeded(*this);
    (firstRun ? Timer6 : Timer_Create)->start();
}

void TTALVO_VANTRO::sizeForCutFace()
{
    const QSize client = Panel_CUT->clientSize();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void TTALVO_VANTRO::Timer6Timer()
{
    Timer6->stop();
    run(steps_.firstRunPrompt);
    if (!state_.media.ClosingFlag) Timer_Create->start();
}

void TTALVO_VANTRO::Timer_CreateTimer()
{
    Timer_Create->stop();
    // A window already closing keeps what it had: stage B would load what
    // nothing saves any more.
    if (state_.media.ClosingFlag) return;
    {
        BusyCursor busy;
        run(steps_.stageB);
        state_.completionMarker = StageBComplete;
    }
    run(steps_.commandLine);
}

void TTALVO_VANTRO::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
}

void TTALVO_VANTRO::FormCloseQuery()
{
    // Only the first request stops and saves; a later one (from a click
    // while the first is still saving) does nothing.
    MediaState& media = state_.media;
    if (media.ClosingFlag) return;
    media.ClosingFlag = true;
    media.AbortFlag = true;
    BusyCursor busy;
    QCoreApplication::processEvents();
    run(steps_.stopDevices);
    QCoreApplication::processEvents();
    if (state_.completionMarker == StageBComplete) run(steps_.save);
}

void TTALVO_VANTRO::showFileFace(bool shown)
{
    faces_->setCurrentWidget(shown ? static_cast<QWidget*>(Panel_DFF) : Panel_CUT);
    state_.media.FileFaceVisible = shown;
    update();
}

bool TTALVO_VANTRO::hintsShown() const { return hints_->shown(); }

void TTALVO_VANTRO::setHintsShown(bool shown)
{
    menus_.HELP3->setChecked(shown);
    hints_->setShown(shown);
}

void TTALVO_VANTRO::setShortcutGroup(const QString& group)
{
    shortcutPaths_ = MakeShortcutPaths(ProgramInfo::Title, group);
}

void TTALVO_VANTRO::addParentColouredControl(QWidget* control) { parentColoured_.append(control); }

void TTALVO_VANTRO::MF_XClick() { close(); }

void TTALVO_VANTRO::MOption0Click()
{
    const ShortcutItemsShown shown = ShortcutItemsFor(shortcutPaths_);
    menus_.MICON_SET->setVisible(shown.startupSet);
    menus_.MICON_DEL->setVisible(shown.startupDel);
    menus_.MDESK_SET->setVisible(shown.desktopSet);
    menus_.MDESK_DEL->setVisible(shown.desktopDel);
}

void TTALVO_VANTRO::MICON_SETClick(QAction* item)
{
    StartupShortcutCommand(*MKBoxDlg1, shortcutPaths_, item == menus_.MICON_SET);
}

void TTALVO_VANTRO::MDESK_SETClick(QAction* item)
{
    DesktopShortcutCommand(*MKBoxDlg1, shortcutPaths_, item == menus_.MDESK_SET);
}

void TTALVO_VANTRO::HELP_MOKUJIClick() { HelpCommand(*MKBoxDlg1, desktop(), HelpTopic::Contents); }

void TTALVO_VANTRO::HELP_KEYWORDClick() { HelpCommand(*MKBoxDlg1, desktop(), HelpTopic::Index); }

void TTALVO_VANTRO::HELP3Click() { setHintsShown(menus_.HELP3->isChecked()); }

void TTALVO_VANTRO::MHELP_VERCUTClick() { VersionNumberDeleteCommand(*MKBoxDlg1, settingsStore()); }

void TTALVO_VANTRO::MHELP_UNINSTALLClick()
{
    const QString folder = QCoreApplication::applicationDirPath();
    if (!UninstallProgram(*MKBoxDlg1, settingsStore(), shortcutPaths_, RunsInstalled(folder) ? folder : QString()))
        return;
    settingsRemoved_ = true;
    close();
}

void TTALVO_VANTRO::PAKIClick()
{
    const MediaState& media = state_.media;
    DriveReportCommand(*MKBoxDlg1, desktop(), {media.SampleRate, media.SampleBits, media.ChannelCount});
}

void TTALVO_VANTRO::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormPaint();
}

void TTALVO_VANTRO::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange) FormPaint();
}

void TTALVO_VANTRO::FormPaint()
{
    if (menus_.TALVO_COLOR->isChecked()) return;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, UnschemedWindowColor(QApplication::palette()));
    setPalette(palette);
    for (const QPointer<QWidget>& control : parentColoured_)
        if (control) TakeParentColours(*control);
    run(steps_.applyBackColor);
}
