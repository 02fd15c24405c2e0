#include "CliConvert.h"

#include "CliPrompt.h"
#include "CliSilenceCut.h"
#include "CliTimes.h"
#include "ConvertDriver.h"

void RunConvert(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    ConvertSettings settings;
    auto silenceCut = [&](const std::string& option, size_t& at) {
        return ReadSilenceCutOption(args, option, at, settings.silenceCut, settings.silenceLevels);
    };
    const BatchCall call = ReadBatchCall(args, ReadBatchTimes(args, "convert", settings, silenceCut), "convert");
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const ConvertResult result = ConvertBatch(call.sources, call.outputFolder, settings, hooks);
        return result.started && !result.stopped && result.failed == 0 &&
               result.converted == static_cast<int>(call.sources.size());
    });
}
