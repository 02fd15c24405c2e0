// The folder choice commands and the first-run prompt, with a fake
// folder-setting dialog and scripted message boxes.
#include <QStringList>

#include <vector>

#include "FolderChoice.h"
#include "MKResponder.h"
#include "MemorySettingsStore.h"
#include "Mkdlg.h"
#include "SettingsSave.h"
#include "SettingsTexts.h"
#include "SettingsTestSupport.h"

class SettingsFolderChoice : public SettingsTest {};

namespace {

struct DialogCall {
    bool standardColours;
    QString caption;
    QString valueName;
    QString current;
    std::vector<SettingsWrite> writtenBefore;  // the store's log when the dialog opened
};

// A folder-setting dialog that registers each value's default folder and
// notes what it was handed.
class FakeDialog {
public:
    explicit FakeDialog(const MemorySettingsStore* store = nullptr) : store_(store) {}
    FolderChooser chooser()
    {
        return [this](bool standardColours, const QString& caption, const QString& valueName, const QString& current) {
            calls.push_back({standardColours, caption, valueName, current, store_ ? store_->writes() : std::vector<SettingsWrite>{}});
            if (onCall) onCall();
            return answer.isNull() ? QString::fromStdString(DefaultOutputFolder(valueName.toStdString())) : answer;
        };
    }
    std::vector<DialogCall> calls;
    QString answer;  // null: the default folder
    std::function<void()> onCall;

private:
    const MemorySettingsStore* store_;
};

QString Default(const char* name) { return QString::fromStdString(DefaultOutputFolder(name)); }

}  // namespace

TEST(SettingsFolderCommands, FindsTheCommandOfAHandlerName)
{
    const FolderCommand* command = FolderCommandNamed("P_KL_DIRClick");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(QString::fromUtf8(command->caption), QString::fromUtf8("リスト結合WAVファイル登録先"));
    EXPECT_EQ(QLatin1String(command->valueName), "KL_DIR");
    EXPECT_EQ(command->field, &SettingsValues::KL_DIR);
    EXPECT_EQ(&FolderCommandFor(OutputFolder::ListJoin), command);
    EXPECT_EQ(FolderCommandNamed("P_XX_DIRClick"), nullptr);
}

TEST_F(SettingsFolderChoice, HandsOverTheFolderWithoutSeparatorAndHoldsTheAnswerWithOne)
{
    SettingsValues values;
    values.BackColor = true;
    values.TALVO_COLOR = false;
    FakeDialog dialog;
    dialog.answer = "/srv/cuts";
    EXPECT_EQ(ChooseFolder(values, OutputFolder::Split, dialog.chooser()), "/srv/cuts/");
    EXPECT_EQ(values.SAVE_DIR, "/srv/cuts/");
    ASSERT_EQ(dialog.calls.size(), 1u);
    EXPECT_TRUE(dialog.calls[0].standardColours);
    EXPECT_EQ(dialog.calls[0].caption, QString::fromUtf8("分割WAVファイル登録先"));
    EXPECT_EQ(dialog.calls[0].valueName, "SAVE_DIR");
    EXPECT_EQ(dialog.calls[0].current, QString());  // the unset marker goes over as empty

    values.REV_DIR = "/srv/rev/";
    dialog.answer = "";  // nothing registered: the folder stays
    EXPECT_EQ(ChooseFolder(values, OutputFolder::Reversal, dialog.chooser()), "/srv/rev/");
    EXPECT_EQ(dialog.calls[1].current, "/srv/rev");
}

TEST_F(SettingsFolderChoice, FirstRunAsksForEachFolderAndWritesItAtOnce)
{
    MemorySettingsStore store;
    SettingsValues values;
    LoadStageA(store, values, Geometry());
    ASSERT_FALSE(BatchFoldersSet(values));

    TMKBoxDlg box;
    MKResponder responder;
    FakeDialog dialog(&store);
    EXPECT_TRUE(FirstRunPrompt(values, store, box, dialog.chooser(), [] { return false; }));

    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_EQ(responder.calls()[0].kind, "MKInfo");
    EXPECT_EQ(responder.calls()[0].text, QString::fromUtf8(SettingsText::FirstRunNotice));

    const QStringList asked = {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"};
    ASSERT_EQ(dialog.calls.size(), 5u);
    std::vector<SettingsWrite> expected;
    for (std::size_t i = 0; i < dialog.calls.size(); ++i) {
        const QString name = asked[static_cast<qsizetype>(i)];
        EXPECT_EQ(dialog.calls[i].valueName, name);
        EXPECT_EQ(dialog.calls[i].current, QString());
        EXPECT_EQ(dialog.calls[i].writtenBefore, expected) << "each folder is written before the next question";
        expected.push_back({name, Default(name.toLatin1().constData())});
    }
    EXPECT_EQ(store.writes(), expected);
    EXPECT_EQ(values.MUON_DIR, Default("MUON_DIR"));
    EXPECT_TRUE(values.MUON_DIR.endsWith('/'));
    EXPECT_TRUE(BatchFoldersSet(values));
    EXPECT_EQ(values.SAVE_DIR, "@@@@@\\");

    // The rest follows at shutdown.
    SaveSettingsAtShutdown(store, values, ShutdownControls{}, true);
    EXPECT_EQ(store.writes().size(), 5 + SaveValueNames().size());
}

TEST_F(SettingsFolderChoice, FirstRunAsksOnlyForTheMissingFolders)
{
    const QString join = MakeHomeFolder("TALVOT32/WADD_DIR");
    const QString reversal = MakeHomeFolder("TALVOT32/REV_DIR");
    MemorySettingsStore store{{"WADD_DIR", join}, {"REV_DIR", reversal}};
    SettingsValues values;
    LoadStageA(store, values, Geometry());

    TMKBoxDlg box;
    MKResponder responder;
    FakeDialog dialog(&store);
    EXPECT_TRUE(FirstRunPrompt(values, store, box, dialog.chooser(), [] { return false; }));
    EXPECT_EQ(store.writtenNames(), QStringList({"MUON_DIR", "LR_DIR", "KL_DIR"}));
    EXPECT_EQ(values.WADD_DIR, join);
    EXPECT_EQ(values.REV_DIR, reversal);
}

TEST_F(SettingsFolderChoice, ClosingDuringTheFirstRunStopsTheQuestionsAndStageB)
{
    MemorySettingsStore store;
    SettingsValues values;
    TMKBoxDlg box;
    MKResponder responder;
    FakeDialog dialog(&store);
    bool closing = false;
    dialog.onCall = [&] { closing = dialog.calls.size() == 2; };  // closed while the second question is open
    EXPECT_FALSE(FirstRunPrompt(values, store, box, dialog.chooser(), [&] { return closing; }));
    EXPECT_EQ(dialog.calls.size(), 2u);
    EXPECT_EQ(store.writtenNames(), QStringList({"MUON_DIR", "WADD_DIR"}));  // what was chosen is kept

    // The close request came before stage B: the save writes nothing more.
    EXPECT_FALSE(SaveSettingsAtShutdown(store, values, ShutdownControls{}, false));
    EXPECT_EQ(store.writes().size(), 2u);
}
