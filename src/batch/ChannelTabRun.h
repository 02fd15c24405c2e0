#pragma once
// A separation, reversal or fmt run of a tab over its registration list.
#include <QString>

#include "BatchRun.h"
#include "ChannelBatch.h"

class RegistrationList;

// Runs `job` over the list's selected rows (every row with `all`) into
// `folder`, naming outputs through the save dialog when `ownNames`.
void RunChannelBatch(BatchTabContext& context, const BatchRunSpec& spec, ChannelJob job, RegistrationList* list,
                     bool all, const QString& folder, bool ownNames);
