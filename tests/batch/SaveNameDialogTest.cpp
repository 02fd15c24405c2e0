// The save-name questions around the save dialog: a cancelled dialog skips
// the file or stops the batch, the source itself is refused and the dialog
// comes back.
#include <deque>
#include <fstream>

#include "BatchTestSupport.h"
#include "MKResponder.h"
#include "Mkdlg.h"
#include "SaveNameDialog.h"
#include "mk.h"

namespace {

class SaveNameDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        source = home.folder() + "a.wav";
        std::ofstream(source) << "RIFF";
    }

    // An asker whose dialog gives the scripted answers in turn (none: cancelled).
    AskSaveName asker()
    {
        return SaveNameAsker(box, [this](const QString& title, const QString& folder, const QString& name) {
            shown.push_back(title + "|" + folder + "|" + name);
            std::optional<QString> answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    TempHome home;
    TMKBoxDlg box;
    std::string source;
    std::deque<std::optional<QString>> answers;
    QStringList shown;
};

TEST_F(SaveNameDialogTest, CancelSkipsOrStops)
{
    MKResponder responder{MKAnswer::OK, MKAnswer::Abort};
    answers = {std::nullopt, std::nullopt};
    const std::string proposed = home.folder() + "out/a_m000.wav";
    EXPECT_EQ(asker()(source, proposed, "T"), "");
    EXPECT_EQ(asker()(source, proposed, "T"), "@");
    EXPECT_EQ(shown.value(0), QString::fromStdString("T|" + home.folder() + "out|a_m000.wav"));
    ASSERT_EQ(responder.calls().size(), 2u);
    EXPECT_EQ(responder.calls()[0].kind, "MKError");
    EXPECT_EQ(responder.calls()[0].text, QString::fromStdString(proposed) + QString::fromUtf8("\nセーブせずに飛ばします☆☆☆"));
}

TEST_F(SaveNameDialogTest, TheSourceItselfIsRefusedAndTheDialogComesBack)
{
    MKResponder responder{MKAnswer::OK};
    const std::string other = home.folder() + "b.wav";
    // The source named through another spelling of its folder is still the source.
    answers = {QString::fromStdString(home.folder() + "./a.wav"), QString::fromStdString(other)};
    EXPECT_EQ(asker()(source, home.folder() + "a_m000.wav", "T"), other);
    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_TRUE(responder.calls()[0].text.endsWith(QString::fromUtf8("\n元ファイルには上書きセーブ出来ません・・・")));

    MKResponder aborting{MKAnswer::Abort};
    answers = {QString::fromStdString(source)};
    EXPECT_EQ(asker()(source, home.folder() + "a_m000.wav", "T"), "@");
}

// "x.WAV" confirmed in the dialog is written as "x.wav": an existing "x.wav"
// is asked about (No brings the dialog back) and never replaced unasked.
TEST_F(SaveNameDialogTest, AnUpperCaseExtensionIsAskedAboutWhenTheLowerCaseNameExists)
{
    const std::string existing = home.folder() + "x.wav";
    std::ofstream(existing) << "keep";
    const QString upper = QString::fromStdString(home.folder() + "x.WAV");
    MKResponder responder{MKAnswer::No, MKAnswer::Yes};
    answers = {upper, upper};
    EXPECT_EQ(asker()(source, home.folder() + "a_m000.wav", "T"), existing);
    EXPECT_EQ(shown.size(), 2);
    ASSERT_EQ(responder.calls().size(), 2u);
    EXPECT_EQ(responder.calls()[0].kind, "MKAsk");
    EXPECT_TRUE(responder.calls()[0].text.startsWith(QString::fromStdString(existing + "\n")));
}

}  // namespace
