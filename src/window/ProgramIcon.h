#pragma once
// The program's icon: shown by its windows, and put into the user's icon
// theme by the first start so that the applications menu shows it too.
#include <QByteArray>
#include <QIcon>
#include <QString>

// The name the desktop entry gives as its Icon.
inline const QString ProgramIconName = QStringLiteral("vantro");

QIcon ProgramIcon();
// The icon as the SVG file it is.
QByteArray ProgramIconSvg();
// Where the first start puts the icon: the user's hicolor theme.
QString UserIconPath();
