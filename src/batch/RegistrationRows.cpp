#include "RegistrationRows.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "RegistrationTexts.h"
#include "TextFormats.h"

std::optional<int> MoveSelected(ListEntries& entries, MoveDirection direction)
{
    ListEntries block;
    ListEntries rest;
    int first = -1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].selected) {
            if (first < 0) first = i;
            block.append(entries[i]);
        } else {
            rest.append(entries[i]);
        }
    }
    if (block.isEmpty()) return std::nullopt;
    const int wanted = direction == MoveDirection::Up ? first - 1 : first + 1;
    const int at = std::clamp(wanted, 0, static_cast<int>(rest.size()));
    for (int i = 0; i < block.size(); ++i) rest.insert(at + i, block[i]);
    entries = rest;
    return at;
}

int RemoveSelected(ListEntries& entries)
{
    return static_cast<int>(entries.removeIf([](const ListEntry& entry) { return entry.selected; }));
}

namespace {

QString AttributesText(const QFileInfo& info)
{
    QString text;
    text += info.isWritable() ? u' ' : u'R';
    text += u' ';  // no system attribute here
    text += info.fileName().startsWith(u'.') ? u'H' : u' ';
    text += info.isFile() ? u'A' : u' ';
    return text;
}

std::chrono::system_clock::time_point ModificationTime(const QFileInfo& info)
{
    return std::chrono::system_clock::time_point(
        std::chrono::milliseconds(info.lastModified().toMSecsSinceEpoch()));
}

// The number a size text shows; -1 for a text without digits.
qint64 SizeNumber(const QString& text)
{
    qint64 number = -1;
    for (const QChar c : text) {
        if (c.isDigit()) number = std::max<qint64>(number, 0) * 10 + c.digitValue();
    }
    return number;
}

const QString& ColumnText(const FileRow& row, int column)
{
    switch (column) {
    case CaptionColumn: return row.caption;
    case PathColumn: return row.path;
    case SizeColumn: return row.size;
    case DateColumn: return row.date;
    default: return row.attributes;
    }
}

int Compare(const FileRow& a, const FileRow& b, int column)
{
    if (column == SizeColumn) {
        const qint64 left = SizeNumber(a.size);
        const qint64 right = SizeNumber(b.size);
        return left < right ? -1 : (left > right ? 1 : 0);
    }
    return QString::localeAwareCompare(ColumnText(a, column), ColumnText(b, column));
}

}  // namespace

std::optional<FileFacts> ReadFileFacts(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) return std::nullopt;
    const auto size = static_cast<uint32_t>(info.size());  // the low 32 bits, as the lists always showed
    return FileFacts{QString::fromStdString(FormatN(size, 8)),
                     QString::fromStdString(DateTimeWeekText(ModificationTime(info))), AttributesText(info)};
}

void RefreshEntries(ListEntries& entries)
{
    for (ListEntry& entry : entries) {
        const FileFacts facts = ReadFileFacts(entry.row.path).value_or(FileFacts{});
        entry.row.size = facts.size;
        entry.row.date = facts.date;
        entry.row.attributes = facts.attributes;
    }
}

bool& SortDirections::flag(int column)
{
    switch (column) {
    case SizeColumn: return size_;
    case DateColumn: return date_;
    case AttributesColumn: return attributes_;
    default: return name_;
    }
}

bool SortDirections::toggle(int column)
{
    bool& on = flag(column);
    on = !on;
    return on;
}

std::optional<int> SortEntries(ListEntries& entries, int column, bool descending)
{
    const auto first = std::find_if(entries.cbegin(), entries.cend(), [](const ListEntry& e) { return e.selected; });
    // The entry kept selected is known by its former index, so that equal rows stay apart.
    const qsizetype keptIndex = first == entries.cend() ? -1 : first - entries.cbegin();
    QList<std::pair<ListEntry, qsizetype>> tagged;
    for (qsizetype i = 0; i < entries.size(); ++i) tagged.append({entries[i], i});
    std::stable_sort(tagged.begin(), tagged.end(), [&](const auto& a, const auto& b) {
        const int order = Compare(a.first.row, b.first.row, column);
        return descending ? order > 0 : order < 0;
    });
    std::optional<int> current;
    for (qsizetype i = 0; i < tagged.size(); ++i) {
        entries[i] = tagged[i].first;
        entries[i].selected = tagged[i].second == keptIndex;
        if (entries[i].selected) current = static_cast<int>(i);
    }
    return current;
}

QString PathsText(const ListEntries& entries)
{
    QString text;
    for (const ListEntry& entry : entries) text += entry.row.path + QStringLiteral("\r\n");
    return text;
}

std::optional<int> FindCaption(const ListEntries& entries, const QString& caption)
{
    if (caption.isEmpty()) return std::nullopt;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].row.caption == caption) return i;
    }
    return std::nullopt;
}

QString SelectedCaption(const ListEntries& entries)
{
    for (const ListEntry& entry : entries) {
        if (entry.selected) return entry.row.caption;
    }
    return {};
}

CountCaptions CountCaptionsFor(std::optional<int> count)
{
    using namespace RegistrationTexts;
    const QString head = (count ? QString::number(*count) : CountBusy) + CountSign;
    return {head + CountCaptionTail, head + CountPathTail};
}

std::array<int, RegistrationColumnCount> StandardColumnWidths(int pageWidth)
{
    const int w = std::max(pageWidth, 1);
    const auto width = [](int value) { return std::max(value, 0); };  // a narrow page hides, never inverts
    return {0, width(w / 2 - 20), width(w / 6 - 10), width(w / 4), width(w / 10 - 10)};
}
