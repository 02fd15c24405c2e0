#pragma once
// TextListBox: a plain list of text lines, several selectable (ListBox_KL of
// the list-join tab, ListBox_IR of the rename tab), with the label that shows
// its line count followed by "ｺ" ("---ｺ" while a registration, a load or a
// deletion runs). Files dropped onto it from the desktop's file manager are
// handed on through filesDropped; the tab registers them.
#include <QListWidget>
#include <QPointer>
#include <QStringList>

#include <optional>

class QLabel;

class TextListBox : public QListWidget {
    Q_OBJECT
public:
    // `wavOnly`: only WAV files are taken from a drop.
    TextListBox(const QString& name, bool wavOnly, QWidget* parent = nullptr);

    QStringList lines() const;
    // Replaces every line; nothing is selected afterwards.
    void setLines(const QStringList& lines);
    // Puts a line at `index` (the line count appends) and selects it alone.
    void insertLine(int index, const QString& line);
    // The insertions of one registration, which may be many: between these
    // two calls insertLine() places lines aside (each at a place after the
    // one before, as the registrations place them), and lines(), lineCount()
    // and lineAt() answer for the list as it will be. endInsertions() shows the
    // lines together, the last one inserted selected, so that the list is
    // laid out once and not once per line.
    void beginInsertions();
    void endInsertions();
    int lineCount() const;
    QString lineAt(int index) const;
    // Adds lines at the end; the last becomes the only selected line.
    void appendLines(const QStringList& lines);
    // Removes the selected lines, from the last one up; returns how many.
    int removeSelectedLines();

    // The current line (the index stored at shutdown); -1 when none.
    int currentLine() const { return currentRow(); }
    // Selects line `index` alone when the list has more lines than that.
    void restoreLine(int index);

    // The label that shows the count; showCount() sets it from the lines,
    // or to "---ｺ" while busy.
    void setCountLabel(QLabel* label);
    void showCount(bool busy = false);

signals:
    // Files were dropped onto the list: their native paths, in drop order
    // (regular files only; WAV files only when the list takes only those).
    void filesDropped(const QStringList& paths);

private:
    void selectOnly(int index);

    // The lines of a registration under way: those copied from the list so
    // far with the new ones among them, and the rest still to copy.
    struct Insertions {
        QStringList before;
        qsizetype copied = 0;
        QStringList after;
        int last = -1;  // where the last new line went
    };

    std::optional<Insertions> insertions_;
    QPointer<QLabel> countLabel_;
};
