// The mixer the volume commands start, chosen from the programs on PATH:
// a folder of stub programs stands in for the machine.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ScopedEnvironment.h"
#include "VolumeControl.h"

namespace {

class VolumeControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bin_.isValid());
        environment_.set("PATH", bin_.path().toStdString());
    }

    // Puts an executable stub of that name on PATH; gives its path.
    QString install(const QString& name)
    {
        const QString path = bin_.filePath(name);
        QFile stub(path);
        EXPECT_TRUE(stub.open(QIODevice::WriteOnly));
        stub.write("#!/bin/sh\nexit 0\n");
        stub.close();
        stub.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return path;
    }

    static std::optional<ProgramStart> start(VolumeKind kind, bool smallWindow = true)
    {
        return VolumeControlStart(kind, smallWindow);
    }

    QTemporaryDir bin_;
    ScopedEnvironment environment_;
};

}  // namespace

// Without a mixer there is nothing to start; the terminal mixer needs its
// terminal, and a plain file of a mixer's name is no program.
TEST_F(VolumeControlTest, NothingIsStartedWithoutAMixerOrWithTheTerminalMixerAlone)
{
    EXPECT_EQ(start(VolumeKind::Playback), std::nullopt);
    install("alsamixer");
    QFile plain(bin_.filePath("pavucontrol"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(start(VolumeKind::Recording), std::nullopt);
}

// Each mixer found takes the place of the ones after it: the terminal mixer
// shows the kind's controls, the sound settings open at sound, and the
// sound server's mixer at the kind's tab, maximized for the normal window.
TEST_F(VolumeControlTest, TheFirstMixerFoundIsStartedForTheKindAndWindow)
{
    const QString terminal = install("x-terminal-emulator");
    const QString alsamixer = install("alsamixer");
    const auto terminalMixer = [&](const char* view) {
        return ProgramStart{terminal, {"-e", alsamixer, "-V", view}};
    };
    EXPECT_EQ(start(VolumeKind::Playback), terminalMixer("playback"));
    EXPECT_EQ(start(VolumeKind::Recording, false), terminalMixer("capture"));
    EXPECT_EQ(start(VolumeKind::Devices), terminalMixer("all"));

    const QString settings = install("gnome-control-center");
    EXPECT_EQ(start(VolumeKind::Recording), (ProgramStart{settings, {"sound"}}));

    const QString pipewireMixer = install("pwvucontrol");
    EXPECT_EQ(start(VolumeKind::Devices, false), (ProgramStart{pipewireMixer, {}}));

    const QString mixer = install("pavucontrol");
    EXPECT_EQ(start(VolumeKind::Playback), (ProgramStart{mixer, {"--tab=1"}}));
    EXPECT_EQ(start(VolumeKind::Recording), (ProgramStart{mixer, {"--tab=2"}}));
    EXPECT_EQ(start(VolumeKind::Devices), (ProgramStart{mixer, {"--tab=3"}}));
    EXPECT_EQ(start(VolumeKind::Recording, false), (ProgramStart{mixer, {"--tab=2", "--maximize"}}));
}
