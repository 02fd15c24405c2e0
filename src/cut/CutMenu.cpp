#include "CutMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "ColourTexts.h"
#include "CutFaceContext.h"
#include "CutMenuTexts.h"
#include "CutRun.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "MenuOpening.h"
#include "Mkdlg.h"
#include "SettingsValues.h"
#include "TimeExchangeTexts.h"
#include "TimeFiles.h"
#include "TimeListBox.h"

namespace {

// The colour part of the items' names, codes 1 to 6.
constexpr std::array<const char*, 7> kColourSuffixes = {"", "_Blue", "_Red", "_Lime", "_Yellow", "_Aqua", "_Pink"};

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QAction* Item(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

QAction* Separator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu* Submenu(QMenu* menu, const char* name, const char* caption)
{
    QMenu* submenu = menu->addMenu(Text(caption));
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu;
}

QString ColourName(const char* lead, int code) { return QString::fromLatin1(lead) + kColourSuffixes[code]; }

}  // namespace

CutMenu::CutMenu(CutFaceContext& context, CutRun& run, QWidget* parent)
    : QObject(parent), askText(TextInputBox(parent)), context_(context), run_(run)
{
    PopupMenu1 = new QMenu(parent);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    P_LIST_Name = Item(PopupMenu1, QStringLiteral("P_LIST_Name"), QString());
    PopupMenu1->addSeparator();
    buildCuts();
    buildMarks();
    buildChoices();
    buildExchange();
    PCUT_N3 = Separator(PopupMenu1, "PCUT_N3");
    WAV_CUT_CANSEL = Item(PopupMenu1, QStringLiteral("WAV_CUT_CANSEL"), Text(ColourTexts::Cancel));
    connect(PopupMenu1, &QMenu::aboutToShow, this, &CutMenu::PopupMenu1Popup);

    for (TTimeListBox* list : context_.timeLists()) {
        if (!list) continue;
        connect(list, &TTimeListBox::rightPressed, this,
                [this, list](const QPoint& at) { ListBox_CMouseDown(list, at); });
    }
}

void CutMenu::buildCuts()
{
    WAV_CUT = Item(PopupMenu1, QStringLiteral("WAV_CUT"), Text(CutMenuTexts::WAV_CUT));
    WAV_CUT_ALL = Item(PopupMenu1, QStringLiteral("WAV_CUT_ALL"), Text(CutMenuTexts::WAV_CUT_ALL));
    PopupMenu1->addSeparator();
    WAV_CUT_ST0 = Submenu(PopupMenu1, "WAV_CUT_ST0", CutMenuTexts::WAV_CUT_ST0);
    for (int code = 0; code < ColourCodeCount; ++code) {
        WAV_CUT_ST[code] = Item(WAV_CUT_ST0, ColourName("WAV_CUT_ST", code), Text(ColourTexts::ColourOnlyNames[code]));
        connect(WAV_CUT_ST[code], &QAction::triggered, this,
                [this, code] { run_.WAV_CUTClick(CutScope::StartTimes, code); });
    }
    connect(WAV_CUT, &QAction::triggered, this, [this] { run_.WAV_CUTClick(CutScope::Selected); });
    connect(WAV_CUT_ALL, &QAction::triggered, this, [this] { run_.WAV_CUTClick(CutScope::All); });
}

void CutMenu::buildMarks()
{
    PCUT_N0 = Separator(PopupMenu1, "PCUT_N0");
    P_START0 = Submenu(PopupMenu1, "P_START0", CutMenuTexts::P_START0);
    for (int code = 1; code < ColourCodeCount; ++code) {
        const QString name = code == 1 ? QStringLiteral("P_START") : ColourName("P_START", code);
        P_START[code - 1] = Item(P_START0, name, Text(ColourTexts::ColourNames[code]));
        connect(P_START[code - 1], &QAction::triggered, this, [this, code] { P_STARTClick(code); });
    }
    P_ST_CLR = Item(PopupMenu1, QStringLiteral("P_ST_CLR"), Text(CutMenuTexts::P_ST_CLR));
    connect(P_ST_CLR, &QAction::triggered, this, [this] { P_STARTClick(0); });
}

void CutMenu::buildChoices()
{
    PCUT_N1 = Separator(PopupMenu1, "PCUT_N1");
    P_RENZOKU0 = Submenu(PopupMenu1, "P_RENZOKU0", CutMenuTexts::P_RENZOKU0);
    auto* renzoku = new QActionGroup(P_RENZOKU0);
    for (int code = 0; code < ColourCodeCount; ++code) {
        const QString name = code == 0 ? QStringLiteral("P_RENZOKU_ALL") : ColourName("P_RENZOKU", code);
        P_RENZOKU[code] = Item(P_RENZOKU0, name, Text(ColourTexts::ColourOnlyNames[code]));
        P_RENZOKU[code]->setCheckable(true);
        renzoku->addAction(P_RENZOKU[code]);
        connect(P_RENZOKU[code], &QAction::triggered, this, [this, code] { context_.chooseRenzokuColour(code); });
    }
    connect(P_RENZOKU0, &QMenu::aboutToShow, this, &CutMenu::P_RENZOKU0Click);

    P_BINRUI0 = Submenu(PopupMenu1, "P_BINRUI0", CutMenuTexts::P_BINRUI0);
    for (int code = 0; code < ColourCodeCount; ++code) {
        const QString name = code == 0 ? QStringLiteral("P_BINRUI_Nashi") : ColourName("P_BINRUI", code);
        P_BINRUI[code] = Item(P_BINRUI0, name, Text(ColourTexts::ColourNames[code]));
        connect(P_BINRUI[code], &QAction::triggered, this, [this, code] { P_BINRUI_NashiClick(code); });
    }
    connect(P_BINRUI0, &QMenu::aboutToShow, this, &CutMenu::P_BINRUI0Click);
}

void CutMenu::buildExchange()
{
    PCUT_N4 = Separator(PopupMenu1, "PCUT_N4");
    P_MUON_TOROKU = Item(PopupMenu1, QStringLiteral("P_MUON_TOROKU"), Text(TimeExchangeTexts::P_MUON_TOROKU));
    P_TIME_READ = Item(PopupMenu1, QStringLiteral("P_TIME_READ"), Text(TimeExchangeTexts::P_TIME_READ));
    P_TIME_WRITE = Item(PopupMenu1, QStringLiteral("P_TIME_WRITE"), Text(TimeExchangeTexts::P_TIME_WRITE));
}

void CutMenu::ListBox_CMouseDown(TTimeListBox* list, const QPoint& globalPos)
{
    context_.PopupList = list;
    OpenCutFaceMenu(PopupMenu1, globalPos, context_.media.MsgShowing);
}

void CutMenu::PopupMenu1Popup()
{
    const bool registered = context_.PopupList && context_.PopupList == context_.ListBox_C;
    for (QAction* item : {WAV_CUT_ST0->menuAction(), P_START0->menuAction(), P_ST_CLR, PCUT_N0, PCUT_N1,
                          P_BINRUI0->menuAction(), P_RENZOKU0->menuAction(), PCUT_N3, PCUT_N4, P_MUON_TOROKU,
                          P_TIME_READ, P_TIME_WRITE})
        item->setVisible(registered);
    if (registered) {
        const int colour = context_.work.RenzokuColour;
        const bool oneColour = colour >= 1 && colour < ColourCodeCount;
        P_RENZOKU0->setTitle(Text(CutMenuTexts::RenzokuLead) +
                             Text(oneColour ? ColourTexts::ColourOnlyNames[colour] : CutMenuTexts::RenzokuAll));
        const bool enabled = context_.settings.Start_TM;
        for (QAction* item : {WAV_CUT_ST0->menuAction(), P_START0->menuAction(), P_ST_CLR, P_RENZOKU0->menuAction()})
            item->setEnabled(enabled);
    }
    const auto lists = context_.timeLists();
    for (size_t i = 0; i < lists.size(); ++i)
        if (lists[i] && lists[i] == context_.PopupList) P_LIST_Name->setText(Text(CutMenuTexts::ListNames[i]));
    context_.media.MsgShowing = false;
}

void CutMenu::P_STARTClick(int code)
{
    TTimeListBox* list = context_.ListBox_C;
    if (!list || context_.PopupList != list) return;
    const QList<int> rows = list->selectedRows();
    context_.work.registered.Mark(std::vector<int>(rows.begin(), rows.end()), code ? std::to_string(code) : "");
    context_.showRegistered();
}

void CutMenu::P_RENZOKU0Click()
{
    const int colour = context_.work.RenzokuColour;
    if (colour >= 0 && colour < ColourCodeCount) P_RENZOKU[colour]->setChecked(true);
}

void CutMenu::P_BINRUI0Click()
{
    for (int code = 0; code < ColourCodeCount; ++code)
        P_BINRUI[code]->setText(Text(ColourTexts::ColourNames[code]) + Text(CutMenuTexts::CategorySeparator) +
                                QString::fromStdString(context_.work.CategoryNames[code]));
}

void CutMenu::P_BINRUI_NashiClick(int code)
{
    std::string& name = context_.work.CategoryNames[code];
    const std::optional<QString> entered =
        askText(Text(CutTexts::CategoryInputTitle), QString::fromStdString(name));
    if (!entered) return;
    // The name ends the parts' file names: it may not lead them elsewhere.
    if (!entered->isEmpty() && !UsableSaveBase(entered->toStdString())) {
        MKError(context_.box, *entered + "\n" + Text(CutTexts::UnusableSaveBaseText), MKAnswer::OK);
        return;
    }
    name = entered->toStdString();
}
