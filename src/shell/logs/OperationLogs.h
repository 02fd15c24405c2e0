#pragma once
// The nine operation logs of the program, their show-off options, their menu
// commands by handler name, and what shutdown does with them.
#include <array>
#include <deque>
#include <string_view>

#include "LogTexts.h"
#include "OperationLog.h"

// The command of the log menus named `name` ("P_HENKAN_KIROKUClick", ...);
// null when no log command has that name.
const LogCommand* FindLogCommand(std::string_view name);

class OperationLogs {
public:
    // The logs report through `box`; their time stamps come from `clock`.
    explicit OperationLogs(TMKBoxDlg& box, LogClock clock = std::chrono::system_clock::now);
    OperationLogs(const OperationLogs&) = delete;
    OperationLogs& operator=(const OperationLogs&) = delete;

    OperationLog& log(LogKind kind);
    OperationLog& cut() { return log(LogKind::Cut); }
    OperationLog& conversion() { return log(LogKind::Conversion); }
    OperationLog& join() { return log(LogKind::Join); }
    OperationLog& joinFiles() { return log(LogKind::JoinFiles); }
    OperationLog& separation() { return log(LogKind::Separation); }
    OperationLog& reversal() { return log(LogKind::Reversal); }
    OperationLog& listJoin() { return log(LogKind::ListJoin); }
    OperationLog& listJoinFiles() { return log(LogKind::ListJoinFiles); }
    OperationLog& rename() { return log(LogKind::Rename); }

    ShowOffSwitch& showOff(ShowOffOption option);

    // Runs a log command as its menu item does: show with the command as the
    // caller, clear, show the last file, or flip the show-off option.
    void run(const LogCommand& command);
    // The same by handler name; false when no log command has that name.
    bool runCommand(std::string_view name);

    // At shutdown: every batch record that holds lines is written and opened,
    // whatever its show-off option (reversal, separation, files used by join,
    // join, conversion, files used by list join, list join). The cut and
    // rename logs are left alone.
    void showAtShutdown();

private:
    LogContext context_;
    std::array<ShowOffSwitch, ShowOffOptionCount> showOff_;
    std::deque<OperationLog> logs_;  // by LogKind; a deque keeps them in place
};
