#include "FileListing.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <chrono>
#include <string_view>
#include <unordered_map>

#include "BrowserTexts.h"
#include "FolderEntries.h"
#include "TextFormats.h"
#include "YeNADDCUT.h"

namespace {

// Wildcard match of name[n..] against mask[m..], letters folded to one case.
bool MatchFrom(const QString& name, qsizetype n, const QString& mask, qsizetype m)
{
    while (m < mask.size()) {
        const QChar c = mask.at(m);
        if (c == u'*') {
            while (m < mask.size() && mask.at(m) == u'*') ++m;
            if (m == mask.size()) return true;
            // With no '*' left, every mask character takes one name
            // character: the rest can only match the end of the name.
            if (!QStringView(mask).sliced(m).contains(u'*')) {
                const qsizetype from = name.size() - (mask.size() - m);
                return from >= n && MatchFrom(name, from, mask, m);
            }
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

bool IsHiddenName(std::string_view name)
{
    return !name.empty() && name.front() == '.';
}

// The size, date and attribute texts of the rows of one listing. Files of
// one folder often share a modification second, a size or attributes: each
// such text is made once and shared by every row that shows it.
class RowTexts {
public:
    QString size(int64_t bytes)
    {
        auto found = sizes_.find(bytes);
        if (found == sizes_.end())
            found = sizes_.emplace(bytes, QString::fromStdString(FormatN(bytes, 8))).first;
        return found->second;
    }

    // The date shows whole seconds: every time within one second has the
    // text of that second's start.
    QString date(std::chrono::system_clock::time_point time)
    {
        const auto second = std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
        auto found = dates_.find(second);
        if (found == dates_.end()) {
            const std::chrono::system_clock::time_point start{std::chrono::seconds(second)};
            found = dates_.emplace(second, QString::fromStdString(DateTimeWeekText(start))).first;
        }
        return found->second;
    }

    QString attributes(std::string_view name, bool writable, bool regular)
    {
        QString& text = attributes_[(writable ? 1 : 0) | (IsHiddenName(name) ? 2 : 0) | (regular ? 4 : 0)];
        if (text.isNull()) text = AttributeText(std::string(name), writable, regular);
        return text;
    }

private:
    std::unordered_map<int64_t, QString> sizes_;
    std::unordered_map<int64_t, QString> dates_;
    std::array<QString, 8> attributes_;
};

// Moves each row to its place in one pass, without a second copy of the
// rows: position i takes the row that was at order[i].
void PutInOrder(std::vector<FileRow>& rows, std::vector<size_t>& order)
{
    for (size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        FileRow held = std::move(rows[start]);
        size_t at = start;
        while (order[at] != start) {
            const size_t from = order[at];
            rows[at] = std::move(rows[from]);
            order[at] = at;
            at = from;
        }
        rows[at] = std::move(held);
        order[at] = at;
    }
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
    if (IsHiddenName(name)) text[2] = u'H';
    if (regular) text[3] = u'A';
    return text;
}

std::optional<std::vector<FileRow>> ListFolderFiles(const std::string& folder, const QStringList& masks)
{
    const std::string plain = YenCut(folder);
    const std::string withSeparator = YenAdd(plain);
    std::vector<FileRow> rows;
    RowTexts texts;
    QString caption;  // of the name last offered
    const bool read = ReadFolderEntries(
        plain,
        [&](std::string_view name) {
            caption = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            return MatchesAny(caption, masks);
        },
        [&](const FolderEntry& entry) {
            if (entry.directory) return;
            rows.push_back(FileRow{caption, QString::fromStdString(withSeparator + std::string(entry.name)),
                                   texts.size(entry.size), texts.date(entry.modified),
                                   texts.attributes(entry.name, entry.writable, entry.regular)});
        });
    if (!read) return std::nullopt;
    SortByCaption(rows);
    return rows;
}

void SortByCaption(std::vector<FileRow>& rows)
{
    // One collation key per row instead of a locale compare per comparison:
    // the same order as QString::localeAwareCompare, at a fraction of the cost.
    std::vector<size_t> order;
    {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseSensitive);
        std::vector<std::pair<QCollatorSortKey, size_t>> keys;
        keys.reserve(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(collator.sortKey(rows[i].caption), i);
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
        order.reserve(keys.size());
        for (const auto& key : keys) order.push_back(key.second);
    }
    PutInOrder(rows, order);
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
