#pragma once
// The commands of the interval time lists: building them for the file in
// work (BuildTimeLists, FillIntervalCombo), choosing the interval
// (ComboBox_TMChange), subdividing (Button_600s_CClick, for every ">…"
// button), the 1 ms panel (Btn_1ms_ONClick, Btn_1ms_OFFClick) and the
// minutes form (MO_FUNClick).
#include <QObject>

#include <cstdint>
#include <optional>

class QPushButton;
class TPlayPanel;
class TTimeListBox;
class TTimeListsPanel;
struct CutFaceContext;

class TimeListCommands : public QObject {
public:
    TimeListCommands(CutFaceContext& context, TTimeListsPanel& lists, TPlayPanel& play);

    void BuildTimeLists();
    void FillIntervalCombo();
    void ComboBox_TMChange();
    // Puts ComboBox_TM on an item and takes ListInterval from it.
    void setIntervalIndex(int index);
    // The ">…" buttons: subdivision from the button's source down to 1 ms.
    void Button_600s_CClick(QPushButton* button);
    void Btn_1ms_ONClick();
    void Btn_1ms_OFFClick();
    // MO_FUN "分単位にする" clicked: its new check, then BuildTimeLists.
    void MO_FUNClick(bool checked);

    // The most entries ListBox_ALL takes (over 270 hours at 1 s steps).
    static constexpr int64_t MaxIntervalEntries = 1'000'000;

private:
    struct Source {
        int level;
        TTimeListBox* list;  // none: the play position
    };
    Source sourceOf(QPushButton* button) const;
    std::optional<int64_t> baseTime(const Source& source);
    void fillListAll();
    bool subdivide(int level, int top, int64_t t);
    TTimeListBox* levelList(int level) const;
    void showLengthLabels();

    CutFaceContext& context_;
    TTimeListsPanel& lists_;
    TPlayPanel& play_;
};
