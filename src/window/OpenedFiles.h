#pragma once
// WAV files given to the program to open: on its command line without a ">"
// output (the file manager's "Open with" passes the files chosen), or handed
// over by a second start. They go into the list of files to cut.
#include <QStringList>

struct OpenedFiles {
    QStringList wavs;     // existing WAV files, as absolute paths, in the order given
    QStringList leftOut;  // what is not a WAV file or is not there
};

// The files to open; nothing when a ">" output asks for a join instead.
OpenedFiles ReadOpenedFiles(const QStringList& parameters);

// The parameters a second start handed over (joined by "?").
QStringList HandedParameters(const QString& text);
