// What process start chooses, and what the installer and the uninstaller
// write and remove.
#include <QFileInfo>

#include "Installation.h"
#include "MKResponder.h"
#include "MemorySettingsStore.h"
#include "ProgramIcon.h"
#include "Mkdlg.h"
#include "ShortcutCommands.h"
#include "WindowTestSupport.h"

namespace {

class InstallationTest : public TestUser {
protected:
    void SetUp() override
    {
        TestUser::SetUp();
        paths = MakeShortcutPaths(QStringLiteral("VANTRO"), QStringLiteral("VANTRO"));
    }

    void PlaceAllLaunchers()
    {
        for (const QString& launcher : {paths.programs, paths.startup, paths.desktop})
            ASSERT_TRUE(WriteLauncher(launcher, ProgramLauncher()));
    }

    ShortcutPaths paths;
    TMKBoxDlg box;
};

}  // namespace

TEST(ProcessStartTest, InstallerOpensUnlessVersionIsSixteen)
{
    MemorySettingsStore empty;
    EXPECT_EQ(StoredVersionText(empty), "255");
    EXPECT_TRUE(InstallerNeeded(StoredVersionText(empty), "vantro"));
    EXPECT_TRUE(InstallerNeeded("15", "vantro"));
    EXPECT_TRUE(InstallerNeeded(" 16", "vantro"));
    EXPECT_FALSE(InstallerNeeded("16", "vantro"));
    // An executable named as a setup program always opens the installer.
    EXPECT_TRUE(InstallerNeeded("16", "vantro-setup"));
    EXPECT_TRUE(InstallerNeeded("16", "MySetUp.bin"));
}

TEST(ProcessStartTest, UninstallerStart)
{
    EXPECT_TRUE(IsUninstallStart({"/uninstall"}, "vantro"));
    EXPECT_TRUE(IsUninstallStart({"/UNINSTALL", "x"}, "vantro"));
    EXPECT_FALSE(IsUninstallStart({"x", "/uninstall"}, "vantro"));
    EXPECT_FALSE(IsUninstallStart({}, "vantro"));
    EXPECT_TRUE(IsUninstallStart({}, "vantro-uninstall"));
}

TEST_F(InstallationTest, InstallWritesVersionGroupAndTheApplicationsEntry)
{
    MemorySettingsStore store;
    const LauncherEntry launcher{"VANTRO", "c", "/opt/v a/vantro"};
    EXPECT_TRUE(InstallProgram(store, paths, launcher));
    EXPECT_EQ(store.writes(), (std::vector<SettingsWrite>{{"Version", "16"}, {"Group", "VANTRO"}}));
    EXPECT_FALSE(InstallerNeeded(StoredVersionText(store), "vantro"));
    EXPECT_EQ(FileBytes(paths.programs), DesktopEntryText(launcher));
    EXPECT_EQ(FileBytes(UserIconPath()), ProgramIconSvg());
}

TEST_F(InstallationTest, InstallWithoutApplicationsFolderStillWritesTheSettings)
{
    ASSERT_TRUE(WriteFile(qpath("data/applications"), "not a folder"));
    MemorySettingsStore store;
    EXPECT_FALSE(InstallProgram(store, paths, ProgramLauncher()));
    EXPECT_EQ(store.read("Version"), "16");
}

TEST_F(InstallationTest, UninstallAfterYesRemovesKeyLaunchersAndGroupFolder)
{
    PlaceAllLaunchers();
    MemorySettingsStore store{{"Version", "16"}, {"Group", "VANTRO"}};
    MKResponder responder{MKAnswer::Yes};
    EXPECT_TRUE(UninstallProgram(box, store, paths));

    EXPECT_EQ(store.removeCount(), 1);
    EXPECT_FALSE(store.keyExists());
    for (const QString& launcher : {paths.programs, paths.startup, paths.desktop})
        EXPECT_FALSE(QFileInfo::exists(launcher)) << launcher.toStdString();
    EXPECT_FALSE(QFileInfo::exists(qpath("data/applications/VANTRO")));
    EXPECT_TRUE(QFileInfo::exists(qpath("data/applications")));
    ASSERT_EQ(responder.calls().size(), 2u);
    EXPECT_EQ(responder.calls()[0].kind, "MKAsk");
    EXPECT_EQ(responder.calls()[0].defaultAnswer, MKAnswer::No);
    EXPECT_EQ(responder.calls()[1].text, QString::fromUtf8("VANTRO の設定とアイコンを削除しました☆☆☆"));
}

TEST_F(InstallationTest, UninstallAfterNoOrTimeOutKeepsEverything)
{
    PlaceAllLaunchers();
    MemorySettingsStore store{{"Version", "16"}};
    MKResponder responder{MKAnswer::No, MKAnswer::OK, MKAnswer::TimeOut};
    EXPECT_FALSE(UninstallProgram(box, store, paths));
    EXPECT_FALSE(UninstallProgram(box, store, paths));  // the question timed out: its default, No

    EXPECT_TRUE(store.untouched());
    for (const QString& launcher : {paths.programs, paths.startup, paths.desktop})
        EXPECT_TRUE(QFileInfo::exists(launcher)) << launcher.toStdString();
    ASSERT_EQ(responder.calls().size(), 4u);
    EXPECT_EQ(responder.calls()[1].text, QString::fromUtf8("VANTRO の削除を中止しました・・・"));
}
