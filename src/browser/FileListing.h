#pragma once
// The rows of the file list for one folder: the files that match the masks,
// each with its size, date and attribute texts, sorted by name, and the
// texts and orders the list shows them in. No window is involved.
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "FileRow.h"

// The mask text of the file list: "*.*" when every file is wanted, else "*.wav".
QString FileMaskText(bool allFiles);
// The masks of a mask text, split at each ';' (empty parts dropped).
QStringList SplitMasks(const QString& maskText);
// True when a file name matches a mask ('*' any run, '?' one character),
// letters compared without regard to case. "*.*" and "*" match every name.
bool MatchesMask(const QString& name, const QString& mask);

// The attribute text of a file: "R" when it cannot be written, "S" never,
// "H" when its name begins with '.', "A" for a regular file; a blank for
// each that is not set.
QString AttributeText(const std::string& name, bool writable, bool regular);

// The files of a folder (given with or without a trailing separator) that
// match any of the masks, each once, sorted by caption. Folders never
// appear. Nothing when the folder cannot be read.
std::optional<std::vector<FileRow>> ListFolderFiles(const std::string& folder, const QStringList& masks);

// Captions sorted ascending by the locale-aware, case-sensitive compare.
void SortByCaption(std::vector<FileRow>& rows);

// Columns of the file list, in display order.
enum class FileColumn { Name = 0, Size = 1, Date = 2, Attributes = 3 };
// The order of two rows under a column: negative, zero or positive. Sizes
// are compared as texts padded with leading blanks to the same length, so a
// longer number sorts after a shorter one.
int CompareByColumn(const FileRow& a, const FileRow& b, FileColumn column);
// The text of a row in a column.
QString ColumnText(const FileRow& row, FileColumn column);

// The first column's caption while the list fills, and with its count.
QString FileCountCaption(std::optional<int> count);
// The folder list's header while it fills, and with its count.
QString FolderCountCaption(std::optional<int> count);
// The folder tree's header with its node count.
QString TreeCountCaption(int count);
