#pragma once
// The folders the user has visited, most recent first, each once (compared
// as whole texts) and without a trailing separator. The folder history box
// shows them; the list file "FH.LIS" keeps them between runs.
#include <QString>
#include <QStringList>

#include "SettingsFolders.h"  // WithoutTrailingSeparator

class FolderHistory {
public:
    // Moves a folder to the front, adding it when it is new. A trailing
    // separator is dropped first, so "/a/" and "/a" are one entry. An empty
    // path is ignored.
    void setNewDIR(const QString& path);
    // Moves the entry at an index to the front; other indexes change nothing.
    void moveToFront(int index);

    // Replaces the history by lines read from the list file, oldest last:
    // blank lines are skipped and a repeated folder keeps its first place.
    void load(const QStringList& lines);
    // The entries for the list file, newest first.
    const QStringList& entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }

private:
    QStringList entries_;
};

