#pragma once
// TTimeListBox: one time list of the cut face (ListBox_ALL, the six step
// lists, ListBox_C). A view over the list's entry texts with a fixed item
// height of 13 pixels, several entries selectable, the selected entries in a
// bold font, and a current entry that may be unselected. ListBox_C draws its
// marked entries in their start-time colours (ListBox_CDrawItem); the others
// draw plainly (ListBox_ALLDrawItem).
#include <QListView>
#include <QStringList>

#include <functional>

#include "PlayRange.h"

class TimeListModel;

class TTimeListBox : public QListView {
    Q_OBJECT
public:
    TTimeListBox(ListKind kind, const char* name, const char* hint, QWidget* parent = nullptr);

    // Which of the eight lists this is.
    ListKind kind() const { return kind_; }

    int count() const;
    QString entry(int index) const;
    const QStringList& entries() const;
    // Replaces every entry; no entry is current or selected afterwards.
    void setEntries(QStringList entries);
    void clear();

    // The current entry (ItemIndex), -1 when there is none.
    int itemIndex() const;
    // Makes `index` the current entry, keeping the selection; -1: none.
    void setItemIndex(int index);
    // Makes `index` the current and only selected entry, shown in view.
    void selectOnly(int index);
    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    // The selected entries, ascending.
    QList<int> selectedRows() const;
    void selectAllEntries();

    // The colour code 0-6 of an entry (ListBox_C: from the start list while
    // start times are enabled); unset: every entry is drawn plainly.
    std::function<int(int index)> markOf;

signals:
    // A left click on an entry (after the view made it current and selected).
    void entryClicked();
    // The right button pressed in the list, at this global position.
    void rightPressed(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ListKind kind_;
    TimeListModel* model_;
};
