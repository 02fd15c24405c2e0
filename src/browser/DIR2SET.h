#pragma once
// TDIR2SETForm: the folder-setting dialog's form (DIR2SETForm). The user
// types or browses to a folder; "設定" creates it after asking and registers
// it, "初期値" proposes the setting's default folder, "中止" leaves the
// folder as it was. The form does not close while no folder is registered.
#include <QDialog>
#include <QString>

#include "Dir2Open.h"
#include "Mkdlg.h"

class ColorBtn;
class QLabel;
class QLineEdit;

class TDIR2SETForm : public QDialog {
    Q_OBJECT

public:
    explicit TDIR2SETForm(QWidget* parent = nullptr);

    // Fills the form for one request. `current` is the caller's folder, empty
    // when unset; it counts as registered. `standardColours` gives the edit
    // box the standard window colour, else the form's own colour.
    void setUp(const QString& current, const QString& name, const QString& title, bool standardColours);

    // The folder registered by "設定", else the caller's current folder.
    QString heldFolder() const { return held_; }

    // Every way of closing passes here: refused while no folder is registered.
    void done(int result) override;

private slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

private:
    void createControls();
    void layOut();
    void tell(const QString& text);
    void warn(const QString& text);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    ColorBtn* Button1 = nullptr;
    ColorBtn* Button2 = nullptr;
    ColorBtn* Button3 = nullptr;
    ColorBtn* Button4 = nullptr;
    TMKBoxDlg MKBoxDlg1;
    TDIR2OPENDLG DIR2OPENDLG1;

    QString name_;
    QString held_;
};
