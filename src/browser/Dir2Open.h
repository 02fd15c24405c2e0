#pragma once
// TDIR2OPENDLG: the folder browser behind the folder-setting dialog's "参照"
// button. Execute lets the user pick an existing folder, starting at Folder,
// and returns 1 with the pick in Folder, or 2 when the user cancelled. The
// picker is the system's folder dialog; tests replace it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class TDIR2OPENDLG : public QObject {
    Q_OBJECT

public:
    // Shows a picker over the owner and returns the folder chosen, or an empty
    // text when the user cancelled.
    using Picker = std::function<QString(QWidget* owner, const QString& caption, const QString& start)>;

    explicit TDIR2OPENDLG(QObject* parent = nullptr);

    QString Caption;
    QString Folder;          // the start folder; the chosen one after a 1
    QPointer<QWidget> Owner;

    int Execute();

    // Puts a picker in place of the present one (an empty one restores the
    // system's folder dialog) and returns the one it replaced.
    static Picker replacePicker(Picker picker);
};
