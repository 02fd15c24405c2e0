#pragma once
// The list file of a registration list: the column widths and every entry's
// caption and four sub-item texts, in order. Layout (a text file as
// TextFiles.h writes and reads them):
//   VANTRO-VEW<TAB>1
//   W<TAB>width0<TAB>...<TAB>width4
//   R<TAB>caption<TAB>path<TAB>size<TAB>date<TAB>attributes   (one per entry)
// Inside a field a backslash, tab, CR and LF are written as \\, \t, \r and \n,
// so every file name survives whatever characters it holds.
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

#include "FileRow.h"
#include "RegistrationRows.h"

struct RegistrationListContent {
    std::array<int, RegistrationColumnCount> widths{};
    QList<FileRow> rows;

    bool operator==(const RegistrationListContent&) const = default;
};

QStringList EncodeRegistrationList(const RegistrationListContent& content);
// Nothing when the lines are not such a list (wrong header, a malformed line).
std::optional<RegistrationListContent> DecodeRegistrationList(const QStringList& lines);

// Writes the file whole; false when it cannot be written.
bool SaveRegistrationList(const QString& path, const RegistrationListContent& content);
// Nothing when the file is missing, unreadable or damaged.
std::optional<RegistrationListContent> LoadRegistrationList(const QString& path);
