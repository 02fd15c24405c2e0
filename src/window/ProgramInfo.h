#pragma once
// The values that identify the program, set once at process start.
#include <QString>

namespace ProgramInfo {
// The display name: the main window's caption and the name of its launchers.
inline const QString Title = QStringLiteral("VANTRO");
// The version whose settings the main window works with; any other stored
// Version opens the installer window first.
inline constexpr int Version = 16;
// Names the settings key, and prefixes the list files and the help page.
inline const QString Word = QStringLiteral("VANTRO");
// The program group (applications subfolder) the installer registers.
inline const QString Group = QStringLiteral("VANTRO");
}  // namespace ProgramInfo
