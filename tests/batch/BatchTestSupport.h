#pragma once
// Test support for the registration lists: the one QApplication of the test
// program, a temporary home with its own program folder, and row builders.
#include <QApplication>
#include <QString>

#include <filesystem>

#include <gtest/gtest.h>

#include "TestApplication.h"
#include "FileRow.h"
#include "Folders.h"
#include "RegistrationRows.h"
#include "TempHome.h"

// A row whose caption is `name`, in the folder /music/.
inline FileRow Row(const QString& name, const QString& size = QStringLiteral("   1,000"),
                   const QString& date = QStringLiteral("24/03/09 07:05:02 Sat"))
{
    return FileRow{name, QStringLiteral("/music/") + name, size, date, QStringLiteral("   A")};
}

// Entries named by the letters of `names`; those in `selected` are selected.
inline ListEntries Entries(const QString& names, const QString& selected = {})
{
    ListEntries entries;
    for (const QChar c : names) entries.append({Row(QString(c)), selected.contains(c)});
    return entries;
}

// The captions of the entries joined, with the selected ones in brackets.
inline QString Shown(const ListEntries& entries)
{
    QString text;
    for (const ListEntry& entry : entries)
        text += entry.selected ? QStringLiteral("[%1]").arg(entry.row.caption) : entry.row.caption;
    return text;
}

// Runs as a temporary user, whose program folder lies in the temporary home.
class TempUserTest : public ::testing::Test {
protected:
    // The application comes first: fixtures below build widgets as members.
    TempUserTest() { TestApplication(); }

    void SetUp() override { InitFolders(); }
    void TearDown() override { InitFolders(); }

    std::filesystem::path path(const std::string& relative) const { return home_.path() / relative; }
    QString programFile(const QString& name) const
    {
        return QString::fromStdString(ProgramFolder()) + name;
    }

private:
    TempHome home_;
};
