#pragma once
// Files dropped from the desktop's file manager onto a list (text/uri-list):
// the local regular files among them, in the order dropped. Folders and
// anything that is not a local file are left out.
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QMimeData;

// The dropped regular files as native absolute paths; with `wavOnly` only
// those whose name ends in ".wav" in any case.
QStringList DroppedFiles(const QMimeData& data, bool wavOnly);

// Lets `view` take drops of local files: a drag that carries one is
// accepted, and a drop hands its files (as DroppedFiles() gives them, when
// there are any) to `take`.
void AcceptFileDrops(QAbstractItemView* view, bool wavOnly, std::function<void(const QStringList& paths)> take);
