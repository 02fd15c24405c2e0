#pragma once
// Test support for the settings: a fixture with a temporary home (the
// program folders follow it) that puts the current directory back, since
// taking a split-file folder changes it.
#include <QDir>
#include <QString>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "Folders.h"
#include "SettingsLoad.h"
#include "TempHome.h"

class SettingsTest : public ::testing::Test {
public:
    // A 640x480 window on a 1024x768 screen whose work area is all of it.
    static WindowGeometry Geometry() { return {QSize(640, 480), QSize(1024, 768), WorkAreaRect{0, 0, 1024, 768}}; }

protected:
    SettingsTest() : oldCurrent_(QDir::currentPath()) { InitFolders(); }
    ~SettingsTest() override { QDir::setCurrent(oldCurrent_); }

    // A folder below the temporary home, created, with its trailing separator.
    QString MakeHomeFolder(const std::string& relative) const
    {
        std::filesystem::create_directories(home_.path() / relative);
        return QString::fromStdString((home_.path() / relative).string() + "/");
    }
    QString HomeFolder() const { return QString::fromStdString(home_.folder()); }

private:
    TempHome home_;
    QString oldCurrent_;
};
