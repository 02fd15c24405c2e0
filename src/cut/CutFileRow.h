#pragma once
// The cut file's row of the cut face (Panel_Fn): the choice of the cut file
// (ComboBox1), its name (Edit_Fn), the split-file folder (Edit_SDIR), the save
// base name (Edit_SFn) and the pattern appended to it (Label_SFn_Last).
//
// The row only shows: what a choice or a double-click does is done by the
// cut file's commands (CutFileCommands), which the session binds to the hooks
// and signals below once the playback and the lists exist. Entering one of
// the three fields selects its whole text 300 ms later (Timer_Edit), so that
// it can be copied.
#include <QFrame>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class EditTextSelection;

class CutFileRow : public QFrame {
    Q_OBJECT
public:
    explicit CutFileRow(QWidget* parent = nullptr);

    QComboBox* ComboBox1;       // the cut files: full paths of ListView_M's rows
    QLineEdit* Edit_Fn;         // file name of the chosen cut file (read-only)
    QLineEdit* Edit_SDIR;       // split-file folder, without its trailing separator
    QLineEdit* Edit_SFn;        // save base name
    QLabel* Label_SFn_Last;     // "_YYMMDD_HHMMSS_TTTTTT.wav" and its short twin
    EditTextSelection* Timer_Edit;  // selects a field's whole text after entering it

    // The cut file's commands (no-ops until the session binds them).
    // ComboBox1Change loads the file chosen in ComboBox1 with its time files;
    // a choice in the combo runs it, and the switch to the cut face runs it
    // after filling the combo. SaveTimeFiles writes the registered and start
    // times of the file in work to its time files.
    std::function<void()> ComboBox1Change = [] {};
    std::function<void()> SaveTimeFiles = [] {};

signals:
    void cutFileDoubleClicked();     // Edit_FnDblClick
    void saveFolderDoubleClicked();  // Edit_SDIR: runs MF_SAVE_DIRClick
    void saveBaseDoubleClicked();    // Edit_SFnDblClick

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
