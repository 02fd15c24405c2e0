#pragma once
// The time lists of the cut face (Panel_S): the registered times ListBox_C
// with Button_600s_C and Button5 on the left, then the equal-interval list
// ListBox_ALL with its interval ComboBox_TM, and the step lists ListBox_60s
// to ListBox_10ms. Under each list stand the button that subdivides its
// current entry into the next finer list and its "<登録" button. Panel_1ms
// (ListBox_1ms with Button_60s_U and Button_1msT) covers the column of
// ListBox_ALL while it is shown; Btn_1ms_ON and Btn_1ms_OFF switch it.
//
// The panel only builds and places the controls; the commands of the time
// lists and of the registered times act on them.
#include <QFrame>

#include <array>

class ColorBtn;
class QComboBox;
class QPushButton;
class QStackedWidget;
class TTimeListBox;

class TTimeListsPanel : public QFrame {
    Q_OBJECT
public:
    explicit TTimeListsPanel(QWidget* parent = nullptr);

    // Shows Panel_1ms over ListBox_ALL's column, or hides it again.
    void show1ms(bool shown);

    TTimeListBox* ListBox_C;
    TTimeListBox* ListBox_ALL;
    TTimeListBox* ListBox_60s;
    TTimeListBox* ListBox_10s;
    TTimeListBox* ListBox_1s;
    TTimeListBox* ListBox_100ms;
    TTimeListBox* ListBox_10ms;
    TTimeListBox* ListBox_1ms;
    QComboBox* ComboBox_TM;
    QFrame* Panel_1ms;

    // Subdivision: into ListBox_60s from ListBox_ALL (two buttons) and from
    // ListBox_C, then each step list into the next finer one.
    QPushButton* Button_60s;
    QPushButton* Button_60s_U;
    QPushButton* Button_600s_C;
    QPushButton* Button_10s;
    QPushButton* Button_1s;
    QPushButton* Button_100ms;
    QPushButton* Button_10ms;
    QPushButton* Button_1ms;
    QPushButton* Btn_1ms_ON;
    QPushButton* Btn_1ms_OFF;

    // The "<登録" buttons of ListBox_ALL, ListBox_60s ... ListBox_1ms.
    ColorBtn* Button_ALLT;
    ColorBtn* Button_60sT;
    ColorBtn* Button_10sT;
    ColorBtn* Button_1sT;
    ColorBtn* Button_100msT;
    ColorBtn* Button_10msT;
    ColorBtn* Button_1msT;
    QPushButton* Button5;  // delete the selected registered times

private:
    QWidget* registeredColumn();
    QWidget* allColumn();
    QWidget* oneMsPanel();
    QWidget* stepColumn(TTimeListBox* list, QPushButton* subdivide, ColorBtn* registerButton);

    QStackedWidget* leftStack_;
    QWidget* allColumn_;
};
