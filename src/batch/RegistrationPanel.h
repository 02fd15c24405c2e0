#pragma once
// RegistrationPanel: one registration list with its buttons. The batch tabs'
// panels (G, K, LR, REV) have register all / selected, up, down, delete,
// refresh, show selection and stop, a "ソートON" item for the tab's popup
// menu and the list's own popup menu with "コピー". The file face's panel
// (M) has register all / selected, up, down, delete and refresh, and its
// sort item "メモリーソートON" belongs in the options menu. The panel only
// holds the controls; RegistrationLists connects them.
#include <QWidget>

#include "RegistrationListId.h"

class ColorBtn;
class QAction;
class QGridLayout;
class QMenu;
class QPushButton;
class RegistrationList;

class RegistrationPanel : public QWidget {
    Q_OBJECT
public:
    explicit RegistrationPanel(RegList id, QWidget* parent = nullptr);

    RegList id() const { return id_; }

    RegistrationList* list;
    QPushButton* registerAll;       // Btn_TOROKU_ALL_G ... (Btn_TOROKU_ALL_M for M)
    QPushButton* registerSelected;  // Btn_TOROKU_SEN_G ... (Btn_TOROKU_SEN_M for M)
    QPushButton* up;                // Btn_UE_G ... / Button_UP
    QPushButton* down;              // Btn_SITA_G ... / Button_DOWN
    QPushButton* remove;            // Btn_DEL_G ... / Btn_DEL
    QPushButton* refresh;           // Btn_Koshin_G ... / Btn_Koshin
    QPushButton* showSelection = nullptr;  // Btn_SENTAK_G ...; none for M
    ColorBtn* stop = nullptr;              // Btn_CANSEL_G ..., ColorBtn8; none for M
    QAction* sortOption;                   // PG_SORT ... / MO_M_SORT, checkable
    QAction* copy = nullptr;               // PLVG_COPY ...; none for M
    QMenu* popupMenu = nullptr;            // the list's own menu: copy, cancel; none for M

private:
    QPushButton* addButton(const QString& name, const QString& text, const QString& hint);
    // Puts a button after the others, starting a new row when one is full.
    void placeButton(QPushButton* button);
    void buildCopyMenu(const QString& suffix);

    RegList id_;
    QGridLayout* buttons_;
};
