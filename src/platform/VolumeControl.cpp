#include "VolumeControl.h"

#include <QStandardPaths>

namespace {

// The sound server's own mixer opens at the tab for the kind: 1 playback
// streams, 2 recording streams, 3 output devices. Its window is compact when
// opened as it is; it has no size option other than --maximize, so the
// normal window is its full view, maximized.
ProgramStart SoundServerMixer(const QString& program, VolumeKind kind, bool smallWindow)
{
    const int tab = kind == VolumeKind::Playback ? 1 : kind == VolumeKind::Recording ? 2 : 3;
    QStringList arguments{QStringLiteral("--tab=%1").arg(tab)};
    if (!smallWindow) arguments << QStringLiteral("--maximize");
    return {program, arguments};
}

// The terminal mixer shows the playback or the capture controls, or all of
// them for the other volumes; it fills the terminal, whatever the size.
QString TerminalMixerView(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::Playback: return QStringLiteral("playback");
    case VolumeKind::Recording: return QStringLiteral("capture");
    case VolumeKind::Devices: break;
    }
    return QStringLiteral("all");
}

}  // namespace

QString FindProgramOnPath(const QString& name) { return QStandardPaths::findExecutable(name); }

std::optional<ProgramStart> VolumeControlStart(VolumeKind kind, bool smallWindow, const ProgramFinder& find)
{
    if (const QString mixer = find(QStringLiteral("pavucontrol")); !mixer.isEmpty())
        return SoundServerMixer(mixer, kind, smallWindow);
    // The following have neither tabs nor sizes to choose from the command
    // line: they open as they were last left.
    if (const QString mixer = find(QStringLiteral("pwvucontrol")); !mixer.isEmpty()) return ProgramStart{mixer, {}};
    if (const QString settings = find(QStringLiteral("gnome-control-center")); !settings.isEmpty())
        return ProgramStart{settings, {QStringLiteral("sound")}};
    const QString terminal = find(QStringLiteral("x-terminal-emulator"));
    const QString mixer = find(QStringLiteral("alsamixer"));
    if (!terminal.isEmpty() && !mixer.isEmpty())
        return ProgramStart{terminal, {QStringLiteral("-e"), mixer, QStringLiteral("-V"), TerminalMixerView(kind)}};
    return std::nullopt;
}
