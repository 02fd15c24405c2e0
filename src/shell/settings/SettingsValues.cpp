#include "SettingsValues.h"

bool BatchFoldersSet(const SettingsValues& values)
{
    for (const QString* folder : {&values.MUON_DIR, &values.WADD_DIR, &values.LR_DIR, &values.REV_DIR, &values.KL_DIR})
        if (folder->isEmpty()) return false;
    return true;
}
