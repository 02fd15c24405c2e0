#include "CliChannelBatch.h"

#include "ChannelBatch.h"
#include "CliOutput.h"
#include "CliPrompt.h"
#include "CliTimes.h"

namespace {

void RunJob(ChannelJob job, const std::string& name, CommandArgs& args, std::string& ErrorText,
            std::FILE* out)
{
    const BatchCall call = ReadBatchCall(args, 0, name);
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const ChannelBatchResult result = ChannelBatch(job, call.sources, call.outputFolder, {}, hooks);
        return result.started && !result.stopped && result.failed == 0 &&
               result.written == OutputsPerSource(job) * static_cast<int>(call.sources.size());
    });
}

}  // namespace

void RunSeparate(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    RunJob(ChannelJob::Separate, "separate", args, ErrorText, out);
}

void RunReverse(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    RunJob(ChannelJob::Reverse, "reverse", args, ErrorText, out);
}

void RunFmt(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    RunJob(ChannelJob::Fmt, "fmt", args, ErrorText, out);
}
