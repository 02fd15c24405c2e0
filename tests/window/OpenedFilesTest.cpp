// WAV files given to the program without a ">" output, as the file manager's
// "Open with" gives them: registered in the list of files to cut, the last one
// becomes the cut file on the cut face; what is not a WAV file is named once.
#include <QFile>

#include "CutFace.h"
#include "OpenedFiles.h"
#include "RegistrationList.h"
#include "SingleInstance.h"
#include "SessionTestSupport.h"
#include "TestWav.h"

namespace {

class OpenedFilesTest : public SessionTest {
protected:
    QString wav(const std::string& name)
    {
        WavSpec spec;
        spec.data = Bytes(4000, 0);
        WriteFileBytes(path("sounds/" + name), spec.build());
        return qpath("sounds/" + name);
    }
};

TEST_F(OpenedFilesTest, FilesGivenAtStartAreOpenedOnTheCutFace)
{
    storeFoldersAndSounds();
    const QString a = wav("a.wav"), b = wav("B.WAV");
    QFile text(qpath("sounds/notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.close();
    VantroSession session;
    session.setCommandLine({a, qpath("sounds/notes.txt"), b, qpath("sounds/gone.wav")});
    auto window = StartWindow(session);
    ASSERT_TRUE(window);

    RegistrationList& toCut = *session.state().lists->list(RegList::M);
    ASSERT_EQ(toCut.topLevelItemCount(), 2);
    EXPECT_EQ(toCut.topLevelItem(0)->text(1), a);
    EXPECT_EQ(toCut.topLevelItem(1)->text(1), b);
    EXPECT_FALSE(window->state().media.FileFaceVisible);
    EXPECT_EQ(QString::fromStdString(session.state().cutWork.CutFile), b);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls().front().text.contains(qpath("sounds/notes.txt")));
    EXPECT_TRUE(boxes.calls().front().text.contains(qpath("sounds/gone.wav")));

    // A second start hands its files over: they join the list the same way.
    const QString c = wav("c.wav");
    session.openFiles(*window, HandedParameters(JoinedParameters({c})));
    EXPECT_EQ(toCut.topLevelItemCount(), 3);
    EXPECT_EQ(QString::fromStdString(session.state().cutWork.CutFile), c);
}

TEST(OpenedFiles, AJoinIsNoOpening)
{
    EXPECT_TRUE(ReadOpenedFiles({"/m/a.wav", ">/m/c.wav"}).wavs.isEmpty());
    EXPECT_TRUE(ReadOpenedFiles({"/m/a.wav", ">/m/c.wav"}).leftOut.isEmpty());
}

}  // namespace
