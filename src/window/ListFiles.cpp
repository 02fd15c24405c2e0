#include "ListFiles.h"

#include "Folders.h"
#include "ProgramInfo.h"
#include "TextFiles.h"

namespace {

QString Suffix(ListFile file)
{
    switch (file) {
    case ListFile::FolderHistory: return QStringLiteral("FH.LIS");
    case ListFile::ListJoin: return QStringLiteral("KL.LIS");
    case ListFile::Rename: return QStringLiteral("IR.LIS");
    }
    return {};
}

}  // namespace

QString ListFilePath(ListFile file)
{
    return QString::fromStdString(ProgramFolder()) + ProgramInfo::Word + Suffix(file);
}

QStringList LoadListFile(ListFile file) { return ReadTextLines(ListFilePath(file)).value_or(QStringList()); }

bool SaveListFile(ListFile file, const QStringList& lines)
{
    const QStringList written = file == ListFile::FolderHistory ? lines.mid(0, FolderHistoryLimit) : lines;
    return WriteTextLines(ListFilePath(file), written);
}
