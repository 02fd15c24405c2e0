#pragma once
// The play controls of the cut face (Panel_C): the play mode RadioGroup1
// ("PLAY mode"), the special play mode RadioGroup3, the continuous-play
// colour Panel_RENZOKU, the total and play times (Label13, Label14), the
// play position's register and subdivide buttons (Button1, Button_600s_CT),
// the stop button Button2 and the switch to the file face (Button_Select).
#include <QFrame>

#include "PlayRange.h"

class ColorBtn;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

class TPlayPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPlayPanel(QWidget* parent = nullptr);

    PlayMode playMode() const;
    void setPlayMode(PlayMode mode);
    SpecialMode specialMode() const;
    void setSpecialMode(SpecialMode mode);
    // Panel_RENZOKU's colour; invalid: its parent's.
    void showRenzokuColour(const QColor& colour);

    QGroupBox* RadioGroup1;
    QGroupBox* RadioGroup3;
    QFrame* Panel_RENZOKU;
    QLabel* Label13;  // total time of the cut file
    QLabel* Label14;  // play time
    ColorBtn* Button1;
    QPushButton* Button_600s_CT;
    ColorBtn* Button2;
    QPushButton* Button_Select;

signals:
    // RadioGroup1Click: an item chosen by the user.
    void playModeClicked(PlayMode mode);
    // The right button pressed on Panel_RENZOKU, at this global position.
    void renzokuRightPressed(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* radioGroup(const char* name, const char* caption, const char* hint,
                          const char* const* items, int count, QButtonGroup*& group);
    QWidget* timesRow();

    QButtonGroup* modes_;
    QButtonGroup* specials_;
};
