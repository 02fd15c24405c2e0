#include "RegistrationLists.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

#include "BusyCursor.h"
#include "ColorBtn.h"
#include "Desktop.h"
#include "Mkdlg.h"
#include "RegistrationList.h"
#include "RegistrationListFile.h"
#include "RegistrationPanel.h"
#include "RegistrationTexts.h"

namespace {

// Marks a command running for its lifetime (the re-entry guards).
class Running {
public:
    explicit Running(bool& flag)
        : flag_(flag)
    {
        flag_ = true;
    }
    ~Running() { flag_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& flag_;
};

ListEntries Unselected(const QList<FileRow>& rows)
{
    ListEntries entries;
    for (const FileRow& row : rows) entries.append({row, false});
    return entries;
}

const QString& SelectionText(const RegistrationSelections& selections, RegList list)
{
    switch (list) {
    case RegList::K: return selections.K_Text;
    case RegList::LR: return selections.LR_Text;
    case RegList::REV: return selections.REV_Text;
    case RegList::M: return selections.M_Text;
    default: return selections.G_Text;
    }
}

}  // namespace

RegistrationLists::RegistrationLists(TMKBoxDlg& box, QObject* parent)
    : QObject(parent)
    , box_(box)
{
    for (const RegList id : AllRegLists) {
        auto* created = new RegistrationPanel(id);
        panels_[RegListIndex(id)] = created;
        connectPanel(*created);
    }
    updateCountCaptions();
}

RegistrationLists::~RegistrationLists()
{
    for (const QPointer<RegistrationPanel>& created : panels_) {
        if (created && !created->parent()) delete created.data();
    }
}

RegistrationList* RegistrationLists::list(RegList id) const { return panel(id) ? panel(id)->list : nullptr; }

void RegistrationLists::connectPanel(RegistrationPanel& shown)
{
    const RegList id = shown.id();
    connect(shown.registerAll, &QPushButton::clicked, this, [this, id] { Btn_TOROKU_SEN_GClick(id, true); });
    connect(shown.registerSelected, &QPushButton::clicked, this, [this, id] { Btn_TOROKU_SEN_GClick(id, false); });
    connect(shown.up, &QPushButton::clicked, this, [this, id] { Button_UPClick(id, MoveDirection::Up); });
    connect(shown.down, &QPushButton::clicked, this, [this, id] { Button_UPClick(id, MoveDirection::Down); });
    connect(shown.remove, &QPushButton::clicked, this, [this, id] { Btn_DELClick(id); });
    connect(shown.refresh, &QPushButton::clicked, this, [this, id] { Btn_KoshinClick(id); });
    if (shown.showSelection)
        connect(shown.showSelection, &QPushButton::clicked, this, [this, id] { Btn_SENTAK_GClick(id); });
    if (shown.stop) connect(shown.stop, &QPushButton::clicked, this, [this] { Btn_CANSEL_GClick(); });
    if (shown.copy) connect(shown.copy, &QAction::triggered, this, [this, id] { copyPaths(id); });
    connect(shown.list, &RegistrationList::columnClicked, this,
            [this, id](int column) { ListView_MColumnClick(id, column); });
    connect(shown.list, &RegistrationList::filesDropped, this,
            [this, id](const QStringList& paths) { registerFiles(id, paths); });
}

void RegistrationLists::Btn_TOROKU_SEN_GClick(RegList target, bool all)
{
    if (registering_) return;
    const auto& source = all ? browserAllRows : browserSelectedRows;
    registerRows(target, source ? source() : QList<FileRow>());
}

void RegistrationLists::registerFiles(RegList target, const QStringList& paths)
{
    QList<FileRow> rows;
    for (const QString& path : paths) {
        const std::optional<FileFacts> facts = ReadFileFacts(path);
        FileRow row{QFileInfo(path).fileName(), path, {}, {}, {}};
        if (facts) {
            row.size = facts->size;
            row.date = facts->date;
            row.attributes = facts->attributes;
        }
        rows.append(row);
    }
    registerRows(target, rows);
}

void RegistrationLists::registerRows(RegList target, const QList<FileRow>& rows)
{
    qsizetype next = 0;
    runRegistration(
        [&] {
            RegistrationList* view = list(target);
            if (next >= rows.size() || !view) return false;
            view->appendRow(rows[next++]);
            return true;
        },
        true);
}

void RegistrationLists::runRegistration(const std::function<bool()>& step, bool fromBrowser)
{
    if (registering_) return;
    Running running(registering_);
    BusyCursor busy;
    stopRequested_ = false;
    setCountCaptions(std::nullopt);
    showRegisterButtons(false);
    if (fromBrowser && focusBrowser) focusBrowser();
    bool stopped = false;
    while (step()) {
        QCoreApplication::processEvents();
        if (stopRequested_) {
            stopped = true;
            break;
        }
    }
    if (fromBrowser && focusBrowser) focusBrowser();
    updateCountCaptions();
    if (stopped) MKInfoTM(box_, RegistrationTexts::Stopped, 1);
    showRegisterButtons(true);
}

void RegistrationLists::Button_UPClick(RegList target, MoveDirection direction)
{
    RegistrationList* view = list(target);
    if (moving_ || !view) return;
    Running running(moving_);
    focusList(target);
    ListEntries entries = view->entries();
    const std::optional<int> first = MoveSelected(entries, direction);
    if (first) view->setEntries(entries, first);
}

void RegistrationLists::Btn_DELClick(RegList target)
{
    const bool switched = switchPlayModeOff && switchPlayModeOff();
    RegistrationList* view = list(target);
    if (deleting_ || !view) return;
    Running running(deleting_);
    setCountCaptions(std::nullopt);
    ListEntries entries = view->entries();
    if (RemoveSelected(entries) > 0) view->setEntries(entries);
    focusList(target);
    updateCountCaptions();
    if (switched) MKInfoTM(box_, RegistrationTexts::PlayModeSwitched, 1);
}

void RegistrationLists::Btn_KoshinClick(RegList target)
{
    RegistrationList* view = list(target);
    if (refreshing_ || !view) return;
    Running running(refreshing_);
    BusyCursor busy;
    const int current = view->currentIndex().row();
    ListEntries entries = view->entries();
    RefreshEntries(entries);
    view->setEntries(entries, current >= 0 ? std::optional(current) : std::nullopt);
}

void RegistrationLists::Btn_SENTAK_GClick(RegList target) { focusList(target); }

void RegistrationLists::ListView_MColumnClick(RegList target, int column)
{
    RegistrationList* view = list(target);
    if (!view || !sortOption(target) || sorting_) return;
    if (column < 0 || column >= RegistrationColumnCount) return;
    Running running(sorting_);
    const bool descending = directions_.toggle(column);
    ListEntries entries = view->entries();
    const std::optional<int> kept = SortEntries(entries, column, descending);
    view->setEntries(entries, kept);
}

void RegistrationLists::copyPaths(RegList target)
{
    if (RegistrationList* view = list(target)) desktop().setClipboardText(PathsText(view->entries()));
}

void RegistrationLists::updateCountCaptions()
{
    for (const RegList id : AllRegLists) {
        if (RegistrationList* view = list(id)) view->setCountCaptions(CountCaptionsFor(view->topLevelItemCount()));
    }
    if (showOtherCounts) showOtherCounts(false);
}

void RegistrationLists::setCountCaptions(std::optional<int> count)
{
    for (const RegList id : AllRegLists) {
        if (RegistrationList* view = list(id)) view->setCountCaptions(CountCaptionsFor(count));
    }
    if (showOtherCounts) showOtherCounts(!count);
}

void RegistrationLists::showRegisterButtons(bool shown)
{
    for (const QPointer<RegistrationPanel>& each : panels_) {
        if (!each) continue;
        each->registerAll->setVisible(shown);
        each->registerSelected->setVisible(shown);
    }
    if (showOtherRegisterButtons) showOtherRegisterButtons(shown);
}

void RegistrationLists::focusList(RegList target)
{
    RegistrationList* view = list(target);
    if (view && view->isVisible() && view->isEnabled()) view->setFocus();
}

bool RegistrationLists::sortOption(RegList id) const { return panel(id) && panel(id)->sortOption->isChecked(); }

void RegistrationLists::setSortOption(RegList id, bool on)
{
    if (panel(id)) panel(id)->sortOption->setChecked(on);
}

QString RegistrationLists::selectedCaption(RegList id) const
{
    return list(id) ? SelectedCaption(list(id)->entries()) : QString();
}

void RegistrationLists::restoreSelection(RegList id, const QString& caption)
{
    RegistrationList* view = list(id);
    if (!view) return;
    if (const std::optional<int> found = FindCaption(view->entries(), caption)) {
        view->selectOnly(*found);
        focusList(id);
    }
}

void RegistrationLists::loadListFiles(const QString& programWord, const RegistrationSelections& selections)
{
    for (const RegList id : AllRegLists) {
        RegistrationList* view = list(id);
        if (!view) continue;
        view->setUpdatesEnabled(false);
        const auto content = LoadRegistrationList(RegistrationListPath(id, programWord));
        view->setEntries(content ? Unselected(content->rows) : ListEntries());
        if (content) view->setColumnWidths(content->widths);
        view->setUpdatesEnabled(true);
    }
    for (const RegList id : AllRegLists) restoreSelection(id, SelectionText(selections, id));
    updateCountCaptions();
}

int RegistrationLists::saveListFiles(const QString& programWord) const
{
    int written = 0;
    for (const RegList id : AllRegLists) {
        const RegistrationList* view = list(id);
        if (!view) continue;
        RegistrationListContent content{view->columnWidths(), {}};
        for (const ListEntry& entry : view->entries()) content.rows.append(entry.row);
        if (SaveRegistrationList(RegistrationListPath(id, programWord), content)) ++written;
    }
    return written;
}
