#include "RenzokuMenu.h"

#include <QAction>
#include <QMenu>

#include "ColourChoices.h"
#include "ColourCodes.h"
#include "ColourTexts.h"
#include "CutFaceContext.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "MenuOpening.h"
#include "PlayPanel.h"
#include "SettingsColours.h"
#include "SettingsValues.h"

namespace {

constexpr std::array<const char*, ColourChoiceCount> ItemNames = {
    "P_RENZOKU_M_ALL", "P_RENZOKU_M_Blue", "P_RENZOKU_M_Red", "P_RENZOKU_M_Lime",
    "P_RENZOKU_M_Yellow", "P_RENZOKU_M_Aqua", "P_RENZOKU_M_Pink"};

}  // namespace

RenzokuMenu::RenzokuMenu(CutFaceContext& context, TPlayPanel& play)
    : QObject(&play), context_(context), play_(play)
{
    PopupMenu_R = new QMenu(&play);
    PopupMenu_R->setObjectName(QStringLiteral("PopupMenu_R"));
    Items = AddColourChoices(*PopupMenu_R, ColourTexts::ColourOnlyNames, ItemNames, "P_RENZOKU_M_X",
                             [this](int code) { P_RENZOKU_M_ALLClick(code); });
    connect(PopupMenu_R, &QMenu::aboutToShow, this, &RenzokuMenu::PopupMenu_RPopup);
    connect(&play, &TPlayPanel::renzokuRightPressed, this, &RenzokuMenu::Panel_RENZOKUMouseDown);
}

void RenzokuMenu::P_RENZOKU_M_ALLClick(int colour)
{
    context_.work.RenzokuColour = colour;
    context_.settings.RENZOKU = colour;
    play_.showRenzokuColour(ContinuousPlayColour(colour, true).value_or(QColor()));
    play_.setPlayMode(PlayMode::Renzoku);
}

void RenzokuMenu::Panel_RENZOKUMouseDown(const QPoint& globalPos)
{
    if (context_.settings.Start_TM) OpenCutFaceMenu(PopupMenu_R, globalPos, context_.media.MsgShowing);
}

void RenzokuMenu::PopupMenu_RPopup()
{
    const int colour = context_.work.RenzokuColour;
    Items[static_cast<size_t>(colour >= 0 && colour < ColourCodeCount ? colour : 0)]->setChecked(true);
    context_.media.MsgShowing = false;
}
