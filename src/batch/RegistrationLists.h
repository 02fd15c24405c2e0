#pragma once
// RegistrationLists: the five registration lists (ListView_M on the file face,
// ListView_G, ListView_K, ListView_LR, ListView_REV on the batch tabs) with
// the handlers they share: register, move, delete, refresh, show selection,
// stop, sort, copy, the count captions, and the load and save of the list
// files. It creates one RegistrationPanel per list; the window places them.
// What lies outside the lists (the file list's rows, the play mode, the
// list-join tab's buttons) comes in through hooks; a clicked row is played
// by the file browser, which shares its play handler with these lists.
#include <QList>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

#include "FileRow.h"
#include "RegistrationListId.h"
#include "RegistrationPanel.h"
#include "RegistrationRows.h"

class RegistrationList;
class TMKBoxDlg;

// The captions of the rows to select again in the lists (settings G_Text,
// K_Text, LR_Text, REV_Text, M_Text).
struct RegistrationSelections {
    QString G_Text;
    QString K_Text;
    QString LR_Text;
    QString REV_Text;
    QString M_Text;
};

class RegistrationLists : public QObject {
    Q_OBJECT
public:
    explicit RegistrationLists(TMKBoxDlg& box, QObject* parent = nullptr);
    // Panels still without a parent widget are deleted with this object.
    ~RegistrationLists() override;

    RegistrationPanel* panel(RegList list) const { return panels_[RegListIndex(list)]; }
    RegistrationList* list(RegList list) const;

    // --- hooks ---
    // The rows of the file list: all of them (after selecting them all) and
    // the selected ones, first to last.
    std::function<QList<FileRow>()> browserAllRows;
    std::function<QList<FileRow>()> browserSelectedRows;
    // Gives the file list the focus (before and after a registration).
    std::function<void()> focusBrowser;
    // Switches the play mode to "OFF" when it is on "PLAY"; true when it did.
    std::function<bool()> switchPlayModeOff;
    // Shows or hides the register buttons of the list-join and rename tabs,
    // which hide with the lists' own while a registration runs.
    std::function<void(bool shown)> showOtherRegisterButtons;
    // Sets the count captions of the list-join and rename lists with the
    // lists' own: "---ｺ" while busy, else their line counts.
    std::function<void(bool busy)> showOtherCounts;

    // --- commands (the shared handlers; the list, and where it matters the
    // direction or scope, stand for the sender) ---
    void Btn_TOROKU_SEN_GClick(RegList target, bool all);
    // Registers files dropped onto a list, as the register buttons do.
    void registerFiles(RegList target, const QStringList& paths);
    void Button_UPClick(RegList target, MoveDirection direction);
    void Btn_DELClick(RegList target);
    void Btn_KoshinClick(RegList target);
    void Btn_SENTAK_GClick(RegList target);
    // Stops a running registration after its current row.
    void Btn_CANSEL_GClick() { stopRequested_ = true; }
    void ListView_MColumnClick(RegList target, int column);
    // PLVG_COPYClick and its twins: the list's full paths to the clipboard.
    void copyPaths(RegList target);
    // Sets the count captions of all five lists from their row counts.
    void updateCountCaptions();
    // Sets every count caption to "---ｺ" (while lines are deleted or loaded).
    void showCountsBusy() { setCountCaptions(std::nullopt); }

    // The frame of every registration command, the lists' own and those of
    // the list-join and rename tabs, which share its busy flag and stop
    // request. Does nothing while a registration runs. Otherwise, with the
    // busy cursor, the stop request cleared, the count captions at "---ｺ"
    // and the register buttons of every tab hidden, runs `step` until it
    // returns false or the stop button is pressed (pending messages run
    // after each step); then sets the counts again, reports a stop and shows
    // the buttons. With `fromBrowser` the file list has the focus before and
    // after.
    void runRegistration(const std::function<bool()>& step, bool fromBrowser);

    // --- settings and list files ---
    // The check of the list's sort option (M_SORT, G_SORT, ...).
    bool sortOption(RegList list) const;
    void setSortOption(RegList list, bool on);
    // The caption of the list's first selected row; empty when none.
    QString selectedCaption(RegList list) const;
    // Start-up stage B: reads the five list files (a missing or damaged file
    // leaves its list empty), selects the rows named by `selections`, and
    // sets the count captions.
    void loadListFiles(const QString& programWord, const RegistrationSelections& selections);
    // Shutdown: writes the five list files; a file that cannot be written is
    // skipped. Returns how many were written.
    int saveListFiles(const QString& programWord) const;

    bool registrationRunning() const { return registering_; }

private:
    void registerRows(RegList target, const QList<FileRow>& rows);
    void connectPanel(RegistrationPanel& panel);
    void setCountCaptions(std::optional<int> count);
    void showRegisterButtons(bool shown);
    void restoreSelection(RegList list, const QString& caption);
    void focusList(RegList list);

    TMKBoxDlg& box_;
    std::array<QPointer<RegistrationPanel>, 5> panels_;
    SortDirections directions_;
    bool registering_ = false;
    bool moving_ = false;
    bool deleting_ = false;
    bool refreshing_ = false;
    bool sorting_ = false;
    bool stopRequested_ = false;
};
