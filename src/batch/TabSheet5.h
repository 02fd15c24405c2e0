#pragma once
// The list-join tab: the join list ListBox_KL (file lines, ">" output lines
// and combined lines) with its register, output-line, load and delete
// commands and the insertion step ComboBox_KL beneath it; beside it the run
// "リスト結合" over its stop button, the four time buttons and the settings
// button ColorBtn11 with PopupMenu_KL. The join of one group also serves the
// command line ("vantro a.wav b.wav >c.wav").
#include <QStringList>

#include <string>
#include <vector>

#include "BatchRun.h"
#include "BatchTabPage.h"
#include "TimePopups.h"

class LineDeleteMenu;
class QComboBox;
class QLabel;
class RegistrationLists;
class TabMenu;
class TextListBox;

class TTabSheet5 : public BatchTabPage {
    Q_OBJECT
public:
    TTabSheet5(BatchTabContext& context, RegistrationLists& lists, TimePopups& times, QWidget* parent = nullptr);

    // The insertion step from the settings (Combo_KL), once they are loaded.
    void showSettings();
    // Shows or hides the three register buttons (while a registration runs).
    void showRegisterButtons(bool shown);

    // The command-line join: joins the sources into the output named after
    // ">" with this tab's settings. False when the parameters ask for none.
    bool joinCommandLine(const QStringList& parameters);

    TextListBox* ListBox_KL;
    QLabel* Label_KL_KOSU;
    QPushButton* Btn_TOROKU_ALL_KL;
    QPushButton* Btn_TOROKU_SEN_KL;
    QPushButton* Btn_TOROKU_OUT_KL;
    QComboBox* ComboBox_KL;
    QLabel* Label_KL;
    ColorBtn* Btn_ABOUT_KL;
    ColorBtn* ColorBtn10;
    QPushButton* btn_DEL_KL;
    LineDeleteMenu* PopupMenu_DEL_KL;
    QPushButton* Btn_KL;
    ColorBtn* Btn_KL_CANCEL;
    TimeButtons timeButtons;
    ColorBtn* ColorBtn11;
    TabMenu* PopupMenu_KL;

    // --- handlers ---
    // "v全部登録" (all) and "v選択登録": the browser's files, every N lines.
    void Btn_TOROKU_SEN_KLClick(bool all);
    // "v結合登録": output lines ">" + KL_DIR + "KLnnnn.wav", every N lines.
    void Btn_TOROKU_OUT_KLClick();
    void ComboBox_KLChange();
    void Btn_ABOUT_KLClick();
    // "読み込み": the list from "KETUGO.TXT" in the program folder.
    void ColorBtn10Click();
    void Btn_KLClick();
    void Btn_KL_CANCELClick();
    // Places files every N lines, as a registration (`fromBrowser`: the
    // file list's, which has the focus before and after; else dropped files).
    void insertFiles(const QStringList& paths, bool fromBrowser);

private:
    TTabSheet5(BatchTabContext& context, RegistrationLists& lists, TimePopups& times, QWidget* panel,
               QWidget* parent);
    void buildListPanel(QWidget* panel);
    void buildColumn(TimePopups& times);
    void connectHandlers();
    int step() const;
    BatchRunSpec runSpec(std::vector<LogKind> shownLogs) const;
    void addUsedLines(const std::vector<std::string>& lines);

    BatchTabContext& context_;
    RegistrationLists& lists_;
};
