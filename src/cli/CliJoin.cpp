#include "CliJoin.h"

#include "CliPrompt.h"
#include "CliTimes.h"
#include "JoinDriver.h"

void RunJoin(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    JoinSettings settings;
    settings.listSources = false;  // the command line prints no list of the joined files
    const BatchCall call = ReadBatchCall(args, ReadBatchTimes(args, "join", settings), "join");
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const JoinResult result = JoinBatch(call.sources, call.outputFolder, settings, hooks);
        return result.started && !result.stopped && result.failed == 0 && !result.output.empty() &&
               result.joined == static_cast<int>(call.sources.size());
    });
}
