// The volume commands of the options menu as the running program starts
// them: the mixer found on PATH (bin/, where a test puts stub programs),
// started on its own, or the one message that names the package to install.
#include <QAction>
#include <QFile>

#include "SessionTestSupport.h"

namespace {

class VolumeCommandsTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        QDir().mkpath(qpath("bin"));
        environment_.set("PATH", path("bin"));
        storeBatchFolders();
    }

    QString install(const std::string& name)
    {
        const QString stub = qpath("bin/" + name);
        EXPECT_TRUE(WriteFile(stub, "#!/bin/sh\nexit 0\n"));
        QFile::setPermissions(stub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return stub;
    }
};

}  // namespace

TEST_F(VolumeCommandsTest, EachItemStartsTheMixerAtItsVolumesInTheChosenWindow)
{
    const QString mixer = install("pavucontrol");
    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));
    const MainMenus& m = window.menus();

    m.MO_VOL_PLAY->trigger();
    m.MO_VOL_SMALL->trigger();  // the normal window from now on
    m.MO_VOL_REC->trigger();
    m.MO_VOL_ETC->trigger();
    EXPECT_FALSE(m.MO_VOL_SMALL->isChecked());
    EXPECT_EQ(viewer->startedPrograms(), (std::vector<QStringList>{{mixer, "--tab=1"},
                                                                    {mixer, "--tab=2", "--maximize"},
                                                                    {mixer, "--tab=3", "--maximize"}}));
    EXPECT_TRUE(boxes.calls().empty());

    viewer->setFailOpens(true);
    m.MO_VOL_PLAY->trigger();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].kind, "MKInfo");
    EXPECT_EQ(boxes.calls()[0].text, QString::fromUtf8("音量を調整するプログラムを起動できませんでした・・・"));
    window.close();
}

TEST_F(VolumeCommandsTest, WithoutAMixerOneMessageNamesThePackageToInstall)
{
    install("alsamixer");  // no terminal to show it in
    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    ASSERT_TRUE(WaitForStageB(window));

    window.menus().MO_VOL_REC->trigger();
    EXPECT_TRUE(viewer->startedPrograms().empty());
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].kind, "MKInfo");
    EXPECT_EQ(boxes.calls()[0].text,
              QString::fromUtf8("音量を調整するプログラムが見つかりません・・・\npavucontrol をインストールして下さい。"));
    window.close();
}
