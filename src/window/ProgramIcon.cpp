#include "ProgramIcon.h"

#include <QFile>
#include <QStandardPaths>

// The resource lives in a static library: it is registered on first use.
// (Outside any namespace, as the registration function is a global one.)
static void LoadIconResource()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)loaded;
}

namespace {

const QString IconResource = QStringLiteral(":/icons/vantro.svg");

}  // namespace

QIcon ProgramIcon()
{
    LoadIconResource();
    return QIcon(IconResource);
}

QByteArray ProgramIconSvg()
{
    LoadIconResource();
    QFile file(IconResource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString UserIconPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/icons/hicolor/scalable/apps/") + ProgramIconName + QStringLiteral(".svg");
}
