#include "TabSheet6.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "BatchTabTexts.h"
#include "ColorBtn.h"
#include "Desktop.h"
#include "LineDeleteMenu.h"
#include "LineTabParts.h"
#include "LineTabTexts.h"
#include "Mkdlg.h"
#include "OperationLogs.h"
#include "PopupOpening.h"
#include "RegistrationLists.h"
#include "RegistrationTexts.h"
#include "RenameDriver.h"
#include "TabMenu.h"
#include "TextListBox.h"

namespace {

// The folder of a file line, with its trailing separator; empty for a bare name.
QString FolderOf(const QString& line) { return line.left(line.lastIndexOf(QDir::separator()) + 1); }

// The lines of a text as a text area takes them: CR LF, LF or CR end a
// line, and a final line end adds no empty line.
QStringList TextLines(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

TTabSheet6::TTabSheet6(BatchTabContext& context, RegistrationLists& lists, QWidget* parent)
    : TTabSheet6(context, lists, new QWidget, parent)
{
}

TTabSheet6::TTabSheet6(BatchTabContext& context, RegistrationLists& lists, QWidget* panel, QWidget* parent)
    : BatchTabPage("TabSheet6", panel, parent)
    , context_(context)
    , lists_(lists)
{
    buildListPanel(panel);
    buildListMenu();
    buildColumn();
    connectHandlers();
}

void TTabSheet6::buildListPanel(QWidget* panel)
{
    using namespace LineTabTexts;
    ListBox_IR = new TextListBox(QStringLiteral("ListBox_IR"), false, panel);
    Label_IR_KOSU = new QLabel(panel);
    Label_IR_KOSU->setObjectName(QStringLiteral("Label_IR_KOSU"));
    ListBox_IR->setCountLabel(Label_IR_KOSU);
    Btn_TOROKU_ALL_IR = button("Btn_TOROKU_ALL_IR", RegistrationTexts::RegisterAll.toUtf8().constData());
    Btn_TOROKU_SEN_IR = button("Btn_TOROKU_SEN_IR", RegistrationTexts::RegisterSelected.toUtf8().constData());
    Btn_TOROKU_RN_IR = button("Btn_TOROKU_RN_IR", RegisterRenameNames);
    ColorBtn13 = stopButton("ColorBtn13", Stop);
    // Btn_DEL_IRClick: PopupMenu_DEL_IR at the button.
    Btn_DEL_IR = popupButton("Btn_DEL_IR", RegistrationTexts::Delete.toUtf8().constData(),
                             [this](const QPoint& at) { OpenPopup(PopupMenu_DEL_IR, at, opening_); });
    PopupMenu_DEL_IR = new LineDeleteMenu(QStringLiteral("_IR"), *ListBox_IR, lists_, context_.box,
                                          {AskDeleteSelectedIR, AskDeleteAllIR}, this);
    Memo_COPY = new QPlainTextEdit(panel);
    Memo_COPY->setObjectName(QStringLiteral("Memo_COPY"));
    Memo_COPY->hide();
    FillLinePanel(panel, ListBox_IR, {Btn_TOROKU_ALL_IR, Btn_TOROKU_SEN_IR, Btn_TOROKU_RN_IR, ColorBtn13, Btn_DEL_IR},
                  Label_IR_KOSU);
}

void TTabSheet6::buildListMenu()
{
    PopupMenu_LIST_IR = new QMenu(this);
    PopupMenu_LIST_IR->setObjectName(QStringLiteral("PopupMenu_LIST_IR"));
    P_COPY_IR = PopupMenu_LIST_IR->addAction(QString::fromUtf8(LineTabTexts::CopyAll));
    P_COPY_IR->setObjectName(QStringLiteral("P_COPY_IR"));
    P_PUT_IR = PopupMenu_LIST_IR->addAction(QString::fromUtf8(LineTabTexts::PasteAtEnd));
    P_PUT_IR->setObjectName(QStringLiteral("P_PUT_IR"));
    PopupMenu_LIST_IR->addSeparator();
    PopupMenu_LIST_IR->addAction(QString::fromUtf8(BatchTabTexts::Cancel));  // closes the menu, nothing else
    connect(P_COPY_IR, &QAction::triggered, this, &TTabSheet6::P_COPY_IRClick);
    connect(P_PUT_IR, &QAction::triggered, this, &TTabSheet6::P_PUT_IRClick);
    connect(PopupMenu_LIST_IR, &QMenu::aboutToShow, this, &TTabSheet6::PopupMenu_LIST_IRPopup);
    ListBox_IR->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBox_IR, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu_LIST_IR->popup(ListBox_IR->viewport()->mapToGlobal(at)); });
}

void TTabSheet6::buildColumn()
{
    using namespace LineTabTexts;
    Btn_IR_CANCEL = stopButton("Btn_IR_CANCEL", Stop);
    Btn_IR = addStartRow({{"Btn_IR", RenameRun, true}}, Btn_IR_CANCEL, [this](bool) { Btn_IRClick(); },
                         [this] { Btn_IR_CANCELClick(); })
                 .front();
    // ColorBtn12Click: PopupMenu_IR at the button.
    ColorBtn12 = addMenuButton("ColorBtn12", RenameSettings,
                               [this](const QPoint& at) { OpenPopup(PopupMenu_IR, at, opening_); });
    endColumn();
    PopupMenu_IR = new TabMenu({.menuName = "PopupMenu_IR",
                                .header = RenameMenuHeader,
                                .logCommands = {"P_IR_KIROKUClick", "P_IR_KIROKUCLRClick", "P_IR_TXTClick",
                                                "P_IR_NOClick"},
                                .folder = std::nullopt},
                               context_, this);
}

void TTabSheet6::connectHandlers()
{
    connect(Btn_TOROKU_ALL_IR, &QPushButton::clicked, this, [this] { Btn_TOROKU_SEN_IRClick(true); });
    connect(Btn_TOROKU_SEN_IR, &QPushButton::clicked, this, [this] { Btn_TOROKU_SEN_IRClick(false); });
    connect(Btn_TOROKU_RN_IR, &QPushButton::clicked, this, &TTabSheet6::Btn_TOROKU_RN_IRClick);
    connect(ColorBtn13, &QPushButton::clicked, this, &TTabSheet6::ColorBtn13Click);
    connect(ListBox_IR, &TextListBox::filesDropped, this,
            [this](const QStringList& paths) { appendFiles(paths, false); });
}

void TTabSheet6::showRegisterButtons(bool shown)
{
    for (QPushButton* button : {Btn_TOROKU_ALL_IR, Btn_TOROKU_SEN_IR, Btn_TOROKU_RN_IR}) button->setVisible(shown);
}

void TTabSheet6::Btn_TOROKU_SEN_IRClick(bool all)
{
    appendFiles(BrowserPaths(lists_, all), true);
}

void TTabSheet6::appendFiles(const QStringList& paths, bool fromBrowser)
{
    qsizetype next = 0;
    RunLineRegistration(
        lists_, *ListBox_IR,
        [&] {
            if (next >= paths.size()) return false;
            ListBox_IR->insertLine(ListBox_IR->lineCount(), paths[next++]);
            return true;
        },
        fromBrowser);
}

// A rename line goes to every second index 1, 3, 5, ... while that lies
// within the list, naming a free "RN" + four digits + ".wav" in the folder
// of the line above it; the number counts on through the whole command.
void TTabSheet6::Btn_TOROKU_RN_IRClick()
{
    int counter = 0;
    int index = 1;
    std::string takenIn;  // the folder whose names were all taken
    RunLineRegistration(
        lists_, *ListBox_IR,
        [&] {
            if (index > ListBox_IR->lineCount()) return false;
            const std::string folder = FolderOf(ListBox_IR->lineAt(index - 1)).toStdString();
            const std::optional<std::string> name = NextRenameName(folder, counter);
            if (!name) {
                takenIn = folder;
                return false;
            }
            ListBox_IR->insertLine(index, QLatin1Char('>') + QString::fromStdString(*name));
            index += 2;
            return true;
        },
        false);
    if (!takenIn.empty()) MKInfo(context_.box, QString::fromStdString(RenameNamesTaken(takenIn)));
}

void TTabSheet6::ColorBtn13Click() { lists_.Btn_CANSEL_GClick(); }

void TTabSheet6::PopupMenu_LIST_IRPopup()
{
    P_COPY_IR->setEnabled(ListBox_IR->count() > 0);
    P_PUT_IR->setEnabled(!desktop().clipboardText().isEmpty());
}

void TTabSheet6::P_COPY_IRClick()
{
    QString text;
    for (const QString& line : ListBox_IR->lines()) text += line + QStringLiteral("\r\n");
    Memo_COPY->setPlainText(text);
    desktop().setClipboardText(text);
}

void TTabSheet6::P_PUT_IRClick()
{
    if (lists_.registrationRunning()) return;
    const QString text = desktop().clipboardText();
    Memo_COPY->setPlainText(text);
    ListBox_IR->appendLines(TextLines(text));
    lists_.updateCountCaptions();
}

// The run renames, it does not change the list; the rename log holds this
// run's new paths only.
void TTabSheet6::Btn_IRClick()
{
    const std::vector<std::string> lines = StdStrings(ListBox_IR->lines());
    const BatchRunSpec spec{BatchTab::Rename, {Btn_IR}, Btn_IR_CANCEL, {}, LogKind::Rename, {LogKind::Rename}};
    RunBatch(context_, spec, [&](const RunHooks& hooks) {
        context_.logs.rename().clearLines();
        RenameBatch(lines, hooks);
        return std::string();
    });
}

void TTabSheet6::Btn_IR_CANCELClick() { CancelBatch(context_, BatchTab::Rename); }
