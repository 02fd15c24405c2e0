#include "Shortcuts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString WithSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder;
    return folder + QLatin1Char('/');
}

// The folder that `xdg-user-dir` names for a kind (DESKTOP, ...); empty when
// the tool is missing or gives no absolute path.
QString XdgUserDir(const QString& kind)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-user-dir"));
    if (tool.isEmpty()) return {};
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(tool, {kind});
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    QByteArray output = process.readAllStandardOutput();
    while (output.endsWith('\n')) output.chop(1);
    const QString folder = QFile::decodeName(output);
    return QDir::isAbsolutePath(folder) ? folder : QString();
}

QString LauncherFileName(const QString& title) { return title + QStringLiteral(".desktop"); }

// A value of type string: backslashes and line breaks escaped.
QString EntryString(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return value;
}

}  // namespace

QString ApplicationsFolder()
{
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
}

QString AutostartFolder()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) return {};
    return WithSeparator(config) + QStringLiteral("autostart/");
}

QString DesktopFolder()
{
    QString desktop = XdgUserDir(QStringLiteral("DESKTOP"));
    if (desktop.isEmpty()) desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return WithSeparator(desktop.isEmpty() ? QDir::homePath() + QStringLiteral("/Desktop") : desktop);
}

ShortcutPaths MakeShortcutPaths(const QString& title, const QString& group)
{
    const QString fileName = LauncherFileName(title);
    const QString programs = group.isEmpty() ? ApplicationsFolder() : ApplicationsFolder() + WithSeparator(group);
    const QString autostart = AutostartFolder();
    return {programs + fileName, DesktopFolder() + fileName, autostart.isEmpty() ? QString() : autostart + fileName};
}

QString DesktopExecArgument(const QString& path)
{
    // The whole path in double quotes, with the four characters that are
    // special inside quotes escaped, field codes disarmed, and then the
    // escapes of a string value on top.
    QString quoted;
    for (const QChar ch : path) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('`') || ch == QLatin1Char('$') || ch == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += ch;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return EntryString(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

QByteArray DesktopEntryText(const LauncherEntry& entry)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Version=1.0\n");
    text += QStringLiteral("Name=%1\n").arg(EntryString(entry.name));
    text += QStringLiteral("Name[ja]=%1\n").arg(EntryString(entry.name));
    if (!entry.englishComment.isEmpty())
        text += QStringLiteral("Comment=%1\n").arg(EntryString(entry.englishComment));
    if (!entry.comment.isEmpty())
        text += QStringLiteral("Comment%1=%2\n")
                    .arg(entry.englishComment.isEmpty() ? QString() : QStringLiteral("[ja]"), EntryString(entry.comment));
    text += QStringLiteral("Exec=%1 %F\n").arg(DesktopExecArgument(entry.executable));
    if (!entry.icon.isEmpty()) text += QStringLiteral("Icon=%1\n").arg(EntryString(entry.icon));
    text += QStringLiteral("Terminal=false\n"
                           "MimeType=audio/x-wav;audio/wav;audio/vnd.wave;\n"
                           "Categories=AudioVideo;Audio;AudioVideoEditing;\n"
                           "StartupWMClass=%1\n")
                .arg(QFileInfo(entry.executable).fileName());
    return text.toUtf8();
}

bool LauncherExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

bool WriteLauncher(const QString& path, const LauncherEntry& entry)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray text = DesktopEntryText(entry);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

bool RemoveLauncher(const QString& path)
{
    if (!QFileInfo::exists(path)) return true;
    return QFile::remove(path);
}

bool CopyLauncher(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    if (!from.isFile() || target.isEmpty()) return false;
    // A user without a desktop folder yet gets one, as desktops make it.
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) return false;
    if (QFileInfo::exists(target) && !QFile::remove(target)) return false;
    if (!QFile::copy(source, target)) return false;
    QFile copy(target);
    if (!copy.open(QIODevice::ReadWrite) || !copy.setFileTime(from.lastModified(), QFileDevice::FileModificationTime)) {
        copy.close();
        QFile::remove(target);
        return false;
    }
    return true;
}

bool RemoveEmptyFolder(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists()) return true;
    if (!dir.isEmpty()) return false;
    return QDir().rmdir(dir.absolutePath());
}
