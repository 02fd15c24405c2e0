#include "ColumnFit.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

namespace {

// Room for the focus frame on both sides of a text, as the list's style
// draws it, and a little to spare for italics.
int TextMargins(const QTreeWidget& list)
{
    return 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1) + 6;
}

QChar WidestDigit(const QFontMetrics& metrics)
{
    QChar widest = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest)) widest = QChar(digit);
    return widest;
}

// Sizes and dates differ mostly in their digits: each text is measured in
// the shape it takes with every digit made the widest one, and each shape
// once, so a list of many thousand rows is measured in a few steps.
QString Shape(QString text, QChar widestDigit)
{
    for (QChar& c : text)
        if (c.isDigit()) c = widestDigit;
    return text;
}

// True when `text` takes the shape `shape`; tells neighbouring rows of one
// shape apart from a new shape without making a copy of each text.
bool HasShape(const QString& text, const QString& shape, QChar widestDigit)
{
    if (text.size() != shape.size()) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != shape.at(i) && !(c.isDigit() && shape.at(i) == widestDigit)) return false;
    }
    return true;
}

// The width `column` of `list` needs for its header caption and the texts of
// the top-level rows `first` to `last`.
int FittingWidth(const QTreeWidget& list, int column, int first, int last)
{
    QFont bold = list.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QChar widestDigit = WidestDigit(metrics);
    QSet<QString> shapes;
    QString previous;
    for (int row = std::max(first, 0); row <= last && row < list.topLevelItemCount(); ++row) {
        const QString text = list.topLevelItem(row)->text(column);
        if (!previous.isNull() && HasShape(text, previous, widestDigit)) continue;
        previous = Shape(text, widestDigit);
        shapes.insert(previous);
    }
    int text = 0;
    for (const QString& shape : shapes) text = std::max(text, metrics.horizontalAdvance(shape));
    return std::max(text + TextMargins(list), list.header()->sectionSizeHint(column));
}

class ColumnFitter : public QObject {
    Q_OBJECT
public:
    ColumnFitter(QTreeWidget& list, const QList<int>& columns)
        : QObject(&list), list_(list), header_(list.header()), columns_(columns)
    {
        QAbstractItemModel* model = list.model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex& parent, int first, int last) {
                    if (!parent.isValid()) widen(first, last);
                });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    if (!topLeft.parent().isValid()) widen(topLeft.row(), bottomRight.row());
                });
        connect(model, &QAbstractItemModel::modelReset, this, &ColumnFitter::fit);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &ColumnFitter::holdMinimumWidth);
        connect(header_, &QHeaderView::sectionResized, this, &ColumnFitter::holdMinimumWidth);  // shown or hidden
        fit();
    }

    void fit()
    {
        if (!header_) return;  // the list is being destroyed
        const int last = list_.topLevelItemCount() - 1;
        for (int column : columns_) {
            fitted_[column] = FittingWidth(list_, column, 0, last);
            list_.setColumnWidth(column, fitted_[column]);
        }
        holdMinimumWidth();
    }

private:
    void widen(int first, int last)
    {
        if (!header_) return;
        for (int column : columns_) {
            const int width = FittingWidth(list_, column, first, last);
            if (width <= fitted_[column]) continue;
            fitted_[column] = width;
            if (width > list_.columnWidth(column)) list_.setColumnWidth(column, width);
        }
        holdMinimumWidth();
    }

    // The list is never narrower than its fitted columns and the captions of
    // its other shown columns, so that a splitter cannot hide them.
    void holdMinimumWidth()
    {
        if (!header_) return;
        int width = 2 * list_.frameWidth() + list_.verticalScrollBar()->sizeHint().width();
        for (int column = 0; column < list_.columnCount(); ++column) {
            if (list_.isColumnHidden(column)) continue;
            width += fitted_.contains(column) ? fitted_[column] : header_->sectionSizeHint(column);
        }
        list_.setMinimumWidth(width);
    }

    QTreeWidget& list_;
    QPointer<QHeaderView> header_;
    QList<int> columns_;
    QHash<int, int> fitted_;  // the width each fitted column needs
};

}  // namespace

void KeepColumnsFitted(QTreeWidget& list, const QList<int>& columns)
{
    new ColumnFitter(list, columns);
}

void FitColumns(QTreeWidget& list)
{
    for (ColumnFitter* fitter : list.findChildren<ColumnFitter*>(Qt::FindDirectChildrenOnly)) fitter->fit();
}

#include "ColumnFit.moc"
