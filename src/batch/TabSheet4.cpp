#include "TabSheet4.h"

#include <QPushButton>

#include "BatchTabTexts.h"
#include "ChannelTabRun.h"
#include "ColorBtn.h"
#include "PopupOpening.h"
#include "RegistrationPanel.h"
#include "SettingsValues.h"
#include "TabMenu.h"

TTabSheet4::TTabSheet4(BatchTabContext& context, RegistrationPanel* panel, QWidget* parent)
    : BatchTabPage("TabSheet4", panel, parent), context_(context), panel_(panel)
{
    Btn_REV_CANCEL = stopButton("Btn_REV_CANCEL", BatchTabTexts::Btn_REV_CANCEL);
    const auto starts = addStartRow(
        {{"Btn_REV_ALL", BatchTabTexts::Btn_REV_ALL, true}, {"Btn_REV_SEN", BatchTabTexts::Btn_REV_SEN, false}},
        Btn_REV_CANCEL, [this](bool all) { Btn_REV_SENClick(all); }, [this] { Btn_REV_CANCELClick(); });
    Btn_REV_ALL = starts[0];
    Btn_REV_SEN = starts[1];
    ColorBtn7 = colorButton("ColorBtn7", BatchTabTexts::ColorBtn7);
    connect(ColorBtn7, &QPushButton::clicked, this, [this] { ColorBtn7Click(); });
    addRow(ColorBtn7);
    ColorBtn14 =
        addMenuButton("ColorBtn14", BatchTabTexts::ColorBtn14, [this](const QPoint& at) { ColorBtn14Click(at); });
    endColumn();
    PopupMenu_REV = new TabMenu({.menuName = "PopupMenu_REV",
                                 .header = BatchTabTexts::PopupMenu_REV,
                                 .sortOption = panel->sortOption,
                                 .logCommands = {"P_REV_KIROKUClick", "P_REV_KIROKUCLRClick", "P_REV_TXTClick",
                                                 "P_REV_NOClick"},
                                 .saveNameItem = "P_SaveName_REV",
                                 .saveNameCaption = BatchTabTexts::P_SaveName_REV,
                                 .saveNameFlag = &SettingsValues::SAVE_NAME_REV,
                                 .folder = OutputFolder::Reversal},
                                context_, this);
}

void TTabSheet4::run(ChannelJob job, bool all)
{
    BatchRunSpec spec{.tab = BatchTab::Reversal,
                      .startButtons = {Btn_REV_ALL, Btn_REV_SEN},
                      .cancelButton = Btn_REV_CANCEL,
                      .log = LogKind::Reversal,
                      .shownLogs = {LogKind::Reversal}};
    if (job == ChannelJob::Fmt) spec.disabled = {ColorBtn7};
    RunChannelBatch(context_, spec, job, panel_->list, all, context_.settings.REV_DIR, context_.settings.SAVE_NAME_REV);
}

void TTabSheet4::Btn_REV_SENClick(bool all) { run(ChannelJob::Reverse, all); }

// The fmt run takes the selected rows only.
void TTabSheet4::ColorBtn7Click() { run(ChannelJob::Fmt, false); }

void TTabSheet4::Btn_REV_CANCELClick() { CancelBatch(context_, BatchTab::Reversal); }

void TTabSheet4::ColorBtn14Click(const QPoint& at) { OpenPopup(PopupMenu_REV, at, opening_); }
