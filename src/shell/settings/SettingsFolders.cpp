#include "SettingsFolders.h"

#include <QDir>
#include <QFileInfo>

#include <string>

#include "Folders.h"
#include "SettingsValues.h"
#include "YeNADDCUT.h"

namespace {

std::string Bytes(const QString& text) { return text.toStdString(); }
QString Text(const std::string& bytes) { return QString::fromStdString(bytes); }

}  // namespace

QString WithTrailingSeparator(const QString& folder) { return Text(YenAdd(Bytes(folder))); }

QString WithoutTrailingSeparator(const QString& folder) { return Text(YenCut(Bytes(folder))); }

QString SplitFolderFromStored(const QString& stored)
{
    if (stored.isEmpty() || stored == QStringLiteral("\\") || stored == SplitFolderUnset()) return SplitFolderUnset();
    std::string folder = YenCut(Bytes(stored));
    if (!FolderExists(folder) && !ResolveFolderPath(folder)) return SplitFolderUnset();
    if (!QDir::setCurrent(Text(folder))) return SplitFolderUnset();
    return Text(YenAdd(folder));
}

QString BatchFolderFromStored(const QString& stored)
{
    if (stored.isEmpty()) return {};
    const QString full = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(stored).absoluteFilePath()));
    if (!FolderExists(Bytes(full))) return {};
    return WithTrailingSeparator(full);
}

QString SplitFilesFolder(const QString& held)
{
    return held == SplitFolderUnset() ? Text(DefaultOutputFolder("SAVE_DIR")) : held;
}

QString FolderForDialog(const QString& held)
{
    return held == SplitFolderUnset() ? QString() : WithoutTrailingSeparator(held);
}
