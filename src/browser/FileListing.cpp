#include "FileListing.h"

#include <QCollator>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "BrowserTexts.h"
#include "TextFormats.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;

namespace {

// Wildcard match of name[n..] against mask[m..], letters folded to one case.
bool MatchFrom(const QString& name, qsizetype n, const QString& mask, qsizetype m)
{
    while (m < mask.size()) {
        const QChar c = mask.at(m);
        if (c == u'*') {
            while (m < mask.size() && mask.at(m) == u'*') ++m;
            if (m == mask.size()) return true;
            for (qsizetype from = n; from <= name.size(); ++from)
                if (MatchFrom(name, from, mask, m)) return true;
            return false;
        }
        if (n == name.size()) return false;
        if (c != u'?' && c.toCaseFolded() != name.at(n).toCaseFolded()) return false;
        ++n;
        ++m;
    }
    return n == name.size();
}

bool MatchesAny(const QString& name, const QStringList& masks)
{
    return std::any_of(masks.begin(), masks.end(), [&](const QString& mask) { return MatchesMask(name, mask); });
}

// A file whose owner may not write it counts as read-only even for a user
// (such as root) whom the system would still let write it.
bool IsWritable(const fs::path& path, fs::perms perms)
{
    if ((perms & fs::perms::owner_write) == fs::perms::none) return false;
#ifndef _WIN32
    return ::access(path.c_str(), W_OK) == 0;
#else
    (void)path;
    return true;
#endif
}

std::chrono::system_clock::time_point SystemTime(fs::file_time_type time)
{
    return std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(time));
}

// One row for a directory entry that is a file; nothing for a folder or an
// entry whose details cannot be read.
std::optional<FileRow> RowOf(const fs::directory_entry& entry, const QString& caption, const std::string& folderWithSeparator)
{
    std::error_code ec;
    const fs::file_status status = entry.status(ec);
    if (ec || fs::is_directory(status)) return std::nullopt;
    const bool regular = fs::is_regular_file(status);
    const auto size = regular ? entry.file_size(ec) : 0;
    if (ec) return std::nullopt;
    const fs::file_time_type time = entry.last_write_time(ec);
    if (ec) return std::nullopt;
    const std::string name = entry.path().filename().string();
    return FileRow{caption,
                   QString::fromStdString(folderWithSeparator + name),
                   QString::fromStdString(FormatN(static_cast<int64_t>(size), 8)),
                   QString::fromStdString(DateTimeWeekText(SystemTime(time))),
                   AttributeText(name, IsWritable(entry.path(), status.permissions()), regular)};
}

QString PaddedTo(const QString& text, qsizetype width)
{
    return text.size() >= width ? text : QString(width - text.size(), u' ') + text;
}

QString CountCaption(std::optional<int> count, const QString& filling, const QString& tail)
{
    return count ? QString::number(*count) + BrowserTexts::CountSuffix + tail : filling;
}

}  // namespace

QString FileMaskText(bool allFiles)
{
    return allFiles ? BrowserTexts::AllMask : BrowserTexts::WavMask;
}

QStringList SplitMasks(const QString& maskText)
{
    return maskText.split(u';', Qt::SkipEmptyParts);
}

bool MatchesMask(const QString& name, const QString& mask)
{
    if (mask == u"*" || mask == BrowserTexts::AllMask) return true;
    return MatchFrom(name, 0, mask, 0);
}

QString AttributeText(const std::string& name, bool writable, bool regular)
{
    QString text(4, u' ');
    if (!writable) text[0] = u'R';
    if (!name.empty() && name.front() == '.') text[2] = u'H';
    if (regular) text[3] = u'A';
    return text;
}

std::optional<std::vector<FileRow>> ListFolderFiles(const std::string& folder, const QStringList& masks)
{
    const std::string plain = YenCut(folder);
    std::error_code ec;
    fs::directory_iterator it(plain.empty() ? fs::path(".") : fs::path(plain), ec);
    if (ec) return std::nullopt;
    const std::string withSeparator = YenAdd(plain);
    std::vector<FileRow> rows;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const QString caption = QString::fromStdString(it->path().filename().string());
        if (!MatchesAny(caption, masks)) continue;
        if (std::optional<FileRow> row = RowOf(*it, caption, withSeparator)) rows.push_back(std::move(*row));
    }
    if (ec) return std::nullopt;
    SortByCaption(rows);
    return rows;
}

void SortByCaption(std::vector<FileRow>& rows)
{
    // One collation key per row instead of a locale compare per comparison:
    // the same order as QString::localeAwareCompare, at a fraction of the cost.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<std::pair<QCollatorSortKey, size_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(collator.sortKey(rows[i].caption), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<FileRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys) sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
}

QString ColumnText(const FileRow& row, FileColumn column)
{
    switch (column) {
    case FileColumn::Name: return row.caption;
    case FileColumn::Size: return row.size;
    case FileColumn::Date: return row.date;
    case FileColumn::Attributes: return row.attributes;
    }
    return {};
}

int CompareByColumn(const FileRow& a, const FileRow& b, FileColumn column)
{
    if (column == FileColumn::Size) {
        const qsizetype width = std::max(a.size.size(), b.size.size());
        // Blanks, digits and commas only: the plain character order is the
        // number order once both have the same length.
        return QString::compare(PaddedTo(a.size, width), PaddedTo(b.size, width));
    }
    return QString::localeAwareCompare(ColumnText(a, column), ColumnText(b, column));
}

QString FileCountCaption(std::optional<int> count)
{
    return CountCaption(count, BrowserTexts::FileCountFilling, BrowserTexts::FileCountTail);
}

QString FolderCountCaption(std::optional<int> count)
{
    return CountCaption(count, BrowserTexts::FolderCountFilling, BrowserTexts::FolderCountTail);
}

QString TreeCountCaption(int count)
{
    return QString::number(count) + BrowserTexts::CountSuffix + BrowserTexts::TreeCountTail;
}
