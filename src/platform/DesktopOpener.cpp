#include "DesktopOpener.h"

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#else
#include <QDesktopServices>
#endif

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {

// An opener that cannot open a file says so within a fraction of this.
constexpr int kQuickAnswerMs = 1000;
// A failure reported later than this comes from a viewer that the user has
// had on the screen (an opener that runs the viewer until it is closed ends
// with the viewer's exit code): it is not taken as a failure to show.
constexpr qint64 kLateFailureMs = 20000;

bool Succeeded(const QProcess& process)
{
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A local file is handed over by its path, which every viewer takes;
// anything else (a page's anchor included) by its URL.
QString OpenerArgument(const QUrl& target)
{
    return target.isLocalFile() && !target.hasFragment() ? target.toLocalFile() : target.toString();
}

}  // namespace

bool OpenWithDesktop(const QUrl& target, const std::function<void()>& lateFailure)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return false;
    // Made without a parent and deleted only once it has ended: a QProcess
    // destroyed while running ends its process, and a viewer still open
    // when the program ends must stay open.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({OpenerArgument(target)});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (process->waitForFinished(kQuickAnswerMs)) {
        const bool opened = Succeeded(*process);
        delete process;
        return opened;
    }
    QElapsedTimer clock;
    clock.start();
    QObject::connect(process, &QProcess::finished, process, [process, clock, lateFailure] {
        if (!Succeeded(*process) && clock.elapsed() < kLateFailureMs && lateFailure) lateFailure();
        process->deleteLater();
    });
    return true;
}

#else

bool OpenWithDesktop(const QUrl& target, const std::function<void()>&)
{
    return QDesktopServices::openUrl(target);
}

#endif
