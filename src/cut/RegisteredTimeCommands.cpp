#include "RegisteredTimeCommands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "BusyCursor.h"
#include "ColorBtn.h"
#include "ColourChoices.h"
#include "ColourCodes.h"
#include "ColourTexts.h"
#include "CutFaceContext.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "MenuOpening.h"
#include "Mkdlg.h"
#include "PlayPanel.h"
#include "PlayPosition.h"
#include "SettingsColours.h"
#include "SettingsValues.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"

namespace {

constexpr std::array<const char*, ColourChoiceCount> ColourItemNames = {
    "PTS_T_NON", "PTS_T_Blue", "PTS_T_Red", "PTS_T_Lime", "PTS_T_Yellow", "PTS_T_Aqua", "PTS_T_Pink"};

// A colour code 0-6 as the settings may hold it; anything else: none.
int ValidColour(int code) { return code >= 0 && code < ColourCodeCount ? code : 0; }

}  // namespace

RegisteredTimeCommands::RegisteredTimeCommands(CutFaceContext& context, TTimeListsPanel& lists, TPlayPanel& play)
    : QObject(&lists)
    , context_(context)
    , lists_(lists)
    , play_(play)
    , registerButtons_{play.Button1,       lists.Button_ALLT,  lists.Button_60sT,  lists.Button_10sT,
                       lists.Button_1sT,   lists.Button_100msT, lists.Button_10msT, lists.Button_1msT}
{
    buildColourMenu();
    lists.ListBox_C->markOf = [this](int index) { return markOf(index); };
    connect(play.Button1, &QPushButton::clicked, this, &RegisteredTimeCommands::Button1Click);
    const std::pair<ColorBtn*, TTimeListBox*> sources[] = {
        {lists.Button_ALLT, lists.ListBox_ALL}, {lists.Button_60sT, lists.ListBox_60s},
        {lists.Button_10sT, lists.ListBox_10s}, {lists.Button_1sT, lists.ListBox_1s},
        {lists.Button_100msT, lists.ListBox_100ms}, {lists.Button_10msT, lists.ListBox_10ms},
        {lists.Button_1msT, lists.ListBox_1ms}};
    for (const auto& [button, list] : sources)
        connect(button, &QPushButton::clicked, this, [this, list = list] { Button_ALLTClick(list); });
    for (ColorBtn* button : registerButtons_) button->installEventFilter(this);
    connect(lists.Button5, &QPushButton::clicked, this, &RegisteredTimeCommands::Button5Click);
}

void RegisteredTimeCommands::buildColourMenu()
{
    PopupMenu_T = new QMenu(&lists_);
    PopupMenu_T->setObjectName(QStringLiteral("PopupMenu_T"));
    PTS_T_Items = AddColourChoices(*PopupMenu_T, ColourTexts::ColourNames, ColourItemNames, "PTS_X",
                                   [this](int code) { PTS_T_NONClick(code); });
    connect(PopupMenu_T, &QMenu::aboutToShow, this, &RegisteredTimeCommands::PopupMenu_TPopup);
}

bool RegisteredTimeCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton) {
            Button_ALLTMouseDown(press->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RegisteredTimeCommands::Button1Click()
{
    const std::optional<int64_t> position = TakePlayPosition(context_, *play_.Label14);
    if (!position) return;
    showRegistered(registerEntry(QString::fromStdString(TimeEntryText(*position, context_.work.format))));
}

void RegisteredTimeCommands::Button_ALLTClick(TTimeListBox* source)
{
    BusyCursor busy;
    if (source->count() == 0) {
        MKInfoTM(context_.box, QString::fromUtf8(CutTexts::NothingToRegisterText), 1);
        return;
    }
    const QList<int> selected = source->selectedRows();
    if (selected.isEmpty()) {
        MKInfoTM(context_.box, QString::fromUtf8(CutTexts::SelectDataText), 1);
        return;
    }
    int last = 0;
    for (const int row : selected) last = registerEntry(source->entry(row));
    showRegistered(last);
}

int RegisteredTimeCommands::registerTimes(const std::vector<int64_t>& times)
{
    const int before = context_.work.registered.size();
    std::optional<int> last;
    for (const int64_t t : times) last = registerEntry(QString::fromStdString(TimeEntryText(t, context_.work.format)));
    if (last) showRegistered(last);
    return context_.work.registered.size() - before;
}

// Registers an entry text with the colour of new registrations; its index.
int RegisteredTimeCommands::registerEntry(const QString& entry)
{
    CutWorkState& work = context_.work;
    const bool startTimes = context_.settings.Start_TM;
    return work.registered.RegisterEntry(entry.toStdString(), RegistrationCode(startTimes, work.StartColour),
                                         startTimes);
}

void RegisteredTimeCommands::Button5Click()
{
    const PlayMode mode = play_.playMode();
    const bool forced = mode == PlayMode::Renzoku || mode == PlayMode::Skip;
    if (forced) play_.setPlayMode(PlayMode::Zone);
    const QList<int> selected = lists_.ListBox_C->selectedRows();
    showRegistered(context_.work.registered.DeleteSelected({selected.begin(), selected.end()}));
    if (forced) MKInfoTM(context_.box, QString::fromUtf8(CutTexts::ZoneForcedText), 1);
}

void RegisteredTimeCommands::showRegistered(std::optional<int> current)
{
    QStringList entries;
    for (const std::string& time : context_.work.registered.times()) entries.append(QString::fromStdString(time));
    TTimeListBox& list = *lists_.ListBox_C;
    list.setEntries(std::move(entries));
    if (current) list.selectOnly(*current);
}

void RegisteredTimeCommands::showRegisteredKeepingSelection()
{
    TTimeListBox& list = *lists_.ListBox_C;
    const int current = list.itemIndex();
    const QList<int> selected = list.selectedRows();
    showRegistered(std::nullopt);
    for (const int row : selected) list.setSelected(row, true);
    if (current >= 0) list.setItemIndex(current);
}

int RegisteredTimeCommands::markOf(int index) const
{
    if (!context_.settings.Start_TM) return 0;
    const std::vector<std::string>& codes = context_.work.registered.StartList();
    return index >= 0 && index < static_cast<int>(codes.size()) ? CodeOf(codes[static_cast<size_t>(index)]).value_or(0)
                                                                : 0;
}

void RegisteredTimeCommands::Button_ALLTMouseDown(const QPoint& globalPos)
{
    if (context_.settings.Start_TM) OpenCutFaceMenu(PopupMenu_T, globalPos, context_.media.MsgShowing);
}

void RegisteredTimeCommands::PopupMenu_TPopup()
{
    PTS_T_Items[static_cast<size_t>(ValidColour(context_.work.StartColour))]->setChecked(true);
    context_.media.MsgShowing = false;
}

void RegisteredTimeCommands::PTS_T_NONClick(int colour)
{
    context_.work.StartColour = colour;
    context_.settings.PTS = colour;
    applyRegisterLook();
}

void RegisteredTimeCommands::MO_ST_TMClick(bool checked)
{
    context_.settings.Start_TM = checked;
    applyRegisterLook();
    const auto colour = ContinuousPlayColour(context_.work.RenzokuColour, checked);
    play_.showRenzokuColour(colour.value_or(QColor()));
    lists_.ListBox_C->viewport()->update();
}

void RegisteredTimeCommands::showSettings()
{
    context_.work.StartColour = ValidColour(context_.settings.PTS);
    context_.work.RenzokuColour = ValidColour(context_.settings.RENZOKU);
    MO_ST_TMClick(context_.settings.Start_TM);
}

// While start times are enabled, the "<登録" buttons wear the colour new
// registrations get; otherwise (and for no colour) the look of their parent.
void RegisteredTimeCommands::applyRegisterLook()
{
    const auto colours = StartTimeMarkerColours(context_.work.StartColour, context_.settings.Start_TM);
    for (ColorBtn* button : registerButtons_) {
        button->setColor(colours ? colours->background : QColor());
        button->setFontColor(colours ? colours->text : QColor());
    }
}
