#include "TextListBox.h"

#include <QLabel>

#include <algorithm>

#include "DroppedFiles.h"
#include "RegistrationTexts.h"

TextListBox::TextListBox(const QString& name, bool wavOnly, QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    AcceptFileDrops(this, wavOnly, [this](const QStringList& paths) { emit filesDropped(paths); });
}

QStringList TextListBox::lines() const
{
    if (insertions_) return insertions_->after + insertions_->before.mid(insertions_->copied);
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i) all << item(i)->text();
    return all;
}

void TextListBox::setLines(const QStringList& lines)
{
    clear();
    addItems(lines);
}

void TextListBox::insertLine(int index, const QString& line)
{
    if (!insertions_) {
        insertItem(index, line);
        selectOnly(index);
        return;
    }
    Insertions& made = *insertions_;
    if (index < made.after.size()) {
        made.after.insert(index, line);
    } else {
        while (made.after.size() < index && made.copied < made.before.size()) made.after << made.before[made.copied++];
        made.after << line;
    }
    made.last = std::min<int>(index, made.after.size() - 1);
}

void TextListBox::beginInsertions() { insertions_ = Insertions{lines(), 0, {}, -1}; }

void TextListBox::endInsertions()
{
    if (!insertions_) return;
    Insertions made = std::move(*insertions_);
    insertions_.reset();
    if (made.last < 0) return;
    made.after += made.before.mid(made.copied);
    setLines(made.after);
    selectOnly(made.last);
}

int TextListBox::lineCount() const
{
    if (!insertions_) return count();
    return static_cast<int>(insertions_->after.size() + insertions_->before.size() - insertions_->copied);
}

QString TextListBox::lineAt(int index) const
{
    if (!insertions_) return item(index)->text();
    const Insertions& made = *insertions_;
    return index < made.after.size() ? made.after[index] : made.before[made.copied + index - made.after.size()];
}

void TextListBox::appendLines(const QStringList& lines)
{
    if (lines.isEmpty()) return;
    addItems(lines);
    selectOnly(count() - 1);
}

int TextListBox::removeSelectedLines()
{
    int removed = 0;
    for (int i = count() - 1; i >= 0; --i) {
        if (!item(i)->isSelected()) continue;
        delete takeItem(i);
        ++removed;
    }
    return removed;
}

void TextListBox::restoreLine(int index)
{
    if (index >= 0 && index < count()) selectOnly(index);
}

void TextListBox::selectOnly(int index)
{
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

void TextListBox::setCountLabel(QLabel* label)
{
    countLabel_ = label;
    showCount();
}

void TextListBox::showCount(bool busy)
{
    using namespace RegistrationTexts;
    if (countLabel_) countLabel_->setText((busy ? CountBusy : QString::number(lineCount())) + CountSign);
}

