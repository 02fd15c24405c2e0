#pragma once
// The window-free logic of the registration lists: an entry is a FileRow with
// its selected state, a list is the entries in order. Moving, deleting,
// refreshing, sorting, copying, finding a caption and the count captions work
// on such lists; the list widgets read their rows out, call these and show
// the result.
#include <QList>
#include <QString>

#include <array>
#include <optional>

#include "FileRow.h"

struct ListEntry {
    FileRow row;
    bool selected = false;

    bool operator==(const ListEntry&) const = default;
};
using ListEntries = QList<ListEntry>;

enum class MoveDirection { Up, Down };

// Takes the selected entries out and puts them back, in their former order
// and still selected, as one block beginning one place above (Up) or below
// (Down) the first of them, held inside the list. Returns the block's first
// index, or nothing when no entry is selected (the list is unchanged).
std::optional<int> MoveSelected(ListEntries& entries, MoveDirection direction);

// Removes every selected entry; returns how many were removed.
int RemoveSelected(ListEntries& entries);

// The size, date and attribute texts of the file at `path` as registered
// rows show them; nothing when there is no such file.
struct FileFacts {
    QString size;
    QString date;
    QString attributes;
};
std::optional<FileFacts> ReadFileFacts(const QString& path);
// Renews the size, date and attribute texts of every entry from its file;
// an entry whose file is missing gets three empty texts.
void RefreshEntries(ListEntries& entries);

// Columns of a registration list.
enum RegistrationColumn { CaptionColumn = 0, PathColumn, SizeColumn, DateColumn, AttributesColumn };
inline constexpr int RegistrationColumnCount = 5;

// The sort direction flags shared by all five lists: the caption and path
// columns share one flag. A click toggles its column's flag; a flag that is on
// afterwards sorts descending.
class SortDirections {
public:
    // Toggles the column's flag; true when the sort is to be descending.
    bool toggle(int column);

private:
    bool& flag(int column);

    bool name_ = false;
    bool size_ = true;
    bool date_ = true;
    bool attributes_ = true;
};

// Sorts by `column`. Texts compare locale-aware; sizes compare by their
// number (an empty size, a missing file, before any number). Afterwards only
// the first entry that was selected stays selected; returns its new index.
std::optional<int> SortEntries(ListEntries& entries, int column, bool descending);

// The full paths of all entries, each ended by CR LF (the copy command).
QString PathsText(const ListEntries& entries);

// The index of the first entry whose caption equals `caption` exactly;
// nothing for an empty caption or when there is none.
std::optional<int> FindCaption(const ListEntries& entries, const QString& caption);
// The caption of the first selected entry; empty when none is selected.
QString SelectedCaption(const ListEntries& entries);

// The headers of the caption and path columns for a list of `count` entries
// ("12ｺ　ファイル名", "12ｺ　フルパス名"), or with "---ｺ" while a registration
// or deletion runs (count nothing).
struct CountCaptions {
    QString caption;
    QString path;
};
CountCaptions CountCaptionsFor(std::optional<int> count);

// The column widths of a list from the width of the batch tabs (at least 1):
// the caption column hidden (0), no width below 0.
std::array<int, RegistrationColumnCount> StandardColumnWidths(int pageWidth);
