#pragma once
// The commands of the registered times (ListBox_C): registering the play
// position (Button1Click) or the selected entries of a list (Button_ALLTClick,
// for the seven "<登録" buttons), deleting the selected registered times
// (Button5Click), the colour of new registrations (PopupMenu_T on the right
// button of any "<登録" button, PTS_T_NONClick), the start times' switch
// (MO_ST_TMClick) and the look that follows from them.
#include <QObject>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class ColorBtn;
class QAction;
class QMenu;
class TPlayPanel;
class TTimeListBox;
class TTimeListsPanel;
struct CutFaceContext;

class RegisteredTimeCommands : public QObject {
public:
    RegisteredTimeCommands(CutFaceContext& context, TTimeListsPanel& lists, TPlayPanel& play);

    void Button1Click();
    void Button_ALLTClick(TTimeListBox* source);
    void Button5Click();
    // Registers times (ms) as the "<登録" buttons register entries, with the
    // colour of new registrations; the last becomes the current entry.
    // Returns how many were not registered before.
    int registerTimes(const std::vector<int64_t>& times);
    // MO_ST_TM "スタートタイムを有効にする" clicked: its new check.
    void MO_ST_TMClick(bool checked);
    void PTS_T_NONClick(int colour);
    // The stored colours (PTS, RENZOKU) and the start times' switch as the
    // settings hold them, applied to the work state and the controls.
    void showSettings();

    // ListBox_C shows the registered times, `current` as its current and
    // only selected entry (none: no current entry).
    void showRegistered(std::optional<int> current);
    // The same, keeping the current entry and the selection where they still stand.
    void showRegisteredKeepingSelection();

    QMenu* PopupMenu_T;
    std::array<QAction*, 7> PTS_T_Items;  // PTS_T_NON ... PTS_T_Pink

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildColourMenu();
    void Button_ALLTMouseDown(const QPoint& globalPos);
    void PopupMenu_TPopup();
    void applyRegisterLook();
    int markOf(int index) const;
    int registerEntry(const QString& entry);

    CutFaceContext& context_;
    TTimeListsPanel& lists_;
    TPlayPanel& play_;
    std::array<ColorBtn*, 8> registerButtons_;
};
