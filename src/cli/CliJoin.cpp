#include "CliJoin.h"

#include <vector>

#include "CliOutput.h"
#include "CliPrompt.h"
#include "CliTimes.h"
#include "JoinDriver.h"

namespace {

struct JoinCall {
    JoinSettings settings;
    std::string outputFolder;
    std::vector<std::string> sources;
};

JoinCall ReadCall(const CommandArgs& args)
{
    BatchTimes t;
    size_t at = ReadBatchTimes(args, "join", t);
    if (args.size() - at < 2) throw UsageError("join needs OUTDIR and at least one SOURCE");
    JoinCall call;
    call.settings = {t.headSeconds, t.headTenths, t.tailSeconds, t.tailTenths, t.fadeInSeconds, t.fadeOutSeconds};
    call.outputFolder = args.text(at++);
    while (at < args.size()) call.sources.push_back(args.text(at++));
    return call;
}

}  // namespace

void RunJoin(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const JoinCall call = ReadCall(args);
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const JoinResult result = JoinBatch(call.sources, call.outputFolder, call.settings, hooks);
        return result.started && !result.stopped && result.failed == 0 && !result.output.empty() &&
               result.joined == static_cast<int>(call.sources.size());
    });
}
