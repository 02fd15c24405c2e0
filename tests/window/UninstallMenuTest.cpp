// The uninstaller as the running program offers it: the help menu's item and
// the "/uninstall" that another start hands to the open window. After a Yes
// the window closes and writes nothing of the settings back.
#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "Folders.h"
#include "Installation.h"
#include "SessionTestSupport.h"
#include "ShortcutCommands.h"

namespace {

class UninstallMenuTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeBatchFolders();
        store->preset("Version", "16");
        store->preset("Group", "VANTRO");
    }
};

}  // namespace

TEST_F(UninstallMenuTest, YesRemovesSettingsAndEntryAndClosesWithoutWritingThemBack)
{
    VantroSession session;
    auto window = StartWindow(session);
    ASSERT_TRUE(window);
    ASSERT_TRUE(WriteLauncher(window->shortcutPaths().programs, ProgramLauncher()));
    boxes.script(MKAnswer::Yes);
    boxes.script(MKAnswer::OK);

    window->menus().MHELP_UNINSTALL->trigger();
    Wait(50);

    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(store->keyExists());
    EXPECT_EQ(store->removeCount(), 1);
    EXPECT_TRUE(store->writes().empty()) << store->writtenNames().join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(window->shortcutPaths().programs));
    // The user's lists and logs stay.
    EXPECT_TRUE(QFileInfo(QString::fromStdString(ProgramFolder())).isDir());
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[0].kind, "MKAsk");
    EXPECT_EQ(boxes.calls()[1].text, QString::fromUtf8("VANTRO の設定とアイコンを削除しました☆☆☆"));
}

TEST_F(UninstallMenuTest, HandedOverUninstallAskedNoKeepsTheWindowAndItsSettings)
{
    VantroSession session;
    auto window = StartWindow(session);
    ASSERT_TRUE(window);
    boxes.script(MKAnswer::No);
    boxes.script(MKAnswer::OK);

    session.takeHandedOver(*window, "/uninstall");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[0].kind, "MKAsk");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(store->removeCount(), 0);

    window->close();
    EXPECT_EQ(store->read("Version"), "16");
    EXPECT_FALSE(store->writes().empty()) << "the close saved as usual";
}

TEST_F(UninstallMenuTest, AProgramInBinBesideTheSystemEntryRunsInstalled)
{
    const QString bin = qpath("usr/bin");
    QDir().mkpath(bin);
    EXPECT_FALSE(RunsInstalled(bin));
    ASSERT_TRUE(WriteFile(qpath("usr/share/applications/vantro.desktop"), "[Desktop Entry]\n"));
    EXPECT_TRUE(RunsInstalled(bin));
    EXPECT_EQ(InstalledEntryPath(bin), qpath("usr/share/applications/vantro.desktop"));
    // A build folder is no installation, even with such an entry above it.
    QDir().mkpath(qpath("usr/src/app"));
    EXPECT_FALSE(RunsInstalled(qpath("usr/src/app")));
}
