#pragma once
// Runs a save shortly after the last of a burst of changes, so that what the
// user did is on disk long before shutdown (a crash loses nothing) without a
// write for every row of a long registration. While the program is busy
// (the busy cursor shows) the save waits: an operation in progress may hold
// half-changed state, such as a file to cut chosen but its times not yet read.
#include <QObject>
#include <QTimer>

#include <functional>

class QAbstractItemModel;

class DeferredSave : public QObject {
public:
    explicit DeferredSave(std::function<void()> save, QObject* parent = nullptr);

    // Every change of the model's rows or texts counts as a change.
    void watch(const QAbstractItemModel* model);
    // Starts, or starts again, the short wait before the save.
    void changed() { timer_.start(); }

private:
    std::function<void()> save_;
    QTimer timer_;
};
