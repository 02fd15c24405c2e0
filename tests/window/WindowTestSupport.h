#pragma once
// Test support for the main window and its commands: the one QApplication of
// the test program, and a temporary user (home, XDG folders, program folder)
// that every test runs as, so none touches the real desktop or settings.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "TestApplication.h"
#include "Folders.h"
#include "RecordingDesktop.h"
#include "ScopedEnvironment.h"
#include "TempHome.h"
#include "TestWav.h"

// A temporary user: HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR
// below one temporary folder, so the program folder is
// "data/TALVO SOFT32/VANTRO/" in it. The desktop records instead of opening
// viewers; a test that needs the real one puts it back for itself.
class TestUser : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        environment_.set("XDG_CONFIG_HOME", path("config"));
        environment_.set("XDG_DATA_HOME", path("data"));
        environment_.set("XDG_RUNTIME_DIR", path("runtime"));
        environment_.set("USER", "vantro-test");
        for (const char* folder : {"config", "data", "runtime"}) QDir().mkpath(qpath(folder));
        QFile::setPermissions(qpath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        InitFolders();
    }
    void TearDown() override { InitFolders(); }

    // A path below the temporary home.
    std::string path(const std::string& relative) const { return (home_.path() / relative).string(); }
    QString qpath(const std::string& relative) const { return QString::fromStdString(path(relative)); }
    // A file in the temporary user's program folder.
    QString programPath(const std::string& name) const { return qpath("data/TALVO SOFT32/VANTRO/" + name); }

    // A mono 8-bit file `name` in sounds/ holding `samples` at `rate` frames a second.
    QString monoSound(const std::string& name, uint32_t rate, const Bytes& samples) const
    {
        WavSpec wav;
        wav.sampleRate = rate;
        wav.channels = 1;
        wav.bits = 8;
        wav.data = samples;
        QDir().mkpath(qpath("sounds"));
        WriteFileBytes(path("sounds/" + name), wav.build());
        return qpath("sounds/" + name);
    }

    static QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool WriteFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    TempHome home_;
    ScopedEnvironment environment_;
    ScopedRecordingDesktop recordedDesktop_;
};
