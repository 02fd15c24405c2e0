#include "DeferredSave.h"

#include <QAbstractItemModel>
#include <QGuiApplication>

namespace {

constexpr int DelayMs = 500;

}  // namespace

DeferredSave::DeferredSave(std::function<void()> save, QObject* parent) : QObject(parent), save_(std::move(save))
{
    timer_.setSingleShot(true);
    timer_.setInterval(DelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::overrideCursor())
            timer_.start();
        else
            save_();
    });
}

void DeferredSave::watch(const QAbstractItemModel* model)
{
    const auto changed = [this] { this->changed(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(model, &QAbstractItemModel::dataChanged, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
    connect(model, &QAbstractItemModel::layoutChanged, this, changed);
}
