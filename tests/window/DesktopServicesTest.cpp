// The desktop services as the running program uses them: its own viewer
// when the desktop has none to start, and the desktop launcher in the folder
// the desktop names.
#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "OperationLogs.h"
#include "ProgramInfo.h"
#include "SessionTestSupport.h"
#include "TextFiles.h"
#include "ShortcutCommands.h"
#include "TextViewer.h"

namespace {

// The session's own desktop, with PATH holding only bin/, where a test puts
// the desktop tools it wants.
class DesktopServicesTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        QDir().mkpath(qpath("bin"));
        environment_.set("PATH", path("bin"));
        recorder_ = replaceDesktop(nullptr);
        storeBatchFolders();
    }
    void TearDown() override
    {
        qDeleteAll(Viewers());
        replaceDesktop(std::move(recorder_));
        SessionTest::TearDown();
    }

    static QList<TextViewer*> Viewers()
    {
        QList<TextViewer*> viewers;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* viewer = qobject_cast<TextViewer*>(widget); viewer && viewer->isVisible()) viewers << viewer;
        return viewers;
    }

    std::unique_ptr<Desktop> recorder_;
};

}  // namespace

// No opener on the machine: the cut record, written in UTF-8, and the help
// page are shown by the program itself, and nothing is reported as failed.
TEST_F(DesktopServicesTest, RecordsAndHelpAreShownByTheProgramWhenTheDesktopHasNoViewer)
{
    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    session.state().logs->cut().append(QStringLiteral("録音_0001.wav"));

    window.menus().MF_KIROKU->trigger();
    ASSERT_EQ(Viewers().size(), 1);
    const QByteArray onDisk = FileBytes(QString::fromStdString(WorkFolder()) + QStringLiteral("CUT$$$$.TXT"));
    ASSERT_TRUE(onDisk.contains(QStringLiteral("\n録音_0001.wav\n").toUtf8()));
    const QString shown = Viewers().front()->ViewerText->toPlainText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("カットデータ一覧　"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("\n録音_0001.wav\n")));
    EXPECT_EQ(Viewers().front()->windowTitle(), QStringLiteral("CUT$$$$.TXT（読み取り専用）"));

    qDeleteAll(Viewers());
    window.menus().HELP_KEYWORD->trigger();
    ASSERT_EQ(Viewers().size(), 1);
    QUrl index = QUrl::fromLocalFile(programPath("VANTROhelp.html"));
    index.setFragment(QStringLiteral("index"));
    EXPECT_EQ(Viewers().front()->ViewerText->source(), index);
    EXPECT_TRUE(Viewers().front()->ViewerText->toPlainText().contains(QStringLiteral("キーワード索引")));
    EXPECT_TRUE(boxes.calls().empty());
    window.close();
}

// The desktop launcher goes to the folder xdg-user-dir names, which is made
// when the user has none yet.
TEST_F(DesktopServicesTest, TheDesktopLauncherGoesToTheNamedDesktopFolderMadeWhenMissing)
{
    ASSERT_TRUE(WriteFile(qpath("bin/xdg-user-dir"), "#!/bin/sh\n[ \"$1\" = DESKTOP ] && printf '%s\\n' '" + qpath("机上").toUtf8() + "'\n"));
    QFile::setPermissions(qpath("bin/xdg-user-dir"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    store->preset("Group", ProgramInfo::Group);
    const QString programs = MakeShortcutPaths(ProgramInfo::Title, ProgramInfo::Group).programs;
    ASSERT_TRUE(WriteLauncher(programs, ProgramLauncher()));

    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    ASSERT_FALSE(QFileInfo::exists(qpath("机上")));
    window.menus().MDESK_SET->trigger();
    EXPECT_EQ(FileBytes(qpath("机上/VANTRO.desktop")), FileBytes(programs));
    EXPECT_TRUE(boxes.calls().empty());
    window.close();
}
