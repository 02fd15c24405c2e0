// Start-up reading of the settings: stage A (position and output folders)
// and stage B (everything else), from an in-memory key.
#include <QDir>

#include "MemorySettingsStore.h"
#include "SettingsFields.h"
#include "SettingsFolders.h"
#include "SettingsLoad.h"
#include "SettingsTestSupport.h"
#include "WindowPlacement.h"

class SettingsStageA : public SettingsTest {};
class SettingsStageB : public SettingsTest {};

namespace {

const QStringList kStageANames = {"FP", "FS", "FSPLIT", "SAVE_DIR", "MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"};

SettingsValues StageA(const MemorySettingsStore& store)
{
    SettingsValues values;
    LoadStageA(store, values, SettingsTest::Geometry());
    return values;
}

SettingsValues StageB(const MemorySettingsStore& store)
{
    SettingsValues values;
    LoadStageB(store, values);
    return values;
}

}  // namespace

TEST_F(SettingsStageA, FirstRunTakesEveryDefaultAndLeavesTheKeyAlone)
{
    MemorySettingsStore store;
    SettingsValues values;
    LoadStageA(store, values, Geometry());
    EXPECT_EQ(values.FP, QPoint(192, 144));
    EXPECT_EQ(values.SAVE_DIR, "@@@@@\\");
    EXPECT_FALSE(BatchFoldersSet(values));
    EXPECT_EQ(store.reads(), kStageANames);

    LoadStageB(store, values);
    EXPECT_EQ(store.reads(), kStageANames + StageBValueNames());
    EXPECT_TRUE(store.untouched());
    EXPECT_EQ(values.CPath, QString::fromStdString(DefaultBrowserFolder()));

    SettingsValues defaults;
    defaults.FP = values.FP;
    defaults.CPath = values.CPath;
    for (const QString& name : StageBValueNames())
        EXPECT_EQ(SettingsValueText(values, name), SettingsValueText(defaults, name)) << name.toStdString();
    EXPECT_TRUE(values.FUN && values.minihelp && values.Start_TM && values.AUTO_NAME && values.TALVO_COLOR);
    EXPECT_FALSE(values.BackColor);
    EXPECT_EQ(values.DirNo, 1);
    EXPECT_EQ(values.ML8_G, 1);
    EXPECT_EQ(values.ML16_G, 1);
    EXPECT_EQ(values.G_TM_MU, 5);
}

TEST_F(SettingsStageA, PositionIsHeldInsideTheWorkArea)
{
    EXPECT_EQ(StageA(MemorySettingsStore{{"FP", "57,90"}}).FP, QPoint(57, 90));
    // Right and bottom edges meet the work area's.
    EXPECT_EQ(StageA(MemorySettingsStore{{"FP", "5000,5000"}}).FP, QPoint(1024 - 640, 768 - 480));
    // Not two decimal numbers: centred.
    for (const char* text : {"5790", "a,b", "57,"})
        EXPECT_EQ(StageA(MemorySettingsStore{{"FP", text}}).FP, QPoint(192, 144)) << text;

    const WorkAreaRect work{100, 30, 924, 708};  // panels on the left and at the top
    EXPECT_EQ(PlaceWindow("-300,0", QSize(640, 480), QSize(1024, 768), work), QPoint(100, 30));
    EXPECT_EQ(PlaceWindow("5000,5000", QSize(640, 480), QSize(1024, 768), work), QPoint(384, 258));
    // Larger than the work area: its left and top edges stay visible.
    EXPECT_EQ(PlaceWindow("5000,5000", QSize(2000, 1000), QSize(1024, 768), work), QPoint(100, 30));
    EXPECT_EQ(CentredWindowPosition(QSize(800, 600), QSize(1001, 701)), QPoint(-100, -50));
}

TEST_F(SettingsStageA, SizeAndSplittersAreHeldInsideTheWorkAreaOrDropped)
{
    const SettingsValues stored =
        StageA(MemorySettingsStore{{"FS", "800,600"}, {"FP", "5000,5000"}, {"FSPLIT", "620,310;360,0"}});
    EXPECT_EQ(stored.FS, QSize(800, 600));
    EXPECT_EQ(stored.FP, QPoint(1024 - 800, 768 - 600));  // placed with the stored size
    EXPECT_EQ(stored.FSPLIT, "620,310;360,0");
    // Larger than the work area: each side takes the work area's.
    EXPECT_EQ(StageA(MemorySettingsStore{{"FS", "3000,500"}}).FS, QSize(1024, 500));
    // Malformed: the first size and the splitters' first sizes.
    for (const char* text : {"800", "0,600", "-800,600", "a,b", "800,600,1"})
        EXPECT_EQ(StageA(MemorySettingsStore{{"FS", text}}).FS, QSize(640, 480)) << text;
    for (const char* text : {"620;", "620,x", "0,0", "620,-1", ";"})
        EXPECT_TRUE(StageA(MemorySettingsStore{{"FSPLIT", text}}).FSPLIT.isEmpty()) << text;
    EXPECT_EQ(ParseSplitterSizes("620,310;360,240"), (std::vector<QList<int>>{{620, 310}, {360, 240}}));
    EXPECT_EQ(SplitterSizesText({{620, 310}, {360, 240}}), "620,310;360,240");
}

// A decorated window: the frame's margins count, so the framed window stays
// inside the work area where the client alone would already fit.
TEST_F(SettingsStageA, TheFrameIsHeldInsideTheWorkAreaToo)
{
    const WorkAreaRect work{0, 30, 1024, 738};
    const QMargins frame(4, 28, 4, 4);
    // The client fits at 384,258; with its frame it would overshoot by 8 and 32.
    EXPECT_EQ(FitFramedWindow(QPoint(384, 258), QSize(640, 480), frame, work),
              (FramedPlacement{QPoint(1024 - 648, 768 - 512), QSize(640, 480)}));
    // A client as large as the work area gives up the frame's part.
    EXPECT_EQ(FitFramedWindow(QPoint(0, 30), QSize(1024, 738), frame, work),
              (FramedPlacement{QPoint(0, 30), QSize(1016, 706)}));
    // Inside already: unchanged.
    EXPECT_EQ(FitFramedWindow(QPoint(10, 40), QSize(640, 480), frame, work),
              (FramedPlacement{QPoint(10, 40), QSize(640, 480)}));
}

TEST_F(SettingsStageA, SplitFolderFallsBackToTheUnsetMarker)
{
    for (const char* stored : {"", "\\", "@@@@@\\"})
        EXPECT_EQ(StageA(MemorySettingsStore{{"SAVE_DIR", stored}}).SAVE_DIR, "@@@@@\\") << stored;
    EXPECT_EQ(StageA(MemorySettingsStore{{"SAVE_DIR", HomeFolder() + "gone/"}}).SAVE_DIR, "@@@@@\\");
    EXPECT_EQ(StageA(MemorySettingsStore{{"SAVE_DIR", "C:\\TALVOT32\\SAVE_DIR\\"}}).SAVE_DIR, "@@@@@\\");
}

TEST_F(SettingsStageA, SplitFolderFoundBecomesTheCurrentDirectory)
{
    const QString cuts = MakeHomeFolder("Cuts");
    SettingsValues values = StageA(MemorySettingsStore{{"SAVE_DIR", cuts.chopped(1)}});
    EXPECT_EQ(values.SAVE_DIR, cuts);
    EXPECT_EQ(QDir::current(), QDir(cuts));

    // A folder named in other letter case is found through its real name.
    values = StageA(MemorySettingsStore{{"SAVE_DIR", HomeFolder() + "cUTS/"}});
    EXPECT_EQ(values.SAVE_DIR, cuts);

    // Parts go to the folder chosen; while none is, to ~/TALVOT32/SAVE_DIR/.
    EXPECT_EQ(SplitFilesFolder(values.SAVE_DIR), cuts);
    EXPECT_EQ(SplitFilesFolder(SplitFolderUnset()), HomeFolder() + "TALVOT32/SAVE_DIR/");
}

TEST_F(SettingsStageA, BatchFoldersAreExpandedOrDropped)
{
    const QString conversion = MakeHomeFolder("TALVOT32/MUON_DIR");
    const QString join = MakeHomeFolder("out/join");
    QDir::setCurrent(HomeFolder() + "out");
    MemorySettingsStore store{
        {"MUON_DIR", conversion.chopped(1)},           // without its separator
        {"WADD_DIR", "join"},                          // relative to the current directory
        {"LR_DIR", HomeFolder() + "missing/"},         // no longer there
        {"REV_DIR", "C:\\TALVOT32\\REV_DIR\\"},        // another system's form
        {"KL_DIR", HomeFolder() + "out/../out/join/"},
    };
    const SettingsValues values = StageA(store);
    EXPECT_EQ(values.MUON_DIR, conversion);
    EXPECT_EQ(values.WADD_DIR, join);
    EXPECT_EQ(values.LR_DIR, QString());
    EXPECT_EQ(values.REV_DIR, QString());
    EXPECT_EQ(values.KL_DIR, join);
    EXPECT_FALSE(BatchFoldersSet(values));
}

TEST_F(SettingsStageB, TextThatIsNotDecimalGivesTheDefault)
{
    for (const char* text : {"abc", "12abc", "0x10", "1.5", "99999999999", " "}) {
        const SettingsValues values = StageB(MemorySettingsStore{
            {"ML8_G", text}, {"G_TM_MU", text}, {"DirNo", text}, {"FUN", text}, {"SAVE_NAME", text}});
        EXPECT_EQ(values.ML8_G, 1) << text;
        EXPECT_EQ(values.G_TM_MU, 5) << text;
        EXPECT_EQ(values.DirNo, 1) << text;
        EXPECT_TRUE(values.FUN) << text;
        EXPECT_FALSE(values.SAVE_NAME) << text;
    }
    EXPECT_EQ(StageB(MemorySettingsStore{{"ML16_G", " 7 "}}).ML16_G, 7);
    EXPECT_TRUE(StageB(MemorySettingsStore{{"No_Memo", "2"}}).No_Memo);  // a flag is on for any number but 0
}

TEST_F(SettingsStageB, KeepsModesAndTabsInRange)
{
    EXPECT_EQ(StageB(MemorySettingsStore{{"MCUTF_G", "7"}}).MCUTF_G, 0);
    EXPECT_EQ(StageB(MemorySettingsStore{{"MCUTF_G", "-1"}}).MCUTF_G, 0);
    EXPECT_EQ(StageB(MemorySettingsStore{{"MCUTF_G", "3"}}).MCUTF_G, 3);
    EXPECT_EQ(StageB(MemorySettingsStore{{"TSNo", "3"}}).TSNo, 3);
    for (const char* text : {"6", "9", "-1"}) EXPECT_EQ(StageB(MemorySettingsStore{{"TSNo", text}}).TSNo, 0) << text;
}

TEST_F(SettingsStageB, TalvoColourWinsWhenBothSchemesAreStored)
{
    const SettingsValues values = StageB(MemorySettingsStore{{"TALVO_COLOR", "1"}, {"BackColor", "1"}});
    EXPECT_TRUE(values.TALVO_COLOR);
    EXPECT_FALSE(values.BackColor);
}

TEST(SettingsVersion, UnsetOrMalformedReadsAs255)
{
    EXPECT_EQ(StoredVersion(MemorySettingsStore{{"Version", "16"}}), 16);
    EXPECT_EQ(StoredVersion(MemorySettingsStore{}), 255);
    EXPECT_EQ(StoredVersion(MemorySettingsStore{{"Version", "x"}}), 255);
}
