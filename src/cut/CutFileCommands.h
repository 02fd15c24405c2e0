#pragma once
// The commands of the cut file's row: choosing a cut file (ComboBox1Change,
// with the question about a file that has gone), keeping the registered times
// of the file in work in its time files (SaveTimeFiles), the information box
// of Edit_Fn (Edit_FnDblClick), a new save base name (Edit_SFnDblClick), the
// name pattern that follows MF_AUTO_NAME.
#include <QObject>

#include <functional>

#include "TextInputBox.h"

class CutFileRow;
struct CutFaceContext;

class CutFileCommands : public QObject {
public:
    // Binds the row's hooks and double-clicks to these commands.
    CutFileCommands(CutFaceContext& context, CutFileRow& row, QObject* parent = nullptr);

    // ListView_M, whose rows ComboBox1 lists in the same order: renew row
    // i's size, date and attributes from its file (empty texts when it is
    // missing); remove row i (the count captions follow).
    std::function<void(int row)> refreshCutFileRow = [](int) {};
    std::function<void(int row)> removeCutFileRow = [](int) {};
    // The one-line input box of Edit_SFnDblClick.
    AskText askText;

    void ComboBox1Change();
    void SaveTimeFiles();
    void Edit_FnDblClick();
    void Edit_SFnDblClick();
    // Label_SFn_Last shows the pattern of short or long part names
    // (AUTO_NAME), followed by the extension it showed.
    void MF_AUTO_NAMEClick();

private:
    bool takeExistingFile(int& index);
    void forgetCutFile(int index);
    void loadCutFile();

    CutFaceContext& context_;
    CutFileRow& row_;
};
