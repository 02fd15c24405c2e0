#pragma once
// The reversal tab: ListView_REV's panel, the two reversal buttons over the
// stop button, the fmt normalisation button ColorBtn7 and the settings button
// ColorBtn14 with PopupMenu_REV. The reversal and fmt runs share the tab's
// busy and stop flags, its stop button, folder and log.
#include "BatchTabPage.h"

struct BatchTabContext;
class ColorBtn;
class RegistrationPanel;
class TabMenu;
enum class ChannelJob;

class TTabSheet4 : public BatchTabPage {
    Q_OBJECT
public:
    TTabSheet4(BatchTabContext& context, RegistrationPanel* panel, QWidget* parent = nullptr);

    QPushButton* Btn_REV_ALL;
    QPushButton* Btn_REV_SEN;
    ColorBtn* Btn_REV_CANCEL;
    ColorBtn* ColorBtn7;
    ColorBtn* ColorBtn14;
    TabMenu* PopupMenu_REV;

    // --- handlers ---
    void Btn_REV_SENClick(bool all);
    void ColorBtn7Click();
    void Btn_REV_CANCELClick();
    void ColorBtn14Click(const QPoint& at);

private:
    void run(ChannelJob job, bool all);

    BatchTabContext& context_;
    RegistrationPanel* panel_;
};
