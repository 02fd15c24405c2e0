#include "CliChannelBatch.h"

#include <vector>

#include "ChannelBatch.h"
#include "CliOutput.h"
#include "CliPrompt.h"

namespace {

void RunJob(ChannelJob job, const std::string& name, const CommandArgs& args, std::string& ErrorText,
            std::FILE* out)
{
    if (args.size() < 2) throw UsageError(name + " needs OUTDIR and at least one SOURCE");
    const std::string outputFolder = args.text(0);
    std::vector<std::string> sources;
    for (size_t i = 1; i < args.size(); ++i) sources.push_back(args.text(i));

    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const ChannelBatchResult result = ChannelBatch(job, sources, outputFolder, {}, hooks);
        return result.started && !result.stopped && result.failed == 0 &&
               result.written == OutputsPerSource(job) * static_cast<int>(sources.size());
    });
}

}  // namespace

void RunSeparate(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    RunJob(ChannelJob::Separate, "separate", args, ErrorText, out);
}

void RunReverse(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    RunJob(ChannelJob::Reverse, "reverse", args, ErrorText, out);
}

void RunFmt(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    RunJob(ChannelJob::Fmt, "fmt", args, ErrorText, out);
}
