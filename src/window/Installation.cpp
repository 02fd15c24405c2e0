#include "Installation.h"

#include <QDir>
#include <QFileInfo>

#include "InstallerTexts.h"
#include "Mkdlg.h"
#include "ProgramInfo.h"
#include "SettingsStore.h"

namespace {

const QString kVersion = QStringLiteral("Version");
const QString kGroup = QStringLiteral("Group");

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

bool InstallProgram(SettingsStore& store, const ShortcutPaths& paths, const LauncherEntry& launcher)
{
    store.write(kVersion, QString::number(ProgramInfo::Version));
    store.write(kGroup, ProgramInfo::Group);
    return WriteLauncher(paths.programs, launcher);
}

bool UninstallProgram(TMKBoxDlg& box, SettingsStore& store, const ShortcutPaths& paths)
{
    if (MKAsk(box, QString::fromUtf8(InstallerTexts::UninstallAsk), MKAnswer::No) != MKAnswer::Yes) {
        MKInfoTM(box, QString::fromUtf8(InstallerTexts::UninstallCancelled), MKAnswer::OK);
        return false;
    }
    store.removeKey();
    QStringList left;
    for (const QString& launcher : {paths.programs, paths.startup, paths.desktop})
        if (!launcher.isEmpty() && !RemoveLauncher(launcher)) left << launcher;
    const QString groupFolder = QFileInfo(paths.programs).absolutePath();
    if (!paths.programs.isEmpty() && QDir(groupFolder) != QDir(ApplicationsFolder())) RemoveEmptyFolder(groupFolder);
    if (left.isEmpty()) MKInfo(box, QString::fromUtf8(InstallerTexts::UninstallDone));
    else MKInfo(box, QString::fromUtf8(InstallerTexts::UninstallLeft) + QLatin1Char('\n') + left.join(QLatin1Char('\n')));
    return true;
}
