// The save at shutdown: what is taken from the controls, the texts written
// and their order, and the round trip through the next start.
#include "MemorySettingsStore.h"
#include "SettingsFields.h"
#include "SettingsLoad.h"
#include "SettingsSave.h"
#include "SettingsTestSupport.h"

class SettingsSave : public SettingsTest {};

namespace {

// The order the shutdown writes the values in.
const QStringList kSaveOrder = {
    "FP", "FS", "FSPLIT", "CPath", "DirNo", "M_Text", "G_Text", "K_Text", "LR_Text", "REV_Text",
    "DIR_Text", "SAVE_DIR",
    "MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR", "BackColor", "No_Memo", "M_SORT", "G_SORT",
    "K_SORT", "LR_SORT", "REV_SORT", "HENKAN_NO", "KETUGO_NO", "LR_NO", "REV_NO", "FileOnly",
    "AUTO_NAME", "minihelp", "FUN", "Start_TM", "RENZOKU", "PTS", "TALVO_COLOR", "SAVE_NAME",
    "SAVE_NAME_G", "SAVE_NAME_K", "SAVE_NAME_LR", "SAVE_NAME_REV", "MCUTF_G", "ML8_G", "ML16_G",
    "G_TM_MU", "TM_MAE_G", "TM_MAE_MS_G", "TM_ATO_G", "TM_ATO_MS_G", "TM_MAE_K", "TM_MAE_MS_K",
    "TM_ATO_K", "TM_ATO_MS_K", "TM_MAE_KL", "TM_MAE_MS_KL", "TM_ATO_KL", "TM_ATO_MS_KL", "TM_IN_G",
    "TM_OUT_G", "TM_IN_K", "TM_OUT_K", "TM_IN_KL", "TM_OUT_KL", "Combo_KL", "TSNo", "KL_Index",
    "IR_Index",
};

ShutdownControls Controls()
{
    ShutdownControls controls;
    controls.windowPosition = QPoint(57, 90);
    controls.windowSize = QSize(800, 500);
    controls.splitterSizes = "620,310;360,240";
    controls.browserFolder = "/srv/music/";
    controls.G_Text = QString::fromUtf8("曲.wav");
    controls.DIR_Text = "a.wav";
    controls.ML8_G = "4";
    controls.ML16_G = "300";
    controls.Combo_KL = 2;
    controls.KL_Index = 5;
    controls.IR_Index = 0;
    controls.activeTab = 3;
    return controls;
}

QString Written(const MemorySettingsStore& store, const QString& name) { return store.values().value(name); }

}  // namespace

TEST_F(SettingsSave, WritesEveryValueOnceInTheGivenOrder)
{
    MemorySettingsStore store;
    SettingsValues values;
    ASSERT_TRUE(SaveSettingsAtShutdown(store, values, Controls(), true));
    EXPECT_EQ(store.writtenNames(), kSaveOrder);
    EXPECT_EQ(SaveValueNames(), kSaveOrder);
    EXPECT_FALSE(store.values().contains("Version"));
    EXPECT_FALSE(store.values().contains("Group"));
}

TEST_F(SettingsSave, TakesTheControlsState)
{
    MemorySettingsStore store;
    SettingsValues values;
    SaveSettingsAtShutdown(store, values, Controls(), true);
    EXPECT_EQ(Written(store, "FP"), "57,90");
    EXPECT_EQ(Written(store, "FS"), "800,500");
    EXPECT_EQ(Written(store, "FSPLIT"), "620,310;360,240");
    EXPECT_EQ(Written(store, "SAVE_DIR"), "@@@@@\\");
    EXPECT_EQ(Written(store, "G_Text"), QString::fromUtf8("曲.wav"));
    EXPECT_EQ(Written(store, "K_Text"), QString());  // no row selected
    EXPECT_EQ(Written(store, "ML16_G"), "300");
    EXPECT_EQ(Written(store, "TSNo"), "3");
    EXPECT_EQ(values.ML16_G, 300);  // the levels in use follow the edit boxes
}

TEST_F(SettingsSave, NothingSelectedWritesEmptyTextsAndMinusOne)
{
    MemorySettingsStore store;
    SettingsValues values;
    values.G_Text = "old.wav";
    ShutdownControls controls;
    controls.ML8_G = "loud";  // not decimal: the level in use stays
    controls.ML16_G = "";
    values.ML8_G = 9;
    SaveSettingsAtShutdown(store, values, controls, true);
    for (const char* name : {"M_Text", "G_Text", "K_Text", "LR_Text", "REV_Text", "DIR_Text"})
        EXPECT_EQ(Written(store, name), QString()) << name;
    for (const char* name : {"Combo_KL", "KL_Index", "IR_Index"}) EXPECT_EQ(Written(store, name), "-1") << name;
    EXPECT_EQ(Written(store, "TSNo"), "6");
    EXPECT_EQ(Written(store, "ML8_G"), "9");
    EXPECT_EQ(Written(store, "ML16_G"), "1");
}

TEST_F(SettingsSave, ClosingBeforeStageBLeavesTheKeyAndValuesUntouched)
{
    MemorySettingsStore store{{"FP", "1,2"}};
    SettingsValues values;
    EXPECT_FALSE(SaveSettingsAtShutdown(store, values, Controls(), false));
    EXPECT_TRUE(store.untouched());
    EXPECT_EQ(values.FP, QPoint());
    EXPECT_EQ(values.ML8_G, 1);
}

TEST_F(SettingsSave, OutOfRangeCutModeIsSavedBackAsOff)
{
    MemorySettingsStore store{{"MCUTF_G", "7"}};
    SettingsValues values;
    LoadStageB(store, values);
    ShutdownControls controls = Controls();
    SaveSettingsAtShutdown(store, values, controls, true);
    EXPECT_EQ(Written(store, "MCUTF_G"), "0");
}

TEST_F(SettingsSave, NextStartReadsBackWhatWasSaved)
{
    const QString folder = MakeHomeFolder("TALVOT32/KL_DIR");
    SettingsValues saved;
    saved.KL_DIR = folder;
    saved.FUN = false;
    saved.No_Memo = true;
    saved.RENZOKU = 4;
    saved.MCUTF_G = 2;
    saved.G_TM_MU = 25;
    saved.TM_ATO_MS_KL = 7;
    saved.TM_OUT_K = -2;
    MemorySettingsStore store;
    SaveSettingsAtShutdown(store, saved, Controls(), true);

    SettingsValues loaded;
    LoadStageA(store, loaded, Geometry());
    LoadStageB(store, loaded);
    EXPECT_EQ(loaded.FP, QPoint(57, 90));
    for (const QString& name : SaveValueNames())
        EXPECT_EQ(SettingsValueText(loaded, name), SettingsValueText(saved, name)) << name.toStdString();
}
