#pragma once
// The separation tab: ListView_LR's panel, the two separation buttons over
// the stop button and the settings button ColorBtn4 with PopupMenu_LR.
#include "BatchTabPage.h"

struct BatchTabContext;
class ColorBtn;
class RegistrationPanel;
class TabMenu;

class TTabSheet3 : public BatchTabPage {
    Q_OBJECT
public:
    TTabSheet3(BatchTabContext& context, RegistrationPanel* panel, QWidget* parent = nullptr);

    QPushButton* Btn_LR_ALL;
    QPushButton* Btn_LR_SEN;
    ColorBtn* Btn_LR_CANSEL;
    ColorBtn* ColorBtn4;
    TabMenu* PopupMenu_LR;

    // --- handlers ---
    void Btn_LR_SENClick(bool all);
    void Btn_LR_CANSELClick();
    void ColorBtn4Click(const QPoint& at);

private:
    BatchTabContext& context_;
    RegistrationPanel* panel_;
};
