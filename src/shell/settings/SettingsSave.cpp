#include "SettingsSave.h"

#include "SettingsCaptions.h"
#include "SettingsFields.h"
#include "SettingsNumber.h"

const QStringList& SaveValueNames()
{
    static const QStringList names = {
        "FP",            "FS",            "FSPLIT",        "CPath",         "DirNo",         "M_Text",
        "G_Text",        "K_Text",        "LR_Text",       "REV_Text",      "DIR_Text",      "SAVE_DIR",
        "MUON_DIR",      "WADD_DIR",      "LR_DIR",        "REV_DIR",       "KL_DIR",        "BackColor",
        "No_Memo",       "M_SORT",        "G_SORT",        "K_SORT",        "LR_SORT",       "REV_SORT",
        "HENKAN_NO",     "KETUGO_NO",     "LR_NO",         "REV_NO",        "FileOnly",      "AUTO_NAME",
        "minihelp",      "FUN",           "Start_TM",      "RENZOKU",       "PTS",           "TALVO_COLOR",
        "SAVE_NAME",     "SAVE_NAME_G",   "SAVE_NAME_K",   "SAVE_NAME_LR",  "SAVE_NAME_REV", "MCUTF_G",
        "ML8_G",         "ML16_G",        "G_TM_MU",       "TM_MAE_G",      "TM_MAE_MS_G",   "TM_ATO_G",
        "TM_ATO_MS_G",   "TM_MAE_K",      "TM_MAE_MS_K",   "TM_ATO_K",      "TM_ATO_MS_K",   "TM_MAE_KL",
        "TM_MAE_MS_KL",  "TM_ATO_KL",     "TM_ATO_MS_KL",  "TM_IN_G",       "TM_OUT_G",      "TM_IN_K",
        "TM_OUT_K",      "TM_IN_KL",      "TM_OUT_KL",     "Combo_KL",      "TSNo",          "KL_Index",
        "IR_Index",
    };
    return names;
}

void TakeShutdownControls(SettingsValues& values, const ShutdownControls& controls)
{
    values.FP = controls.windowPosition;
    values.FS = controls.windowSize;
    values.FSPLIT = controls.splitterSizes;
    values.CPath = controls.browserFolder;
    values.M_Text = controls.M_Text.value_or(QString());
    values.G_Text = controls.G_Text.value_or(QString());
    values.K_Text = controls.K_Text.value_or(QString());
    values.LR_Text = controls.LR_Text.value_or(QString());
    values.REV_Text = controls.REV_Text.value_or(QString());
    values.DIR_Text = controls.DIR_Text.value_or(QString());
    values.ML8_G = DecimalNumber(controls.ML8_G).value_or(values.ML8_G);
    values.ML16_G = DecimalNumber(controls.ML16_G).value_or(values.ML16_G);
    values.Combo_KL = controls.Combo_KL;
    values.KL_Index = controls.KL_Index;
    values.IR_Index = controls.IR_Index;
    values.TSNo = TSNoFromTabIndex(controls.activeTab);
}

void SaveSettings(SettingsStore& store, const SettingsValues& values)
{
    for (const QString& name : SaveValueNames()) store.write(name, SettingsValueText(values, name));
}

bool SaveSettingsAtShutdown(SettingsStore& store, SettingsValues& values, const ShutdownControls& controls,
                            bool stageBCompleted)
{
    if (!stageBCompleted) return false;
    TakeShutdownControls(values, controls);
    SaveSettings(store, values);
    return true;
}
