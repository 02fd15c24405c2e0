#include "CliRename.h"

#include "CliListFile.h"
#include "CliPrompt.h"
#include "RenameDriver.h"

void RunRename(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const auto lines = ListFileLines(args.text(0), ErrorText);
    if (!lines) return;
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) {
        const RenameResult result = RenameBatch(*lines, hooks);
        return result.started && !result.stopped && result.refused == 0 && result.renamed > 0;
    });
}
