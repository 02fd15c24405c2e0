#pragma once
// The two time popups that the conversion, join and list-join tabs share:
// PopupMenu_TM (head or tail silence: 0-5 s, the custom length G_TM_MU, the
// time-setting box for that length, cancel) and PopupMenu_FAID (fade-in or
// fade-out: 0-7, 10, 15, 20 s, cancel). Each menu acts on the button that
// opened it. TimePopups also makes each tab's four time buttons
// (Btn_MUON_MAE_<S>, Btn_MUON_ATO_<S>, Btn_FAID_IN_<S>, Btn_FAID_OUT_<S>,
// S = G, K or KL), bound to that tab's settings; their captions ("前無 0.5秒",
// "後無 …", "イン 2秒", "アウト …") follow every choice.
#include <QObject>
#include <QPointer>

#include <vector>

#include "BatchTimes.h"

class QAction;
class QMenu;
class QPushButton;
class QWidget;
struct SettingsValues;

// The tabs with time buttons.
enum class TimeTab { G, K, KL };

// The head and tail silence and fade lengths a tab's settings hold.
BatchTimes TimesOf(const SettingsValues& settings, TimeTab tab);

// The four time buttons of one tab.
struct TimeButtons {
    QPushButton* Btn_MUON_MAE = nullptr;
    QPushButton* Btn_MUON_ATO = nullptr;
    QPushButton* Btn_FAID_IN = nullptr;
    QPushButton* Btn_FAID_OUT = nullptr;
};

class TimePopups : public QObject {
    Q_OBJECT
public:
    // The menus are children of `owner` (the main window); the time-setting
    // box opens over it.
    TimePopups(SettingsValues& settings, QWidget* owner);

    // Makes the four time buttons of a tab as children of `parent`, with
    // their object names, handlers and captions.
    TimeButtons createButtons(TimeTab tab, QWidget* parent);
    // Every button's caption and the caption of PMUON_TM from the settings
    // (after the settings were loaded).
    void showSettings();

    QMenu* PopupMenu_TM;
    QMenu* PopupMenu_FAID;

    // --- handlers ---
    // A click or a right press on a silence button: remember it and pop
    // PopupMenu_TM up at `at` (the button for a click, the pointer for a press).
    void Btn_MUON_MAE_GClick(QPushButton* button, const QPoint& at);
    void PopupMenu_TMPopup();
    // PMUON_0 ... PMUON_5 and PMUON_TM: the remembered button's pair.
    void PMUON_0Click(int seconds, int tenths);
    // "タイム設定": the custom length through the time-setting box.
    void PMUON_SetClick();
    // The same for a fade button and PopupMenu_FAID.
    void Btn_FAID_IN_GClick(QPushButton* button, const QPoint& at);
    void PopupMenu_FAIDPopup();
    // PFAID_0 ... PFAID_20: the remembered button's fade length.
    void PFAID_0Click(int seconds);

private:
    struct Bound {
        TimeTab tab;
        TimeButtons buttons;
    };
    void buildSilenceMenu();
    void buildFadeMenu();
    void showCaptions(const Bound& bound);
    const Bound* boundOf(const QPushButton* button) const;
    bool isTail(const QPushButton* button) const;
    bool isFadeOut(const QPushButton* button) const;
    void showCustomLength();

    SettingsValues& settings_;
    QWidget* owner_;
    std::vector<Bound> bound_;
    QAction* PMUON = nullptr;  // header
    QAction* PMUON_TM = nullptr;
    QAction* PFAID = nullptr;  // header
    QPointer<QPushButton> silenceButton_;  // the button that opened PopupMenu_TM
    QPointer<QPushButton> fadeButton_;     // the button that opened PopupMenu_FAID
    bool opening_ = false;                  // a popup is being opened
};
