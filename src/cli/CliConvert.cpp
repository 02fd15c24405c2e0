#include "CliConvert.h"

#include <vector>

#include "CliOutput.h"
#include "CliPrompt.h"
#include "CliTimes.h"
#include "ConvertDriver.h"

namespace {

struct ConvertCall {
    ConvertSettings settings;
    std::string outputFolder;
    std::vector<std::string> sources;
};

ConvertCall ReadCall(const CommandArgs& args)
{
    BatchTimes t;
    size_t at = ReadBatchTimes(args, "convert", t);
    if (args.size() - at < 2) throw UsageError("convert needs OUTDIR and at least one SOURCE");
    ConvertCall call;
    call.settings = {t.headSeconds, t.headTenths, t.tailSeconds, t.tailTenths, t.fadeInSeconds, t.fadeOutSeconds};
    call.outputFolder = args.text(at++);
    while (at < args.size()) call.sources.push_back(args.text(at++));
    return call;
}

}  // namespace

void RunConvert(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const ConvertCall call = ReadCall(args);
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const ConvertResult result = ConvertBatch(call.sources, call.outputFolder, call.settings, hooks);
        return result.started && !result.stopped && result.failed == 0 &&
               result.converted == static_cast<int>(call.sources.size());
    });
}
