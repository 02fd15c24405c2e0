#pragma once
// The conversion tab: ListView_G's panel, the two convert buttons over the
// stop button, the four time buttons, the silence-cut mode and its two
// levels, and the tab's settings button ColorBtn2 with PopupMenu_G.
#include "BatchTabPage.h"
#include "TimePopups.h"

struct BatchTabContext;
class ColorBtn;
class QLineEdit;
class QMenu;
class RegistrationPanel;
class TabMenu;
struct ConvertSettings;
struct SettingsValues;

// The conversion's settings as the tab holds them (times, own names, silence cut).
ConvertSettings ConvertSettingsOf(const SettingsValues& settings);

class TTabSheet1 : public BatchTabPage {
    Q_OBJECT
public:
    TTabSheet1(BatchTabContext& context, RegistrationPanel* panel, TimePopups& times, QWidget* parent = nullptr);

    // Shows the settings in the controls (after the settings were loaded).
    void showSettings();

    QPushButton* Btn_HENKAN_SEN;
    QPushButton* Btn_HENKAN_ALL;
    ColorBtn* Btn_HEN_CANSEL;
    TimeButtons timeButtons;
    QPushButton* Btn_MCUT_G;
    QPushButton* Btn_ML8_G;
    QPushButton* Btn_ML16_G;
    QLineEdit* Edit_ML8_G;
    QLineEdit* Edit_ML16_G;
    ColorBtn* ColorBtn2;
    TabMenu* PopupMenu_G;
    QMenu* PopupMenu_MC;
    QMenu* PopupMenu_ML8;
    QMenu* PopupMenu_ML16;

    // --- handlers ---
    void Btn_HENKAN_SENClick(bool all);
    void Btn_HEN_CANSELClick();
    void ColorBtn2Click(const QPoint& at);
    void Btn_MCUT_GClick(const QPoint& at);
    void PMCUT_SEClick(int mode);
    void Btn_ML8_GClick(const QPoint& at);
    void PML8_1Click(int level);
    void Btn_ML16_GClick(const QPoint& at);
    void PML16_1Click(int level);

private:
    void buildSilenceCut();
    QMenu* levelMenu(const char* name, const char* header, const char* itemPrefix, const std::vector<int>& levels,
                     void (TTabSheet1::*choose)(int));
    void showSilenceCut();
    void takeLevels();

    BatchTabContext& context_;
    RegistrationPanel* panel_;
};
