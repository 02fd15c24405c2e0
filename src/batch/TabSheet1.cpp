#include "TabSheet1.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

#include "BatchRun.h"
#include "BatchTabContext.h"
#include "BatchTabTexts.h"
#include "ColorBtn.h"
#include "ConvertDriver.h"
#include "PopupOpening.h"
#include "RegistrationList.h"
#include "RegistrationPanel.h"
#include "SettingsCaptions.h"
#include "SettingsValues.h"
#include "TabMenu.h"

using namespace BatchTabTexts;

namespace {

constexpr int kLevel8Max = 127;
constexpr int kLevel16Max = 32767;

// The level in the edit box, clamped to 1..most and written back.
int TakeLevel(QLineEdit* edit, int most)
{
    const int level = std::clamp(edit->text().toInt(), 1, most);
    edit->setText(QString::number(level));
    return level;
}

// The level follows what the user types; a text that is not a number keeps the last level.
void FollowLevel(QLineEdit* edit, int& level)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&level](const QString& text) {
        bool number = false;
        const int typed = text.toInt(&number);
        if (number) level = typed;
    });
}

}  // namespace

ConvertSettings ConvertSettingsOf(const SettingsValues& settings)
{
    ConvertSettings converted;
    static_cast<BatchTimes&>(converted) = TimesOf(settings, TimeTab::G);
    converted.ownNames = settings.SAVE_NAME_G;
    converted.silenceCut = static_cast<SilenceCut>(SilenceCutMode(settings.MCUTF_G));
    converted.silenceLevels = {std::clamp(settings.ML8_G, 1, kLevel8Max), std::clamp(settings.ML16_G, 1, kLevel16Max)};
    return converted;
}

TTabSheet1::TTabSheet1(BatchTabContext& context, RegistrationPanel* panel, TimePopups& times, QWidget* parent)
    : BatchTabPage("TabSheet1", panel, parent), context_(context), panel_(panel)
{
    Btn_HEN_CANSEL = stopButton("Btn_HEN_CANSEL", BatchTabTexts::Btn_HEN_CANSEL);
    const auto starts = addStartRow(
        {{"Btn_HENKAN_SEN", BatchTabTexts::Btn_HENKAN_SEN, false}, {"Btn_HENKAN_ALL", BatchTabTexts::Btn_HENKAN_ALL, true}},
        Btn_HEN_CANSEL, [this](bool all) { Btn_HENKAN_SENClick(all); }, [this] { Btn_HEN_CANSELClick(); });
    Btn_HENKAN_SEN = starts[0];
    Btn_HENKAN_ALL = starts[1];

    timeButtons = times.createButtons(TimeTab::G, this);
    addRow(timeButtons.Btn_MUON_MAE, timeButtons.Btn_MUON_ATO);
    addRow(timeButtons.Btn_FAID_IN, timeButtons.Btn_FAID_OUT);
    buildSilenceCut();

    ColorBtn2 = addMenuButton("ColorBtn2", BatchTabTexts::ColorBtn2, [this](const QPoint& at) { ColorBtn2Click(at); });
    endColumn();
    PopupMenu_G = new TabMenu({.menuName = "PopupMenu_G",
                               .sortOption = panel->sortOption,
                               .logCommands = {"P_HENKAN_KIROKUClick", "P_HENKAN_KIROKUCLRClick", "P_HENKAN_TXTClick",
                                               "P_HENKAN_NOClick"},
                               .saveNameItem = "P_SaveName_G",
                               .saveNameCaption = BatchTabTexts::P_SaveName_G,
                               .saveNameFlag = &SettingsValues::SAVE_NAME_G,
                               .folder = OutputFolder::Conversion},
                              context_, this);
    showSettings();
}

void TTabSheet1::buildSilenceCut()
{
    Btn_MCUT_G = popupButton("Btn_MCUT_G", "", [this](const QPoint& at) { Btn_MCUT_GClick(at); });
    Btn_ML8_G = popupButton("Btn_ML8_G", BatchTabTexts::Btn_ML8_G, [this](const QPoint& at) { Btn_ML8_GClick(at); });
    Btn_ML16_G =
        popupButton("Btn_ML16_G", BatchTabTexts::Btn_ML16_G, [this](const QPoint& at) { Btn_ML16_GClick(at); });
    Edit_ML8_G = new QLineEdit(this);
    Edit_ML8_G->setObjectName(QStringLiteral("Edit_ML8_G"));
    Edit_ML16_G = new QLineEdit(this);
    Edit_ML16_G->setObjectName(QStringLiteral("Edit_ML16_G"));
    for (QLineEdit* edit : {Edit_ML8_G, Edit_ML16_G}) edit->setMaximumWidth(70);
    addRow(Btn_MCUT_G);
    addRow(Btn_ML8_G, Edit_ML8_G);
    addRow(Btn_ML16_G, Edit_ML16_G);
    FollowLevel(Edit_ML8_G, context_.settings.ML8_G);
    FollowLevel(Edit_ML16_G, context_.settings.ML16_G);

    PopupMenu_MC = new QMenu(this);
    PopupMenu_MC->setObjectName(QStringLiteral("PopupMenu_MC"));
    QAction* header = PopupMenu_MC->addAction(QString::fromUtf8(PMCUT));
    header->setObjectName(QStringLiteral("PMCUT"));
    header->setEnabled(false);
    PopupMenu_MC->addSeparator();
    const char* itemNames[] = {"PMCUT_OFF", "PMCUT_SE", "PMCUT_S", "PMCUT_E"};
    for (int mode : {1, 2, 3, 0}) {
        QAction* item = PopupMenu_MC->addAction(QString::fromUtf8(PMCUT_Items[mode]));
        item->setObjectName(QString::fromLatin1(itemNames[mode]));
        connect(item, &QAction::triggered, this, [this, mode] { PMCUT_SEClick(mode); });
    }
    PopupMenu_ML8 = levelMenu("PopupMenu_ML8", PML8, "PML8_", {1, 10, 20, 30}, &TTabSheet1::PML8_1Click);
    PopupMenu_ML16 = levelMenu("PopupMenu_ML16", PML16, "PML16_", {1, 10, 100, 1000}, &TTabSheet1::PML16_1Click);
}

QMenu* TTabSheet1::levelMenu(const char* name, const char* header, const char* itemPrefix,
                             const std::vector<int>& levels, void (TTabSheet1::*choose)(int))
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromLatin1(name));
    menu->addAction(QString::fromUtf8(header))->setEnabled(false);
    menu->addSeparator();
    for (int level : levels) {
        QAction* item = menu->addAction(QString::number(level));
        item->setObjectName(QString::fromLatin1(itemPrefix) + QString::number(level));
        connect(item, &QAction::triggered, this, [this, choose, level] { (this->*choose)(level); });
    }
    return menu;
}

void TTabSheet1::showSettings()
{
    Edit_ML8_G->setText(QString::number(context_.settings.ML8_G));
    Edit_ML16_G->setText(QString::number(context_.settings.ML16_G));
    showSilenceCut();
}

void TTabSheet1::showSilenceCut()
{
    const int mode = SilenceCutMode(context_.settings.MCUTF_G);
    Btn_MCUT_G->setText(SilenceCutCaption(mode));
    for (QWidget* control : {static_cast<QWidget*>(Btn_ML8_G), static_cast<QWidget*>(Btn_ML16_G),
                             static_cast<QWidget*>(Edit_ML8_G), static_cast<QWidget*>(Edit_ML16_G)})
        control->setEnabled(SilenceLevelsEnabled(mode));
}

void TTabSheet1::takeLevels()
{
    context_.settings.ML8_G = TakeLevel(Edit_ML8_G, kLevel8Max);
    context_.settings.ML16_G = TakeLevel(Edit_ML16_G, kLevel16Max);
}

void TTabSheet1::Btn_HENKAN_SENClick(bool all)
{
    RegistrationList* list = panel_->list;
    BatchRunSpec spec{.tab = BatchTab::Conversion,
                      .startButtons = {Btn_HENKAN_SEN, Btn_HENKAN_ALL},
                      .cancelButton = Btn_HEN_CANSEL,
                      .log = LogKind::Conversion,
                      .shownLogs = {LogKind::Conversion}};
    RunBatch(context_, spec, [this, list, all](const RunHooks& hooks) {
        const std::vector<std::string> sources = SelectedSources(list, all);
        takeLevels();
        if (list->isEnabled()) list->setFocus();
        ConvertSettings settings = ConvertSettingsOf(context_.settings);
        // The lengths are read at each file: a change made during the run applies from the next file.
        settings.readTimes = [this] { return TimesOf(context_.settings, TimeTab::G); };
        const ConvertResult result = ConvertBatch(sources, context_.settings.MUON_DIR.toStdString(), settings,
                                                  hooks, context_.askSaveName);
        if (list->isEnabled()) list->setFocus();
        return result.lastFolder;
    });
}

void TTabSheet1::Btn_HEN_CANSELClick() { CancelBatch(context_, BatchTab::Conversion); }

void TTabSheet1::ColorBtn2Click(const QPoint& at) { OpenPopup(PopupMenu_G, at, opening_); }

void TTabSheet1::Btn_MCUT_GClick(const QPoint& at) { OpenPopup(PopupMenu_MC, at, opening_); }

void TTabSheet1::PMCUT_SEClick(int mode)
{
    context_.settings.MCUTF_G = mode;
    showSilenceCut();
}

void TTabSheet1::Btn_ML8_GClick(const QPoint& at) { OpenPopup(PopupMenu_ML8, at, opening_); }

void TTabSheet1::PML8_1Click(int level)
{
    context_.settings.ML8_G = level;
    Edit_ML8_G->setText(QString::number(level));
}

void TTabSheet1::Btn_ML16_GClick(const QPoint& at) { OpenPopup(PopupMenu_ML16, at, opening_); }

void TTabSheet1::PML16_1Click(int level)
{
    context_.settings.ML16_G = level;
    Edit_ML16_G->setText(QString::number(level));
}
