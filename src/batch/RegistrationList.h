#pragma once
// RegistrationList: one registration list view (ListView_M, ListView_G, ...).
// Report style, several whole rows selectable, texts read-only, clickable
// headers; columns caption, full path, size, date, attributes, the size and
// attribute columns right-aligned. The rows are the data: entries() reads
// them out, setEntries() shows them again.
#include <QTreeWidget>

#include <array>
#include <functional>
#include <optional>

#include "RegistrationRows.h"

class RegistrationList : public QTreeWidget {
    Q_OBJECT
public:
    explicit RegistrationList(const QString& name, QWidget* parent = nullptr);

    ListEntries entries() const;
    // Shows `entries` with their selection; `current` is focused and scrolled to.
    void setEntries(const ListEntries& entries, std::optional<int> current = std::nullopt);
    // Adds a row at the end, selects it alone, focuses it and scrolls to it.
    void appendRow(const FileRow& row);
    // Selects row `index` alone, focuses it and scrolls to it.
    void selectOnly(int index);
    // Makes row `index` the current row without changing the selection.
    void makeCurrent(int index);

    void setCountCaptions(const CountCaptions& captions);
    std::array<int, RegistrationColumnCount> columnWidths() const;
    // Sets the widths; the size, date and attribute columns then fit their texts again.
    void setColumnWidths(const std::array<int, RegistrationColumnCount>& widths);

signals:
    // A column header was clicked (the sort command).
    void columnClicked(int column);
    // WAV files were dropped onto the list from the desktop's file manager:
    // their native paths, in drop order (folders and other files left out).
    void filesDropped(const QStringList& paths);

private:
    QTreeWidgetItem* newItem(const FileRow& row) const;
};
