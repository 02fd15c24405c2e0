#pragma once
// The first-run window: says what will be set up, and on OK writes the
// settings and the applications entry. The main window opens after it.
#include <QDialog>

class TMKBoxDlg;

class TInstallerWindow : public QDialog {
    Q_OBJECT
public:
    explicit TInstallerWindow(QWidget* parent = nullptr);

private:
    void Btn_OKClick();

    TMKBoxDlg* box_;
};
