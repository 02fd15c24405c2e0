// The command-line join, proven with the real program: started with two WAV
// paths and a ">" output, it joins them with the list-join tab's settings,
// saves its state as a closing window does, and ends.
#include <QFile>
#include <QProcess>

#include "ProgramBinary.h"
#include "TestWav.h"
#include "WindowTestSupport.h"

namespace {

class CommandLineJoinTest : public TestUser {
protected:
    // A mono 8-bit 8 kHz file of `frames` frames.
    QString sound(const std::string& relative, size_t frames)
    {
        WavSpec wav;
        wav.channels = 1;
        wav.bits = 8;
        wav.sampleRate = 8000;
        wav.data = Bytes(frames, 100);
        QDir().mkpath(QFileInfo(qpath(relative)).absolutePath());
        WriteFileBytes(path(relative), wav.build());
        return qpath(relative);
    }

    // Version 16 and every batch folder set: the main window opens and goes
    // straight to stage B.
    void storeSettings()
    {
        QByteArray text = "[General]\nVersion=16\n";
        for (const char* name : {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"}) {
            QDir().mkpath(qpath(std::string("out/") + name));
            text += QByteArray(name) + "=" + qpath(std::string("out/") + name).toUtf8() + "/\n";
        }
        ASSERT_TRUE(WriteFile(settingsPath(), text));
    }

    // A desktop opener that only notes what it was asked to open.
    QProcessEnvironment recordingOpener()
    {
        const QString opener = qpath("bin/xdg-open");
        EXPECT_TRUE(WriteFile(opener, "#!/bin/sh\necho \"$1\" >> \"$HOME/opened.txt\"\n"));
        QFile::setPermissions(opener, QFile::permissions(opener) | QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", qpath("bin") + ":" + environment.value("PATH"));
        return environment;
    }

    QString settingsPath() const { return qpath("config/TALVO SOFT32/VANTRO.conf"); }
};

TEST_F(CommandLineJoinTest, TwoPathsAndAnOutputAreJoinedThenTheWindowClosesAfterSaving)
{
    const QString program = ProgramBinary();
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << "build the vantro target first: " << program.toStdString();
    storeSettings();
    const QString a = sound("m/a.wav", 800), b = sound("m/b.wav", 1200);
    const QString joined = qpath("m/c.wav");

    QProcess process;
    process.setProcessEnvironment(recordingOpener());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {a, "relative.wav", b, ">" + joined});
    ASSERT_TRUE(process.waitForStarted(5000));
    ASSERT_TRUE(process.waitForFinished(60000)) << "the window never closed";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);

    const Bytes bytes = ReadFileBytes(joined.toStdString());
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(ReadU32(bytes, 40), 800u + 1200u);
    // Shutdown saved the settings and showed the list-join records.
    EXPECT_TRUE(FileBytes(settingsPath()).contains("KL_Index="));
    const QByteArray opened = FileBytes(qpath("opened.txt"));
    EXPECT_TRUE(opened.contains("KL$$.TXT")) << opened.toStdString();
    EXPECT_TRUE(opened.contains("KL2$.TXT")) << opened.toStdString();
}

}  // namespace
