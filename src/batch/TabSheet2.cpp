#include "TabSheet2.h"

#include <QPushButton>

#include "BatchRun.h"
#include "BatchTabContext.h"
#include "BatchTabTexts.h"
#include "ColorBtn.h"
#include "JoinDriver.h"
#include "OperationLogs.h"
#include "PopupOpening.h"
#include "RegistrationList.h"
#include "RegistrationPanel.h"
#include "SettingsValues.h"
#include "TabMenu.h"

TTabSheet2::TTabSheet2(BatchTabContext& context, RegistrationPanel* panel, TimePopups& times, QWidget* parent)
    : BatchTabPage("TabSheet2", panel, parent), context_(context), panel_(panel)
{
    Btn_KETUGO_CANCEL = stopButton("Btn_KETUGO_CANCEL", BatchTabTexts::Btn_KETUGO_CANCEL);
    const auto starts = addStartRow(
        {{"Btn_KETUGO_ALL", BatchTabTexts::Btn_KETUGO_ALL, true}, {"Btn_KETUGO_SEN", BatchTabTexts::Btn_KETUGO_SEN, false}},
        Btn_KETUGO_CANCEL, [this](bool all) { Btn_KETUGO_SENClick(all); }, [this] { Btn_KETUGO_CANCELClick(); });
    Btn_KETUGO_ALL = starts[0];
    Btn_KETUGO_SEN = starts[1];

    timeButtons = times.createButtons(TimeTab::K, this);
    addRow(timeButtons.Btn_MUON_MAE, timeButtons.Btn_MUON_ATO);
    addRow(timeButtons.Btn_FAID_IN, timeButtons.Btn_FAID_OUT);
    ColorBtn3 = addMenuButton("ColorBtn3", BatchTabTexts::ColorBtn3, [this](const QPoint& at) { ColorBtn3Click(at); });
    endColumn();
    PopupMenu_K = new TabMenu({.menuName = "PopupMenu_K",
                               .header = BatchTabTexts::PopupMenu_K,
                               .sortOption = panel->sortOption,
                               .logCommands = {"P_KETUGO_KIROKUClick", "P_KETUGO_KIROKUCLRClick", "P_KETUGO_TXTClick",
                                               "P_KETUGO2_KIROKUClick", "P_KETUGO2_TXTClick", "P_KETUGO_NOClick"},
                               .saveNameItem = "P_SaveName_K",
                               .saveNameCaption = BatchTabTexts::P_SaveName_K,
                               .saveNameFlag = &SettingsValues::SAVE_NAME_K,
                               .folder = OutputFolder::Join},
                              context_, this);
}

void TTabSheet2::Btn_KETUGO_SENClick(bool all)
{
    RegistrationList* list = panel_->list;
    BatchRunSpec spec{.tab = BatchTab::Join,
                      .startButtons = {Btn_KETUGO_ALL, Btn_KETUGO_SEN},
                      .cancelButton = Btn_KETUGO_CANCEL,
                      .log = LogKind::Join,
                      .shownLogs = {LogKind::JoinFiles, LogKind::Join}};
    RunBatch(context_, spec, [this, list, all](const RunHooks& hooks) {
        const std::vector<std::string> sources = SelectedSources(list, all);
        OperationLog& used = context_.logs.joinFiles();
        used.clearLines();
        JoinSettings settings;
        static_cast<BatchTimes&>(settings) = TimesOf(context_.settings, TimeTab::K);
        settings.ownNames = context_.settings.SAVE_NAME_K;
        // Each step reads the lengths as it comes to them, as the popups may change them meanwhile.
        settings.readTimes = [this] { return TimesOf(context_.settings, TimeTab::K); };
        const JoinResult result =
            JoinBatch(sources, context_.settings.WADD_DIR.toStdString(), settings, hooks, context_.askSaveName);
        for (const std::string& line : result.usedLines) used.append(QString::fromStdString(line));
        return result.lastFolder;
    });
}

void TTabSheet2::Btn_KETUGO_CANCELClick() { CancelBatch(context_, BatchTab::Join); }

void TTabSheet2::ColorBtn3Click(const QPoint& at) { OpenPopup(PopupMenu_K, at, opening_); }
