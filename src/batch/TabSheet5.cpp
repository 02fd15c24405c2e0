#include "TabSheet5.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "BusyCursor.h"
#include "ColorBtn.h"
#include "CommandLineJoin.h"
#include "Folders.h"
#include "LineDeleteMenu.h"
#include "LineTabParts.h"
#include "LineTabTexts.h"
#include "ListJoinDriver.h"
#include "ListJoinLines.h"
#include "Mkdlg.h"
#include "OperationLogs.h"
#include "PopupOpening.h"
#include "RegistrationLists.h"
#include "RegistrationTexts.h"
#include "SettingsValues.h"
#include "TextFiles.h"
#include "TabMenu.h"
#include "TextListBox.h"

namespace {

constexpr int kLargestStep = 10;

// The lines that may stand as output lines (all others hold no ">"), the
// names a new output line must not repeat.
std::vector<std::string> OutputCandidates(const QStringList& lines)
{
    std::vector<std::string> candidates;
    for (const QString& line : lines)
        if (line.contains(QLatin1Char('>'))) candidates.push_back(line.toStdString());
    return candidates;
}

}  // namespace

TTabSheet5::TTabSheet5(BatchTabContext& context, RegistrationLists& lists, TimePopups& times, QWidget* parent)
    : TTabSheet5(context, lists, times, new QWidget, parent)
{
}

TTabSheet5::TTabSheet5(BatchTabContext& context, RegistrationLists& lists, TimePopups& times, QWidget* panel,
                       QWidget* parent)
    : BatchTabPage("TabSheet5", panel, parent)
    , context_(context)
    , lists_(lists)
{
    buildListPanel(panel);
    buildColumn(times);
    connectHandlers();
}

void TTabSheet5::buildListPanel(QWidget* panel)
{
    using namespace LineTabTexts;
    ListBox_KL = new TextListBox(QStringLiteral("ListBox_KL"), true, panel);
    Label_KL_KOSU = new QLabel(panel);
    Label_KL_KOSU->setObjectName(QStringLiteral("Label_KL_KOSU"));
    ListBox_KL->setCountLabel(Label_KL_KOSU);
    Btn_TOROKU_ALL_KL = button("Btn_TOROKU_ALL_KL", RegistrationTexts::RegisterAll.toUtf8().constData());
    Btn_TOROKU_SEN_KL = button("Btn_TOROKU_SEN_KL", RegistrationTexts::RegisterSelected.toUtf8().constData());
    Btn_TOROKU_OUT_KL = button("Btn_TOROKU_OUT_KL", RegisterOutputs);
    ComboBox_KL = new QComboBox(panel);
    ComboBox_KL->setObjectName(QStringLiteral("ComboBox_KL"));
    for (int n = 0; n <= kLargestStep; ++n) ComboBox_KL->addItem(QString::number(n));
    Label_KL = new QLabel(QString::fromUtf8(AppendAtEnd), panel);
    Label_KL->setObjectName(QStringLiteral("Label_KL"));
    Btn_ABOUT_KL = stopButton("Btn_ABOUT_KL", Stop);
    ColorBtn10 = colorButton("ColorBtn10", Load);
    // btn_DEL_KLClick: PopupMenu_DEL_KL at the button.
    btn_DEL_KL = popupButton("btn_DEL_KL", RegistrationTexts::Delete.toUtf8().constData(),
                             [this](const QPoint& at) { OpenPopup(PopupMenu_DEL_KL, at, opening_); });
    PopupMenu_DEL_KL = new LineDeleteMenu(QStringLiteral("_KL"), *ListBox_KL, lists_, context_.box,
                                          {AskDeleteSelectedKL, AskDeleteAllKL}, this);
    FillLinePanel(panel, ListBox_KL,
                  {Btn_TOROKU_ALL_KL, Btn_TOROKU_SEN_KL, Btn_TOROKU_OUT_KL, ComboBox_KL, Label_KL, Btn_ABOUT_KL,
                   ColorBtn10, btn_DEL_KL},
                  Label_KL_KOSU);
}

void TTabSheet5::buildColumn(TimePopups& times)
{
    using namespace LineTabTexts;
    Btn_KL_CANCEL = stopButton("Btn_KL_CANCEL", ListJoinCancel);
    Btn_KL = addStartRow({{"Btn_KL", ListJoinRun, true}}, Btn_KL_CANCEL, [this](bool) { Btn_KLClick(); },
                         [this] { Btn_KL_CANCELClick(); })
                 .front();
    timeButtons = times.createButtons(TimeTab::KL, this);
    addRow(timeButtons.Btn_MUON_MAE, timeButtons.Btn_MUON_ATO);
    addRow(timeButtons.Btn_FAID_IN, timeButtons.Btn_FAID_OUT);
    // ColorBtn11Click: PopupMenu_KL at the button.
    ColorBtn11 = addMenuButton("ColorBtn11", ListJoinSettings,
                               [this](const QPoint& at) { OpenPopup(PopupMenu_KL, at, opening_); });
    endColumn();
    PopupMenu_KL = new TabMenu({.menuName = "PopupMenu_KL",
                                .logCommands = {"P_KL_KIROKUClick", "P_KL_KIROKUCLRClick", "P_KL_TXTClick",
                                                "P_KL2_KIROKUClick", "P_KL2_TXTClick", "P_KL_NOClick"},
                                .folder = OutputFolder::ListJoin},
                               context_, this);
}

void TTabSheet5::connectHandlers()
{
    connect(Btn_TOROKU_ALL_KL, &QPushButton::clicked, this, [this] { Btn_TOROKU_SEN_KLClick(true); });
    connect(Btn_TOROKU_SEN_KL, &QPushButton::clicked, this, [this] { Btn_TOROKU_SEN_KLClick(false); });
    connect(Btn_TOROKU_OUT_KL, &QPushButton::clicked, this, &TTabSheet5::Btn_TOROKU_OUT_KLClick);
    connect(ComboBox_KL, &QComboBox::currentIndexChanged, this, &TTabSheet5::ComboBox_KLChange);
    connect(Btn_ABOUT_KL, &QPushButton::clicked, this, &TTabSheet5::Btn_ABOUT_KLClick);
    connect(ColorBtn10, &QPushButton::clicked, this, &TTabSheet5::ColorBtn10Click);
    connect(ListBox_KL, &TextListBox::filesDropped, this,
            [this](const QStringList& paths) { insertFiles(paths, false); });
}

void TTabSheet5::showSettings()
{
    const int index = context_.settings.Combo_KL;
    ComboBox_KL->setCurrentIndex(index >= 0 && index <= kLargestStep ? index : 0);
    ComboBox_KLChange();
}

void TTabSheet5::showRegisterButtons(bool shown)
{
    for (QPushButton* button : {Btn_TOROKU_ALL_KL, Btn_TOROKU_SEN_KL, Btn_TOROKU_OUT_KL}) button->setVisible(shown);
}

int TTabSheet5::step() const { return std::max(ComboBox_KL->currentIndex(), 0); }

void TTabSheet5::ComboBox_KLChange()
{
    context_.settings.Combo_KL = ComboBox_KL->currentIndex();
    Label_KL->setText(QString::fromUtf8(step() == 0 ? LineTabTexts::AppendAtEnd : LineTabTexts::InsertEvery));
}

void TTabSheet5::Btn_TOROKU_SEN_KLClick(bool all)
{
    insertFiles(BrowserPaths(lists_, all), true);
}

// The k-th file placed goes to (k + 1) x (N + 1) - 1, or to the end for
// N = 0; a file whose place lies beyond the end is left out.
void TTabSheet5::insertFiles(const QStringList& paths, bool fromBrowser)
{
    const int n = step();
    qsizetype next = 0;
    size_t placed = 0;
    RunLineRegistration(
        lists_, *ListBox_KL,
        [&] {
            if (next >= paths.size()) return false;
            const QString& path = paths[next++];
            if (const std::optional<size_t> index = InsertionIndex(placed, n, ListBox_KL->lineCount())) {
                ListBox_KL->insertLine(static_cast<int>(*index), path);
                ++placed;
            }
            return true;
        },
        fromBrowser);
}

// Output names never repeat a file in KL_DIR nor an output line of the list;
// with N = 0 one line is appended, otherwise one every N lines to the end.
void TTabSheet5::Btn_TOROKU_OUT_KLClick()
{
    const std::string folder = context_.settings.KL_DIR.toStdString();
    const std::vector<std::string> outputs = OutputCandidates(ListBox_KL->lines());
    const int n = step();
    int counter = 0;
    size_t placed = 0;
    bool namesTaken = false;
    RunLineRegistration(
        lists_, *ListBox_KL,
        [&] {
            const std::optional<std::string> name = NextListJoinName(folder, counter, outputs);
            namesTaken = !name;
            const std::optional<size_t> index = InsertionIndex(placed, n, ListBox_KL->lineCount());
            if (!name || !index) return false;
            ListBox_KL->insertLine(static_cast<int>(*index), QLatin1Char('>') + QString::fromStdString(*name));
            ++placed;
            return n != 0;
        },
        false);
    if (namesTaken) MKInfo(context_.box, QString::fromStdString(ListJoinNamesTaken(folder)));
}

void TTabSheet5::Btn_ABOUT_KLClick() { lists_.Btn_CANSEL_GClick(); }

void TTabSheet5::ColorBtn10Click()
{
    if (lists_.registrationRunning()) return;
    const QString path = QString::fromStdString(ProgramFolder()) + QString::fromLatin1(LineTabTexts::ListFileName);
    BusyCursor busy;
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        MKInfo(context_.box, path + "\n" + QString::fromUtf8(LineTabTexts::LoadFailed) + "\n" +
                                 QString::fromUtf8(LineTabTexts::LoadCheck));
        return;
    }
    lists_.showCountsBusy();
    ListBox_KL->setLines(*lines);
    lists_.updateCountCaptions();
}

BatchRunSpec TTabSheet5::runSpec(std::vector<LogKind> shownLogs) const
{
    return {BatchTab::ListJoin, {Btn_KL}, Btn_KL_CANCEL, {}, LogKind::ListJoin, std::move(shownLogs)};
}

void TTabSheet5::addUsedLines(const std::vector<std::string>& lines)
{
    OperationLog& used = context_.logs.listJoinFiles();
    for (const std::string& line : lines) used.append(QString::fromStdString(line));
}

// The run: every line in order, each output line joining the files listed
// since the previous one; then the used files and the outputs are shown.
void TTabSheet5::Btn_KLClick()
{
    const std::vector<std::string> lines = StdStrings(ListBox_KL->lines());
    const BatchTimes times = TimesOf(context_.settings, TimeTab::KL);
    RunBatch(context_, runSpec({LogKind::ListJoinFiles, LogKind::ListJoin}), [&](const RunHooks& hooks) {
        context_.logs.listJoinFiles().clearLines();
        const ListJoinResult result = ListJoinBatch(lines, times, hooks);
        addUsedLines(result.usedLines);
        return result.lastFolder;
    });
}

void TTabSheet5::Btn_KL_CANCELClick() { CancelBatch(context_, BatchTab::ListJoin); }

bool TTabSheet5::joinCommandLine(const QStringList& parameters)
{
    const CommandLineJoin join = ReadCommandLineJoin(StdStrings(parameters));
    if (!join.output) return false;
    const BatchTimes times = TimesOf(context_.settings, TimeTab::KL);
    RunBatch(context_, runSpec({}), [&](const RunHooks& hooks) {
        ListJoinResult result;
        JoinListGroup(join.group, *join.output, times, hooks, result);
        addUsedLines(result.usedLines);
        return result.lastFolder;
    });
    return true;
}
