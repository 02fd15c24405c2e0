#include "BatchRun.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QWidget>

#include <optional>

#include "BusyCursor.h"
#include "OperationLogs.h"
#include "WindowPrompt.h"

namespace {

// A flag set for the guard's lifetime; an enclosing run's setting returns after.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = before_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
    bool before_;
};

// What the window shows while a run is at work: the hourglass, the red
// status line, the stop button in place of the start buttons, the progress
// bar, and the running and list-busy flags. restore() puts it all back, once;
// the run's end calls it before the summary, and leaving the run in any other
// way does it too.
class RunScreen {
public:
    RunScreen(BatchTabContext& context, const BatchRunSpec& spec)
        : context_(context), spec_(spec)
    {
        busy_.emplace();
        running_.emplace(context.batch.running);
        listBusy_.emplace(context.batch.listBusy);
        if (QLineEdit* status = context_.status) {
            statusPalette_ = status->palette();
            QPalette red = status->palette();
            red.setColor(QPalette::Base, Qt::red);
            red.setColor(QPalette::Text, Qt::white);
            status->setPalette(red);
        }
        QCoreApplication::processEvents();
        showRunning(true);
        if (QProgressBar* bar = context_.progress) {
            bar->setRange(0, 1);
            bar->setValue(0);
            bar->show();
        }
    }

    ~RunScreen() { restore(); }

    RunScreen(const RunScreen&) = delete;
    RunScreen& operator=(const RunScreen&) = delete;

    void restore()
    {
        if (!busy_) return;
        showRunning(false);
        if (context_.progress) context_.progress->hide();
        if (context_.status && statusPalette_) context_.status->setPalette(*statusPalette_);
        listBusy_.reset();
        running_.reset();
        busy_.reset();
    }

private:
    void showRunning(bool running)
    {
        for (QWidget* button : spec_.startButtons) button->setVisible(!running);
        for (QWidget* control : spec_.disabled) control->setEnabled(!running);
        if (spec_.cancelButton) spec_.cancelButton->setVisible(running);
    }

    BatchTabContext& context_;
    const BatchRunSpec& spec_;
    std::optional<BusyCursor> busy_;
    std::optional<FlagGuard> running_;
    std::optional<FlagGuard> listBusy_;
    std::optional<QPalette> statusPalette_;
};

// Moves the file browser to the folder last written to, when there is one.
void ShowLastFolder(BatchTabContext& context, const std::string& lastFolder)
{
    const QString folder = QString::fromStdString(lastFolder);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) context.showFolder(folder);
}

}  // namespace

bool RunBatch(BatchTabContext& context, const BatchRunSpec& spec,
              const std::function<std::string(const RunHooks& hooks)>& body)
{
    context.stopPlayback();
    TabRunFlags& flags = context.batch.flags(spec.tab);
    if (flags.busy) return false;
    FlagGuard busy(flags.busy);
    flags.cancel = false;
    std::string lastFolder;
    bool folderShown = false;
    {
        RunScreen screen(context, spec);
        WindowPrompt prompt(context.box);
        RunHooks hooks{prompt};
        OperationLog& log = context.logs.log(spec.log);
        hooks.log = [&log](const std::string& line) { log.append(QString::fromStdString(line)); };
        hooks.pendingMessages = [&flags] {
            QCoreApplication::processEvents();
            return flags.cancel;
        };
        hooks.closing = [&context] { return context.batch.closing; };
        hooks.status = [&context](const std::string& text) {
            if (!context.status) return;
            context.status->setText(QString::fromStdString(text));
            context.status->repaint();
        };
        hooks.progress = [&context](size_t done, size_t total) {
            if (!context.progress) return;
            context.progress->setRange(0, static_cast<int>(total));
            context.progress->setValue(static_cast<int>(done));
        };
        hooks.workDone = [&](const std::string& folder) {
            ShowLastFolder(context, folder);
            folderShown = !folder.empty();
            screen.restore();
        };
        lastFolder = body(hooks);
    }
    // A driver that did not name its folder at the end still has it shown.
    if (!folderShown) ShowLastFolder(context, lastFolder);
    for (LogKind kind : spec.shownLogs) context.logs.log(kind).showRecord(LogCaller::Other);
    return true;
}

void CancelBatch(BatchTabContext& context, BatchTab tab)
{
    context.batch.flags(tab).cancel = true;
    QCoreApplication::processEvents();
}
