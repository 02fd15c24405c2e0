// VANTRO: the desktop program. Process start: the program's identity, Qt's
// Japanese texts and the folders, then the uninstaller, a hand-over to the
// instance already running, the installer window, or the main window.
#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <QWindow>

#include <memory>

#include "EngineBinding.h"
#include "Folders.h"
#include "InstallerWindow.h"
#include "InterruptCleanup.h"
#include "Installation.h"
#include "Mkdlg.h"
#include "OpenedFiles.h"
#include "ProgramIcon.h"
#include "ProgramInfo.h"
#include "QtTranslations.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "VANTRO_FM.h"
#include "VantroSession.h"

namespace {

// The installer window is single too, under a name of its own.
const QString kInstallerClass = QStringLiteral("TVANTRO_SETUP");

// The main window's socket is named after its class.
QString MainWindowClass() { return QString::fromLatin1(TTALVO_VANTRO::staticMetaObject.className()); }

// Listens as the running instance. False when another start took the name in
// the meantime and has been handed the text instead; a name that cannot be
// had at all leaves this start running without it.
bool BecomeRunningInstance(SingleInstance& instance, const QString& handed)
{
    return instance.listen() || !instance.handOver(handed);
}

// The program runs on after its main window has closed while one of its own
// record viewers is still open; from then on it is no longer the running
// instance, so that a new start opens a main window of its own.
int RunMainWindow(QApplication& app, std::unique_ptr<SingleInstance>& instance, const QString& handed)
{
    if (!BecomeRunningInstance(*instance, handed)) return 0;
    VantroSession session;
    session.setCommandLine(QCoreApplication::arguments().mid(1));
    TTALVO_VANTRO window(session.steps());
    BindEngineHost(*window.MKBoxDlg1);
    QObject::connect(instance.get(), &SingleInstance::received, &window, [&window, &session](const QString& text) {
        BringToFront(window);
        session.takeHandedOver(window, text);
    });
    window.show();
    QObject::connect(window.windowHandle(), &QWindow::visibleChanged, &window, [&instance](bool visible) {
        if (!visible) instance.reset();
    });
    return app.exec();
}

// An installed program finds its menu entry and icon in the system's places,
// so its first start only writes the settings; run from the build folder it
// opens the installer window, which also adds them for the user.
int RunInstaller(QApplication& app, std::unique_ptr<SingleInstance>& instance, const QString& handed)
{
    if (RunsInstalled(QCoreApplication::applicationDirPath())) {
        WriteInstalledSettings(settingsStore());
        return RunMainWindow(app, instance, handed);
    }
    SingleInstance installer(SingleInstanceName(kInstallerClass));
    if (installer.handOver(handed) || !BecomeRunningInstance(installer, handed)) return 0;
    TInstallerWindow window;
    QObject::connect(&installer, &SingleInstance::received, &window, [&window] { BringToFront(window); });
    if (window.exec() != QDialog::Accepted) return 0;
    return RunMainWindow(app, instance, handed);
}

// With a main window open, the uninstaller runs in it, so that the window
// does not write the settings back when it closes; else on its own.
int RunUninstaller(SingleInstance& running)
{
    if (running.handOver(QStringLiteral("/uninstall"))) return 0;
    TMKBoxDlg box;
    SettingsStore& store = settingsStore();
    const QString folder = QCoreApplication::applicationDirPath();
    UninstallProgram(box, store, MakeShortcutPaths(ProgramInfo::Title, store.read(QStringLiteral("Group"))),
                     RunsInstalled(folder) ? folder : QString());
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramInfo::Title);
    QApplication::setApplicationVersion(QString::number(ProgramInfo::Version));
    QApplication::setWindowIcon(ProgramIcon());
    InstallInterruptCleanup();
    LoadQtTranslations(app);
    InitFolders();

    const QStringList parameters = QCoreApplication::arguments().mid(1);
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    auto instance = std::make_unique<SingleInstance>(SingleInstanceName(MainWindowClass()));
    if (IsUninstallStart(parameters, executable)) return RunUninstaller(*instance);

    const QString handed = JoinedParameters(parameters);
    if (instance->handOver(handed)) return 0;

    if (InstallerNeeded(StoredVersionText(settingsStore()), executable)) return RunInstaller(app, instance, handed);
    return RunMainWindow(app, instance, handed);
}
