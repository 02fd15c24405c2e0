#include "Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "InstallerTexts.h"
#include "Mkdlg.h"
#include "ProgramIcon.h"
#include "ProgramInfo.h"
#include "SettingsStore.h"

namespace {

const QString kVersion = QStringLiteral("Version");
const QString kGroup = QStringLiteral("Group");

// The icon in the user's icon theme, so that the menu entry shows it; an icon
// that cannot be written leaves the entry with the desktop's default.
void WriteUserIcon()
{
    const QString path = UserIconPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return;
    QSaveFile file(path);
    const QByteArray svg = ProgramIconSvg();
    if (file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size()) file.commit();
}

}  // namespace

QString StoredVersionText(const SettingsStore& store)
{
    const QString version = store.read(kVersion);
    return version.isEmpty() ? QStringLiteral("255") : version;
}

bool InstallerNeeded(const QString& storedVersion, const QString& executableName)
{
    return storedVersion != QString::number(ProgramInfo::Version)
           || executableName.toUpper().contains(QStringLiteral("SETUP"));
}

bool IsUninstallStart(const QStringList& parameters, const QString& executableName)
{
    return (!parameters.isEmpty() && parameters.first().compare(QStringLiteral("/uninstall"), Qt::CaseInsensitive) == 0)
           || QFileInfo(executableName).baseName().compare(QString::fromLatin1(UninstallerName), Qt::CaseInsensitive) == 0;
}

QString InstalledEntryPath(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/applications/") + ProgramIconName +
                           QStringLiteral(".desktop"));
}

bool RunsInstalled(const QString& programFolder)
{
    return QDir(programFolder).dirName() == QStringLiteral("bin") && QFileInfo(InstalledEntryPath(programFolder)).isFile();
}

void WriteInstalledSettings(SettingsStore& store)
{
    store.write(kVersion, QString::number(ProgramInfo::Version));
    store.write(kGroup, ProgramInfo::Group);
}

bool InstallProgram(SettingsStore& store, const ShortcutPaths& paths, const LauncherEntry& launcher)
{
    WriteInstalledSettings(store);
    WriteUserIcon();
    return WriteLauncher(paths.programs, launcher);
}

bool UninstallProgram(TMKBoxDlg& box, SettingsStore& store, const ShortcutPaths& paths, const QString& installedFolder)
{
    if (MKAsk(box, QString::fromUtf8(InstallerTexts::UninstallAsk), MKAnswer::No) != MKAnswer::Yes) {
        MKInfoTM(box, QString::fromUtf8(InstallerTexts::UninstallCancelled), MKAnswer::OK);
        return false;
    }
    store.removeKey();
    QStringList left;
    for (const QString& launcher : {paths.programs, paths.startup, paths.desktop})
        if (!launcher.isEmpty() && !RemoveLauncher(launcher)) left << launcher;
    if (QFileInfo::exists(UserIconPath()) && !QFile::remove(UserIconPath())) left << UserIconPath();
    const QString groupFolder = QFileInfo(paths.programs).absolutePath();
    if (!paths.programs.isEmpty() && QDir(groupFolder) != QDir(ApplicationsFolder())) RemoveEmptyFolder(groupFolder);
    QString report = left.isEmpty() ? QString::fromUtf8(InstallerTexts::UninstallDone)
                                    : QString::fromUtf8(InstallerTexts::UninstallLeft) + QLatin1Char('\n') +
                                          left.join(QLatin1Char('\n'));
    if (!installedFolder.isEmpty())
        report += QStringLiteral("\n\n") + QString::fromUtf8(InstallerTexts::ProgramStays).arg(installedFolder);
    MKInfo(box, report);
    return true;
}
