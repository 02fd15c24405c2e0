#pragma once
// The list files in the program folder: "VANTRO" + "FH.LIS" (folder history,
// newest first), "KL.LIS" (lines of the list-join tab) and "IR.LIS" (lines of
// the rename tab). Each holds one entry per line and is rewritten whole.
#include <QString>
#include <QStringList>

enum class ListFile { FolderHistory, ListJoin, Rename };

// At most this many folders are written to the folder history.
inline constexpr int FolderHistoryLimit = 16;

QString ListFilePath(ListFile file);
// The file's lines; empty when it is missing or cannot be read.
QStringList LoadListFile(ListFile file);
// Writes the lines (the folder history cut to its first 16); false when the
// file cannot be written.
bool SaveListFile(ListFile file, const QStringList& lines);
