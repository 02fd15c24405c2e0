#include "TimeListPlay.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <limits>

#include "CutFaceContext.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "Mkdlg.h"
#include "PlayPanel.h"
#include "Playback.h"
#include "SettingsValues.h"
#include "TimeListBox.h"

namespace {

void LetMessagesRun() { QCoreApplication::processEvents(); }

// A time in ms for the device's 32-bit range.
int DeviceMs(int64_t ms)
{
    return static_cast<int>(std::clamp<int64_t>(ms, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool Continues(PlayMode mode)
{
    return mode == PlayMode::Renzoku || mode == PlayMode::Skip || mode == PlayMode::Repeat;
}

}  // namespace

TimeListPlay::TimeListPlay(CutFaceContext& context, TPlayPanel& play)
    : QObject(&play), context_(context), play_(play)
{
    for (TTimeListBox* list : context.timeLists())
        connect(list, &TTimeListBox::entryClicked, this, [this, list] { ListBox_ALLClick(list); });
    connect(&play, &TPlayPanel::playModeClicked, this, &TimeListPlay::RadioGroup1Click);
}

void TimeListPlay::ListBox_ALLClick(TTimeListBox* list)
{
    MediaState& media = context_.media;
    media.AbortFlag = false;
    media.NotifyBusy = false;
    LetMessagesRun();
    if (!cutFileThere()) return;
    if (play_.playMode() == PlayMode::Off) return;
    media.PlayFile = QString::fromStdString(context_.work.CutFile);
    media.CurrentList = list;
    if (list == context_.ListBox_C && context_.settings.Start_TM && play_.playMode() == PlayMode::Renzoku)
        jumpToStartTime(*list, list->itemIndex());
    list->selectOnly(list->itemIndex());
    LetMessagesRun();
    if (list->itemIndex() < 0) return;
    playCurrent(*list, true);
}

void TimeListPlay::Continue()
{
    MediaState& media = context_.media;
    TTimeListBox* list = currentTimeList();
    if (list && !media.AbortFlag && !media.ClosingFlag && Continues(play_.playMode()) && cutFileThere()) {
        media.PlayFile = QString::fromStdString(context_.work.CutFile);
        if (!media.AbortFlag && !media.ClosingFlag && list->count() > 0) continueFrom(*list);
    }
    media.NotifyBusy = false;
}

// The next entry by the play mode: the same one for "リピート", else the one
// after it (the run ends after the last), or the next start time of the
// continuous-play colour.
void TimeListPlay::continueFrom(TTimeListBox& list)
{
    int k = list.itemIndex();
    if (play_.playMode() != PlayMode::Repeat) {
        list.selectOnly(k);
        if (++k >= list.count()) return;
        list.setItemIndex(k);
    }
    if (context_.settings.Start_TM && play_.playMode() == PlayMode::Renzoku && &list == context_.ListBox_C)
        jumpToStartTime(list, k);
    list.selectOnly(list.itemIndex());
    if (list.itemIndex() < 0 || list.itemIndex() >= list.count()) return;
    playCurrent(list, false);
}

// The time list whose entry started the current play; none when a list of
// the file face started it.
TTimeListBox* TimeListPlay::currentTimeList() const
{
    const auto lists = context_.timeLists();
    QObject* current = context_.media.CurrentList;
    const auto found = std::find(lists.begin(), lists.end(), current);
    return found == lists.end() ? nullptr : *found;
}

bool TimeListPlay::cutFileThere()
{
    const QString path = QString::fromStdString(context_.work.CutFile);
    LetMessagesRun();
    if (!path.isEmpty() && QFileInfo(path).isFile()) return true;
    MKInfoTM(context_.box, path + "\n" + QString::fromUtf8(CutTexts::FileMissingText), 1);
    return false;
}

void TimeListPlay::jumpToStartTime(TTimeListBox& list, int from)
{
    const CutWorkState& work = context_.work;
    if (const auto start = StartJump(from, work.registered.StartList(), work.RenzokuColour)) list.setItemIndex(*start);
}

void TimeListPlay::playCurrent(TTimeListBox& list, bool click)
{
    MediaState& media = context_.media;
    const int k = list.itemIndex();
    std::optional<int64_t> next;
    if (k + 1 < list.count()) next = EntryTime(list.entry(k + 1).toStdString());
    const PlayRange range = EntryPlayRange(list.kind(), EntryTime(list.entry(k).toStdString()), next,
                                           play_.playMode(), play_.specialMode(), click, media.CutLength);
    media.PlayFrom = DeviceMs(range.PlayFrom);
    media.PlayTo = DeviceMs(range.PlayTo);
    media.NotifyBusy = false;
    LetMessagesRun();
    if (!context_.playback.OpenAndPlay()) media.AbortFlag = true;
}

void TimeListPlay::RadioGroup1Click(PlayMode mode)
{
    if (mode == PlayMode::Off) context_.playback.MciStopClose();
}
