#include "CliConvert.h"

#include "CliPrompt.h"
#include "CliTimes.h"
#include "ConvertDriver.h"

void RunConvert(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    ConvertSettings settings;
    const BatchCall call = ReadBatchCall(args, ReadBatchTimes(args, "convert", settings), "convert");
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const ConvertResult result = ConvertBatch(call.sources, call.outputFolder, settings, hooks);
        return result.started && !result.stopped && result.failed == 0 &&
               result.converted == static_cast<int>(call.sources.size());
    });
}
