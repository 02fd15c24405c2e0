#pragma once
// The window side of a batch run, the same for every tab: stops playback,
// guards the tab's busy flag, paints the status line red with white text (the
// driver writes its start text there), shows the hourglass, hides the start
// buttons behind the stop button, and binds the driver's hooks (prompt to the
// message box, pending messages to the event loop and the tab's stop flag,
// status to the status line, progress to the progress bar). When the driver's
// work is done, before its summary, the screen is put back as it was and the
// file browser shows the folder last written to; after the driver the tab's
// logs are shown.
#include <QList>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "BatchTabContext.h"
#include "LogTexts.h"
#include "RunHooks.h"

class QWidget;

struct BatchRunSpec {
    BatchTab tab;
    QList<QWidget*> startButtons{};     // hidden during the run
    QWidget* cancelButton = nullptr;    // shown during the run (Btn_HEN_CANSEL, ...)
    QList<QWidget*> disabled{};         // disabled during the run (ColorBtn7 for the fmt run)
    LogKind log = LogKind::Conversion;  // receives the run's log lines (hooks.log)
    std::vector<LogKind> shownLogs{};   // shown at the end with the batch as caller, in order
};

// Runs `body` as one run of the tab. The body gets the bound hooks, calls the
// driver and returns the folder last written to (without trailing separator,
// empty when none). Returns false, doing nothing, when a run of the tab is
// already under way.
bool RunBatch(BatchTabContext& context, const BatchRunSpec& spec,
              const std::function<std::string(const RunHooks& hooks)>& body);

// The stop buttons' handler (Btn_HEN_CANSELClick, ...): sets the tab's cancel
// flag and lets pending messages run.
void CancelBatch(BatchTabContext& context, BatchTab tab);
