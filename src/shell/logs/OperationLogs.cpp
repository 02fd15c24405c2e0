#include "OperationLogs.h"

#include <algorithm>

namespace {

constexpr std::array kShutdownOrder = {
    LogKind::Reversal, LogKind::Separation,    LogKind::JoinFiles, LogKind::Join,
    LogKind::Conversion, LogKind::ListJoinFiles, LogKind::ListJoin,
};

}  // namespace

const LogCommand* FindLogCommand(std::string_view name)
{
    const auto found = std::find_if(kLogCommands.begin(), kLogCommands.end(),
                                    [name](const LogCommand& command) { return command.name == name; });
    return found == kLogCommands.end() ? nullptr : &*found;
}

OperationLogs::OperationLogs(TMKBoxDlg& box, LogClock clock)
    : context_{box, std::move(clock)}
{
    for (const LogTexts& texts : kLogTexts)
        logs_.emplace_back(texts, showOff(texts.showOff), context_);
}

OperationLog& OperationLogs::log(LogKind kind) { return logs_[static_cast<size_t>(kind)]; }

ShowOffSwitch& OperationLogs::showOff(ShowOffOption option) { return showOff_[static_cast<size_t>(option)]; }

void OperationLogs::run(const LogCommand& command)
{
    OperationLog& target = log(command.log);
    switch (command.operation) {
    case LogOperation::ShowRecord:
        target.showRecord(LogCaller::OwnShow);
        break;
    case LogOperation::ClearRecord:
        target.clearRecord();
        break;
    case LogOperation::ShowLastFile:
        target.showLastFile();
        break;
    case LogOperation::ToggleShowOff:
        target.toggleShowOff();
        break;
    }
}

bool OperationLogs::runCommand(std::string_view name)
{
    const LogCommand* command = FindLogCommand(name);
    if (command) run(*command);
    return command != nullptr;
}

void OperationLogs::showAtShutdown()
{
    for (LogKind kind : kShutdownOrder) log(kind).showRecord(LogCaller::MainWindow);
}
