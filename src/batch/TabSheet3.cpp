#include "TabSheet3.h"

#include <QPushButton>

#include "BatchTabTexts.h"
#include "ChannelTabRun.h"
#include "ColorBtn.h"
#include "PopupOpening.h"
#include "RegistrationPanel.h"
#include "SettingsValues.h"
#include "TabMenu.h"

TTabSheet3::TTabSheet3(BatchTabContext& context, RegistrationPanel* panel, QWidget* parent)
    : BatchTabPage("TabSheet3", panel, parent), context_(context), panel_(panel)
{
    Btn_LR_CANSEL = stopButton("Btn_LR_CANSEL", BatchTabTexts::Btn_LR_CANSEL);
    const auto starts = addStartRow(
        {{"Btn_LR_ALL", BatchTabTexts::Btn_LR_ALL, true}, {"Btn_LR_SEN", BatchTabTexts::Btn_LR_SEN, false}},
        Btn_LR_CANSEL, [this](bool all) { Btn_LR_SENClick(all); }, [this] { Btn_LR_CANSELClick(); });
    Btn_LR_ALL = starts[0];
    Btn_LR_SEN = starts[1];
    ColorBtn4 = addMenuButton("ColorBtn4", BatchTabTexts::ColorBtn4, [this](const QPoint& at) { ColorBtn4Click(at); });
    endColumn();
    PopupMenu_LR = new TabMenu({.menuName = "PopupMenu_LR",
                                .header = BatchTabTexts::PopupMenu_LR,
                                .sortOption = panel->sortOption,
                                .logCommands = {"P_LR_KIROKUClick", "P_LR_KIROKUCLRClick", "P_LR_TXTClick",
                                                "P_LR_NOClick"},
                                .saveNameItem = "P_SaveName_LR",
                                .saveNameCaption = BatchTabTexts::P_SaveName_LR,
                                .saveNameFlag = &SettingsValues::SAVE_NAME_LR,
                                .folder = OutputFolder::Separation},
                               context_, this);
}

void TTabSheet3::Btn_LR_SENClick(bool all)
{
    const BatchRunSpec spec{.tab = BatchTab::Separation,
                            .startButtons = {Btn_LR_ALL, Btn_LR_SEN},
                            .cancelButton = Btn_LR_CANSEL,
                            .log = LogKind::Separation,
                            .shownLogs = {LogKind::Separation}};
    RunChannelBatch(context_, spec, ChannelJob::Separate, panel_->list, all, context_.settings.LR_DIR,
                    context_.settings.SAVE_NAME_LR);
}

void TTabSheet3::Btn_LR_CANSELClick() { CancelBatch(context_, BatchTab::Separation); }

void TTabSheet3::ColorBtn4Click(const QPoint& at) { OpenPopup(PopupMenu_LR, at, opening_); }
