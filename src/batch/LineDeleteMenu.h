#pragma once
// The delete popup of a line list (PopupMenu_DEL_KL, PopupMenu_DEL_IR):
// "選択のみ削除" removes the selected lines and "全部削除" every line, each
// after a question answered Yes (default No); "キャンセル" closes the menu.
// Both items are enabled only while the list has lines. The count captions
// read "---ｺ" while lines are removed.
#include <QMenu>
#include <QString>

class QAction;
class RegistrationLists;
class TextListBox;
class TMKBoxDlg;

struct LineDeleteQuestions {
    QString selected;  // asked before the selected lines are removed
    QString all;       // asked before the list is emptied
};

class LineDeleteMenu : public QMenu {
    Q_OBJECT
public:
    // Items named P_DEL_SEL<suffix> and P_DEL_ALL<suffix> ("_KL", "_IR").
    LineDeleteMenu(const QString& suffix, TextListBox& list, RegistrationLists& lists, TMKBoxDlg& box,
                   LineDeleteQuestions questions, QWidget* parent = nullptr);

    QAction* P_DEL_SEL;
    QAction* P_DEL_ALL;

    // The popup handler (PopupMenu_DEL_KLPopup, PopupMenu_DEL_IRPopup).
    void popupHandler();
    // P_DEL_SEL_KLClick / P_DEL_SEL_IRClick and P_DEL_ALL_KLClick / P_DEL_ALL_IRClick.
    void deleteSelected();
    void deleteAll();

private:
    bool confirmed(const QString& question);

    TextListBox& list_;
    RegistrationLists& lists_;
    TMKBoxDlg& box_;
    LineDeleteQuestions questions_;
};
