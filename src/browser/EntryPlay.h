#pragma once
// Playing the clicked entry of a file list, without its window: the path of
// the selected (else the first) row is played; in a registration list a row
// whose file is gone is offered for removal, and the search goes on with
// the next row until a file plays, the user aborts, or every row left has
// been declined once.
#include <QString>

#include <functional>

class TMKBoxDlg;

// What the play handler needs of a list.
class PlayableList {
public:
    virtual ~PlayableList() = default;
    virtual int count() const = 0;
    virtual int selectedRow() const = 0;  // -1 when none
    virtual QString pathAt(int row) const = 0;
    virtual void removeAt(int row) = 0;
    // Makes the row the only selected and focused one and scrolls to it.
    virtual void selectOnly(int row) = 0;
};

struct EntryPlayOptions {
    bool checksExistence = true;  // false for the file list: its rows are the folder's files
    bool deletesCutTimes = false;  // the list of files to cut: removal also deletes .QDX and .STA
    QString programFolder;         // where the cut-time files are, with a trailing separator
};

// The question for a registered file that no longer exists.
QString MissingFileQuestionText(const QString& path);
// The cut-time files of a file: program folder + base name + ".QDX" / ".STA".
QStringList CutTimeFiles(const QString& programFolder, const QString& path);

// Plays the entry through `play`; true when something was played.
bool PlayEntry(PlayableList& list, TMKBoxDlg& box, const EntryPlayOptions& options,
               const std::function<void(const QString& path)>& play);
