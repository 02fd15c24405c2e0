#pragma once
// TH_DIRBoxDlg: the folder history component of the main window
// (H_DIRBoxDlg1). It holds the history and shows it in the modal box
// TH_DIRBox; the session loads the history from "FH.LIS" and saves it back.
#include <QString>
#include <QStringList>

#include <functional>

#include "FolderHistory.h"

class QWidget;
class TH_DIRBox;

class TH_DIRBoxDlg {
public:
    // The folder preselected when the box opens; setting it hands it to the
    // history as its newest entry.
    void setDIR(const QString& folder);
    QString DIR() const { return dir_; }
    // Moves a folder to the front of the history.
    void setNewDIR(const QString& folder) { history_.setNewDIR(folder); }

    QString Caption;      // the box's caption; empty: the application title
    QString Filter;       // "description|mask|" pairs for the box's file list
    int FilterIndex = 0;  // the pair shown first

    // Shows the box over `owner` (the main window when null) with `folder`
    // at the front of the history. 1 when the user confirmed a folder, which
    // is then entries().front(); any other value leaves the order as opened.
    int Execute(const QString& folder, QWidget* owner = nullptr);

    // Runs the open box instead of showing it, for tests: returns its result.
    std::function<int(TH_DIRBox&)> runBox;

    const FolderHistory& history() const { return history_; }
    // The history from the list file, and back to it (newest first).
    void loadHistory(const QStringList& lines) { history_.load(lines); }
    QStringList historyLines() const { return history_.entries(); }

private:
    FolderHistory history_;
    QString dir_;
};
