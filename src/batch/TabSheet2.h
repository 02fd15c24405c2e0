#pragma once
// The join tab: ListView_K's panel, the two join buttons over the stop
// button, the four time buttons and the settings button ColorBtn3 with
// PopupMenu_K.
#include "BatchTabPage.h"
#include "TimePopups.h"

struct BatchTabContext;
class ColorBtn;
class RegistrationPanel;
class TabMenu;

class TTabSheet2 : public BatchTabPage {
    Q_OBJECT
public:
    TTabSheet2(BatchTabContext& context, RegistrationPanel* panel, TimePopups& times, QWidget* parent = nullptr);

    QPushButton* Btn_KETUGO_ALL;
    QPushButton* Btn_KETUGO_SEN;
    ColorBtn* Btn_KETUGO_CANCEL;
    TimeButtons timeButtons;
    ColorBtn* ColorBtn3;
    TabMenu* PopupMenu_K;

    // --- handlers ---
    void Btn_KETUGO_SENClick(bool all);
    void Btn_KETUGO_CANCELClick();
    void ColorBtn3Click(const QPoint& at);

private:
    BatchTabContext& context_;
    RegistrationPanel* panel_;
};
