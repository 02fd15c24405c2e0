#pragma once
// The rename tab: the rename list ListBox_IR (file lines, each renamed by the
// ">" line that follows it) with its register, rename-name, stop and delete
// commands beneath it and its own popup PopupMenu_LIST_IR (copy and paste
// through the clipboard); beside it the run "一括リネーム" over its stop
// button and the settings button ColorBtn12 with PopupMenu_IR (the rename
// log).
#include "BatchRun.h"
#include "BatchTabPage.h"

class LineDeleteMenu;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class RegistrationLists;
class TabMenu;
class TextListBox;

class TTabSheet6 : public BatchTabPage {
    Q_OBJECT
public:
    TTabSheet6(BatchTabContext& context, RegistrationLists& lists, QWidget* parent = nullptr);

    // Shows or hides the three register buttons (while a registration runs).
    void showRegisterButtons(bool shown);

    TextListBox* ListBox_IR;
    QLabel* Label_IR_KOSU;
    QPushButton* Btn_TOROKU_ALL_IR;
    QPushButton* Btn_TOROKU_SEN_IR;
    QPushButton* Btn_TOROKU_RN_IR;
    ColorBtn* ColorBtn13;
    QPushButton* Btn_DEL_IR;
    LineDeleteMenu* PopupMenu_DEL_IR;
    QMenu* PopupMenu_LIST_IR;
    QAction* P_COPY_IR;
    QAction* P_PUT_IR;
    QPlainTextEdit* Memo_COPY;  // hidden: the text on its way to or from the clipboard
    QPushButton* Btn_IR;
    ColorBtn* Btn_IR_CANCEL;
    ColorBtn* ColorBtn12;
    TabMenu* PopupMenu_IR;

    // --- handlers ---
    // "v全部登録" (all) and "v選択登録": the browser's files appended.
    void Btn_TOROKU_SEN_IRClick(bool all);
    // "vリネーム名登録": after every file line, ">" + its folder + "RNnnnn.wav".
    void Btn_TOROKU_RN_IRClick();
    void ColorBtn13Click();
    void PopupMenu_LIST_IRPopup();
    // "全部コピー": every line to the clipboard.
    void P_COPY_IRClick();
    // "最後に貼り付け": the clipboard's lines appended.
    void P_PUT_IRClick();
    void Btn_IRClick();
    void Btn_IR_CANCELClick();
    // Appends files as lines, as a registration (`fromBrowser`: the file
    // list's, which has the focus before and after; else dropped files).
    void appendFiles(const QStringList& paths, bool fromBrowser);

private:
    TTabSheet6(BatchTabContext& context, RegistrationLists& lists, QWidget* panel, QWidget* parent);
    void buildListPanel(QWidget* panel);
    void buildListMenu();
    void buildColumn();
    void connectHandlers();

    BatchTabContext& context_;
    RegistrationLists& lists_;
};
