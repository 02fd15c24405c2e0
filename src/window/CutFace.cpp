#include "CutFace.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "CutFaceContext.h"
#include "CutFileRow.h"
#include "PlayPanel.h"
#include "RegisteredTimeCommands.h"
#include "RenzokuMenu.h"
#include "TimeListCommands.h"
#include "TimeListPlay.h"
#include "TimeListsPanel.h"

namespace {

constexpr QSize kListsSize(720, 480);     // Panel_S
constexpr QSize kControlsSize(260, 480);  // Panel_C

}  // namespace

TCutFace::TCutFace(WindowState& state, QWidget* parent)
    : QFrame(parent), state_(state)
{
    setObjectName(QStringLiteral("Panel_CUT"));
    Panel_S = new TTimeListsPanel(this);
    Panel_S->setFixedSize(kListsSize);
    Panel_C = new TPlayPanel(this);
    Panel_C->setFixedSize(kControlsSize);
    Panel_Fn = new CutFileRow(this);
    Edit_Fn = Panel_Fn->Edit_Fn;
    Edit_SDIR = Panel_Fn->Edit_SDIR;
    Edit_SFn = Panel_Fn->Edit_SFn;
    Label_SFn_Last = Panel_Fn->Label_SFn_Last;

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel_S, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Panel_C, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Panel_Fn, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
}

void TCutFace::bind(CutFaceContext& context)
{
    TTimeListsPanel& lists = *Panel_S;
    context.ListBox_ALL = lists.ListBox_ALL;
    context.ListBox_60s = lists.ListBox_60s;
    context.ListBox_10s = lists.ListBox_10s;
    context.ListBox_1s = lists.ListBox_1s;
    context.ListBox_100ms = lists.ListBox_100ms;
    context.ListBox_10ms = lists.ListBox_10ms;
    context.ListBox_1ms = lists.ListBox_1ms;
    context.ListBox_C = lists.ListBox_C;

    timeLists = new TimeListCommands(context, lists, *Panel_C);
    registered = new RegisteredTimeCommands(context, lists, *Panel_C);
    listPlay = new TimeListPlay(context, *Panel_C);
    renzoku = new RenzokuMenu(context, *Panel_C);
    context.BuildTimeLists = [this] { timeLists->BuildTimeLists(); };
    context.setIntervalIndex = [this](int index) { timeLists->setIntervalIndex(index); };
    context.showRegistered = [this] { registered->showRegisteredKeepingSelection(); };
    context.chooseRenzokuColour = [this](int colour) { renzoku->P_RENZOKU_M_ALLClick(colour); };
}

void TCutFace::resetPlayModes()
{
    Panel_C->setPlayMode(PlayMode::Skip);
    Panel_C->setSpecialMode(SpecialMode::Off);
}

QSize TCutFace::clientSize() const
{
    return {Panel_S->width() + Panel_C->width(), Panel_S->height() + Panel_Fn->sizeHint().height()};
}
