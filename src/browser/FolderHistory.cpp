#include "FolderHistory.h"

#include "YeNADDCUT.h"

void FolderHistory::setNewDIR(const QString& path)
{
    const QString folder = WithoutTrailingSeparator(path);
    if (folder.isEmpty()) return;
    entries_.removeAll(folder);
    entries_.prepend(folder);
}

void FolderHistory::moveToFront(int index)
{
    if (index > 0 && index < entries_.size()) entries_.move(index, 0);
}

void FolderHistory::load(const QStringList& lines)
{
    entries_.clear();
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        const QString folder = WithoutTrailingSeparator(line);
        if (!entries_.contains(folder)) entries_.append(folder);
    }
}
