#include "TimeListCommands.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "BusyCursor.h"
#include "CutFaceContext.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "Mkdlg.h"
#include "PlayPanel.h"
#include "PlayPosition.h"
#include "Playback.h"
#include "SettingsValues.h"
#include "TimeListBox.h"
#include "TimeLists.h"
#include "TimeListsPanel.h"

namespace {

void LetMessagesRun() { QCoreApplication::processEvents(); }

QStringList ToQStringList(const std::vector<std::string>& texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) list.append(QString::fromStdString(text));
    return list;
}

// The subdivision level whose list a button fills first.
constexpr int Level60s = 5;

}  // namespace

TimeListCommands::TimeListCommands(CutFaceContext& context, TTimeListsPanel& lists, TPlayPanel& play)
    : QObject(&lists), context_(context), lists_(lists), play_(play)
{
    for (QPushButton* button : {lists.Button_60s, lists.Button_60s_U, lists.Button_600s_C, play.Button_600s_CT,
                                lists.Button_10s, lists.Button_1s, lists.Button_100ms, lists.Button_10ms,
                                lists.Button_1ms})
        connect(button, &QPushButton::clicked, this, [this, button] { Button_600s_CClick(button); });
    connect(lists.Btn_1ms_ON, &QPushButton::clicked, this, &TimeListCommands::Btn_1ms_ONClick);
    connect(lists.Btn_1ms_OFF, &QPushButton::clicked, this, &TimeListCommands::Btn_1ms_OFFClick);
    connect(lists.ComboBox_TM, &QComboBox::activated, this, &TimeListCommands::ComboBox_TMChange);
    FillIntervalCombo();
    lists.ComboBox_TM->setCurrentIndex(0);
}

void TimeListCommands::BuildTimeLists()
{
    CutWorkState& work = context_.work;
    work.format = MakeTimeFormat(context_.media.CutLength, context_.settings.FUN);
    FillIntervalCombo();
    work.ListInterval = IntervalMs(lists_.ComboBox_TM->currentIndex());
    fillListAll();
    for (int level = 0; level <= Level60s; ++level) levelList(level)->clear();
    work.registered.Rewrite(work.format);
    context_.showRegistered();
    showLengthLabels();
}

void TimeListCommands::FillIntervalCombo()
{
    QComboBox& combo = *lists_.ComboBox_TM;
    const QSignalBlocker quiet(combo);
    const int index = combo.currentIndex();
    combo.clear();
    for (const std::string& item : IntervalItems(context_.settings.FUN)) combo.addItem(QString::fromStdString(item));
    combo.setCurrentIndex(index);
}

void TimeListCommands::setIntervalIndex(int index)
{
    const QSignalBlocker quiet(lists_.ComboBox_TM);
    lists_.ComboBox_TM->setCurrentIndex(index);
    context_.work.ListInterval = IntervalMs(lists_.ComboBox_TM->currentIndex());
}

void TimeListCommands::ComboBox_TMChange()
{
    context_.work.ListInterval = IntervalMs(lists_.ComboBox_TM->currentIndex());
    fillListAll();
}

// ListBox_ALL: every multiple of the interval up to the length. A list that
// would exceed MaxIntervalEntries keeps its first entries and says so.
void TimeListCommands::fillListAll()
{
    const CutWorkState& work = context_.work;
    TimeFormat bounded = work.format;
    const int64_t reach = (MaxIntervalEntries - 1) * work.ListInterval;
    const bool tooMany = bounded.cutLength > reach;
    if (tooMany) bounded.cutLength = reach;
    lists_.ListBox_ALL->setEntries(ToQStringList(IntervalEntries(work.ListInterval, bounded)));
    if (tooMany) MKInfo(context_.box, QString::fromUtf8(CutTexts::TooManyEntriesText));
}

void TimeListCommands::showLengthLabels()
{
    MediaState& media = context_.media;
    media.TotalTimeText = media.CutLength > 0 ? DisplayTime(media.CutLength, context_.settings.FUN) : QStringLiteral("0");
    media.PlayTimeText = QStringLiteral("0");
    if (context_.playback.displayChanged) context_.playback.displayChanged();
}

void TimeListCommands::Button_600s_CClick(QPushButton* button)
{
    BusyCursor busy;
    const Source source = sourceOf(button);
    const std::optional<int64_t> t = baseTime(source);
    if (!t) return;
    for (int level = source.level; level >= 0; --level) {
        if (!subdivide(level, source.level, *t)) {
            MKInfoTM(context_.box, QString::fromUtf8(CutTexts::SubdivideFailedText), 1);
            return;
        }
    }
}

TimeListCommands::Source TimeListCommands::sourceOf(QPushButton* button) const
{
    if (button == lists_.Button_600s_C) return {Level60s, lists_.ListBox_C};
    if (button == play_.Button_600s_CT) return {Level60s, nullptr};
    if (button == lists_.Button_10s) return {4, lists_.ListBox_60s};
    if (button == lists_.Button_1s) return {3, lists_.ListBox_10s};
    if (button == lists_.Button_100ms) return {2, lists_.ListBox_1s};
    if (button == lists_.Button_10ms) return {1, lists_.ListBox_100ms};
    if (button == lists_.Button_1ms) return {0, lists_.ListBox_10ms};
    return {Level60s, lists_.ListBox_ALL};  // Button_60s, Button_60s_U
}

// The time the lists are built around: the source list's current entry
// (entry 0 when none is current), or the play position.
std::optional<int64_t> TimeListCommands::baseTime(const Source& source)
{
    if (!source.list) return TakePlayPosition(context_, *play_.Label14);
    TTimeListBox& list = *source.list;
    if (list.count() == 0) {
        MKInfoTM(context_.box, QString::fromUtf8(CutTexts::NoTimesText), 1);
        return std::nullopt;
    }
    if (list.itemIndex() < 0) list.setItemIndex(0);
    list.selectOnly(list.itemIndex());
    const QString base = list.entry(list.itemIndex());
    LetMessagesRun();
    return EntryTime(base.toStdString());
}

// One level's list around t; false when not one entry of it lies within the file.
bool TimeListCommands::subdivide(int level, int top, int64_t t)
{
    const Subdivision made = Subdivide(level, top, t, play_.specialMode(), context_.work.format);
    TTimeListBox& list = *levelList(level);
    list.setEntries(ToQStringList(made.entries));
    if (made.baseIndex >= 0) list.selectOnly(made.baseIndex);
    LetMessagesRun();
    return !made.entries.empty();
}

TTimeListBox* TimeListCommands::levelList(int level) const
{
    switch (LevelList(level)) {
    case ListKind::Step1ms: return lists_.ListBox_1ms;
    case ListKind::Step10ms: return lists_.ListBox_10ms;
    case ListKind::Step100ms: return lists_.ListBox_100ms;
    case ListKind::Step1s: return lists_.ListBox_1s;
    case ListKind::Step10s: return lists_.ListBox_10s;
    default: return lists_.ListBox_60s;
    }
}

void TimeListCommands::Btn_1ms_ONClick()
{
    Button_600s_CClick(lists_.Button_1ms);
    lists_.show1ms(true);
}

void TimeListCommands::Btn_1ms_OFFClick() { lists_.show1ms(false); }

void TimeListCommands::MO_FUNClick(bool checked)
{
    context_.settings.FUN = checked;
    BuildTimeLists();
}
