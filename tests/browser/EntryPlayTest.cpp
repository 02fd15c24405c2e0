// Playing a clicked entry: missing registered files are offered for
// removal, and the search moves on through the list.
#include <QFileInfo>

#include <gtest/gtest.h>

#include "BrowserTestSupport.h"
#include "EntryPlay.h"
#include "MKResponder.h"
#include "MKRequest.h"
#include "Mkdlg.h"

namespace {

class FakeList : public PlayableList {
public:
    explicit FakeList(QStringList paths)
        : paths(std::move(paths))
    {
    }
    int count() const override { return static_cast<int>(paths.size()); }
    int selectedRow() const override { return selected; }
    QString pathAt(int row) const override { return paths.at(row); }
    void removeAt(int row) override { paths.removeAt(row); }
    void selectOnly(int row) override
    {
        selected = row;
        visits << row;
    }

    QStringList paths;
    int selected = -1;
    QList<int> visits;
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

class EntryPlayTest : public ::testing::Test {
protected:
    bool play(FakeList& list, EntryPlayOptions options = {})
    {
        return PlayEntry(list, box, options, [this](const QString& path) { played << path; });
    }

    TempDir dir;
    TMKBoxDlg box;
    QStringList played;
};

}  // namespace

TEST_F(EntryPlayTest, ExistingSelectedFilePlaysWithoutQuestion)
{
    MKResponder responder;
    FakeList list({Q(WriteWav(dir, "a.wav")), Q(WriteWav(dir, "b.wav"))});
    list.selected = 1;
    EXPECT_TRUE(play(list));
    EXPECT_EQ(played, QStringList{Q(dir.file("b.wav"))});
    EXPECT_TRUE(responder.calls().empty());
}

TEST_F(EntryPlayTest, FileListPlaysItsRowWithoutCheckingAndFirstRowWhenNoneSelected)
{
    MKResponder responder;
    FakeList list({"/gone/a.wav", "/gone/b.wav"});
    EntryPlayOptions options;
    options.checksExistence = false;
    EXPECT_TRUE(play(list, options));
    EXPECT_EQ(played, QStringList{"/gone/a.wav"});
    EXPECT_TRUE(responder.calls().empty());
}

TEST_F(EntryPlayTest, MissingFileAsksAndNoMovesOnToTheNextThatExists)
{
    MKResponder responder({MKAnswer::No});
    FakeList list({Q(dir.file("gone.wav")), Q(WriteWav(dir, "here.wav"))});
    EXPECT_TRUE(play(list));
    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_EQ(responder.calls()[0].kind, "MKErrorAsk");
    EXPECT_EQ(responder.calls()[0].text, MissingFileQuestionText(Q(dir.file("gone.wav"))));
    EXPECT_TRUE(responder.calls()[0].text.startsWith(Q(dir.file("gone.wav")) + "\n"));
    EXPECT_EQ(played, QStringList{Q(dir.file("here.wav"))});
    EXPECT_EQ(list.selected, 1);
}

TEST_F(EntryPlayTest, NoOnEveryRowVisitsEachOnceAndStopsAtTheFirstAgain)
{
    MKResponder responder;  // every question answered with its default, No
    FakeList list({"/gone/1.wav", "/gone/2.wav", "/gone/3.wav"});
    list.selected = 1;
    EXPECT_FALSE(play(list));
    EXPECT_EQ(responder.calls().size(), 3u);
    EXPECT_EQ(list.visits, (QList<int>{2, 0, 1}));
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(EntryPlayTest, AbortStopsAndKeepsTheRow)
{
    MKResponder responder({MKAnswer::Abort});
    FakeList list({"/gone/1.wav", Q(WriteWav(dir, "here.wav"))});
    EXPECT_FALSE(play(list));
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(EntryPlayTest, YesRemovesTheRowAndForTheCutListItsTimeFiles)
{
    const std::string program = (dir.path() / "program").string() + "/";
    std::filesystem::create_directories(program);
    WriteText(dir, "program/take.QDX");
    WriteText(dir, "program/take.STA");
    WriteText(dir, "program/other.QDX");
    MKResponder responder({MKAnswer::Yes, MKAnswer::Yes});
    FakeList list({"/gone/take.wav", "/gone/other.wav", Q(WriteWav(dir, "here.wav"))});
    EntryPlayOptions options;
    options.deletesCutTimes = true;
    options.programFolder = Q(program);
    EXPECT_TRUE(play(list, options));
    EXPECT_EQ(list.paths, QStringList{Q(dir.file("here.wav"))});
    EXPECT_FALSE(QFileInfo::exists(Q(program + "take.QDX")));
    EXPECT_FALSE(QFileInfo::exists(Q(program + "take.STA")));
    EXPECT_FALSE(QFileInfo::exists(Q(program + "other.QDX")));
    EXPECT_EQ(played, QStringList{Q(dir.file("here.wav"))});
}

TEST_F(EntryPlayTest, RemovingTheLastRowEndsQuietly)
{
    MKResponder responder({MKAnswer::Yes});
    FakeList list({"/gone/only.wav"});
    EXPECT_FALSE(play(list));
    EXPECT_EQ(list.count(), 0);
}
