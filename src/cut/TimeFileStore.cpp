#include "TimeFileStore.h"

#include <QFile>
#include <QStringList>

#include "Folders.h"
#include "TextFiles.h"
#include "TimeFiles.h"

namespace {

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    for (const QString& line : ReadTextLines(QString::fromStdString(path)).value_or(QStringList()))
        lines.push_back(line.toStdString());
    return lines;
}

// Writes the lines, or removes the file when there are none.
bool Store(const std::string& path, const std::vector<std::string>& lines)
{
    const QString file = QString::fromStdString(path);
    if (lines.empty()) return !QFile::exists(file) || QFile::remove(file);
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    return WriteTextLines(file, text);
}

}  // namespace

RegisteredTimes LoadTimeFiles(const std::string& SaveBase)
{
    const TimeFilePaths paths = TimeFilesOf(ProgramFolder(), SaveBase);
    return ReadTimeFiles(ReadLines(paths.qdx), ReadLines(paths.sta));
}

bool SaveTimeFiles(const std::string& SaveBase, const RegisteredTimes& times)
{
    if (SaveBase.empty()) return true;
    const TimeFilePaths paths = TimeFilesOf(ProgramFolder(), SaveBase);
    const bool qdx = Store(paths.qdx, QdxLines(times));
    const bool sta = Store(paths.sta, StaLines(times));
    return qdx && sta;
}

bool SaveChangedTimeFiles(const std::string& SaveBase, const RegisteredTimes& times)
{
    if (SaveBase.empty()) return true;
    const RegisteredTimes stored = LoadTimeFiles(SaveBase);
    if (stored.times() == times.times() && stored.StartList() == times.StartList()) return true;
    return SaveTimeFiles(SaveBase, times);
}

void DeleteTimeFiles(const std::string& SaveBase)
{
    const TimeFilePaths paths = TimeFilesOf(ProgramFolder(), SaveBase);
    QFile::remove(QString::fromStdString(paths.qdx));
    QFile::remove(QString::fromStdString(paths.sta));
}
