#include "SettingsLoad.h"

#include "ColourSchemes.h"
#include "Folders.h"
#include "SettingsCaptions.h"
#include "SettingsFields.h"
#include "SettingsFolders.h"
#include "SettingsNumber.h"
#include "WindowPlacement.h"

int StoredVersion(const SettingsStore& store)
{
    return DecimalNumber(store.read(QStringLiteral("Version"))).value_or(SettingsValues{}.Version);
}

void LoadStageA(const SettingsStore& store, SettingsValues& values, const WindowGeometry& geometry)
{
    const QString storedFP = store.read(QStringLiteral("FP"));
    values.FS = SizeWindow(store.read(QStringLiteral("FS")), geometry.window, geometry.workArea);
    values.FP = PlaceWindow(storedFP, values.FS, geometry.screen, geometry.workArea);
    const QString storedSplitters = store.read(QStringLiteral("FSPLIT"));
    values.FSPLIT = ParseSplitterSizes(storedSplitters) ? storedSplitters : QString();
    values.SAVE_DIR = SplitFolderFromStored(store.read(QStringLiteral("SAVE_DIR")));
    values.MUON_DIR = BatchFolderFromStored(store.read(QStringLiteral("MUON_DIR")));
    values.WADD_DIR = BatchFolderFromStored(store.read(QStringLiteral("WADD_DIR")));
    values.LR_DIR = BatchFolderFromStored(store.read(QStringLiteral("LR_DIR")));
    values.REV_DIR = BatchFolderFromStored(store.read(QStringLiteral("REV_DIR")));
    values.KL_DIR = BatchFolderFromStored(store.read(QStringLiteral("KL_DIR")));
}

const QStringList& StageBValueNames()
{
    static const QStringList names = {
        "FUN",          "DirNo",         "CPath",        "M_Text",       "G_Text",      "K_Text",
        "LR_Text",      "REV_Text",      "DIR_Text",     "minihelp",     "BackColor",   "No_Memo",
        "M_SORT",       "G_SORT",        "K_SORT",       "LR_SORT",      "REV_SORT",    "HENKAN_NO",
        "KETUGO_NO",    "LR_NO",         "REV_NO",       "Start_TM",     "RENZOKU",     "PTS",
        "FileOnly",     "AUTO_NAME",     "TALVO_COLOR",  "SAVE_NAME",    "SAVE_NAME_G", "SAVE_NAME_K",
        "SAVE_NAME_LR", "SAVE_NAME_REV", "MCUTF_G",      "ML8_G",        "ML16_G",      "G_TM_MU",
        "TM_MAE_G",     "TM_MAE_MS_G",   "TM_ATO_G",     "TM_ATO_MS_G",  "TM_MAE_K",    "TM_MAE_MS_K",
        "TM_ATO_K",     "TM_ATO_MS_K",   "TM_MAE_KL",    "TM_MAE_MS_KL", "TM_ATO_KL",   "TM_ATO_MS_KL",
        "TM_IN_G",      "TM_OUT_G",      "TM_IN_K",      "TM_OUT_K",     "TM_IN_KL",    "TM_OUT_KL",
        "Combo_KL",     "TSNo",          "KL_Index",     "IR_Index",     "Group",
    };
    return names;
}

void LoadStageB(const SettingsStore& store, SettingsValues& values)
{
    for (const QString& name : StageBValueNames()) TakeSettingsValueText(values, name, store.read(name));
    if (values.CPath.isEmpty()) values.CPath = QString::fromStdString(DefaultBrowserFolder());
    values.MCUTF_G = SilenceCutMode(values.MCUTF_G);
    values.TSNo = TabIndexFromTSNo(values.TSNo);
    SettleColourSchemesAtStartUp(values);
}
