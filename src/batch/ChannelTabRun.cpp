#include "ChannelTabRun.h"

#include "BatchTabPage.h"
#include "RegistrationList.h"

void RunChannelBatch(BatchTabContext& context, const BatchRunSpec& spec, ChannelJob job, RegistrationList* list,
                     bool all, const QString& folder, bool ownNames)
{
    RunBatch(context, spec, [&](const RunHooks& hooks) {
        const std::vector<std::string> sources = SelectedSources(list, all);
        const ChannelBatchResult result =
            ChannelBatch(job, sources, folder.toStdString(), {.ownNames = ownNames}, hooks, context.askSaveName);
        return result.lastFolder;
    });
}
