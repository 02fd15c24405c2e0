#pragma once
// TDIR2SETDLG: the folder-setting dialog component that chooses every output
// folder. The caller fills the request and Execute shows the form
// DIR2SETForm modally over the owner window; it returns the registered folder
// with its trailing separator, else the current folder the caller gave
// (empty when that was unset).
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class TDIR2SETDLG : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Folder MEMBER Folder)
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(QString Title MEMBER Title)
    Q_PROPERTY(bool StdColor MEMBER StdColor)
    Q_PROPERTY(QWidget* OwnerWindow READ ownerWindow WRITE setOwnerWindow)

public:
    explicit TDIR2SETDLG(QObject* parent = nullptr);

    QString Folder;   // the current folder; "", "\" or "@@@@@\" when not yet set
    QString Name;     // the settings value name, e.g. SAVE_DIR: labels and default folder
    QString Title;    // appended to the caption
    bool StdColor = false;          // the edit box in the standard window colour
    QPointer<QWidget> OwnerWindow;  // centred over; none: the application's main window

    QString Execute();

    QWidget* ownerWindow() const { return OwnerWindow; }
    void setOwnerWindow(QWidget* window) { OwnerWindow = window; }
};
