#pragma once
// Which of the desktop's mixers the volume commands start, and how: the
// choice made from the programs on the machine, without starting anything.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The volumes the user can open: playback, recording, and the devices with
// their other volumes.
enum class VolumeKind { Playback, Recording, Devices };

struct ProgramStart {
    QString program;
    QStringList arguments;

    bool operator==(const ProgramStart&) const = default;
};

// Gives the full path of a program by its name, empty when there is none.
using ProgramFinder = std::function<QString(const QString& name)>;

// Looks a program up on PATH.
QString FindProgramOnPath(const QString& name);

// The mixer to start for `kind`, in a small or a normal window; nothing when
// the machine has none of the mixers the program knows.
std::optional<ProgramStart> VolumeControlStart(VolumeKind kind, bool smallWindow,
                                               const ProgramFinder& find = FindProgramOnPath);
