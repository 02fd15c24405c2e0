#include "CliListJoin.h"

#include "CliListFile.h"
#include "CliPrompt.h"
#include "CliTimes.h"
#include "ListJoinDriver.h"

void RunListJoin(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    BatchTimes times;
    const size_t at = ReadBatchTimes(args, "list-join", times);
    if (args.size() != at + 1) throw UsageError("list-join needs one LISTFILE after its options");
    const auto lines = ListFileLines(args.text(at), ErrorText);
    if (!lines) return;
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        // The command line prints no list of the joined files: none is kept.
        const ListJoinResult result = ListJoinBatch(*lines, times, hooks, false);
        return result.started && !result.stopped && result.failed == 0 && result.outputs > 0;
    });
}
