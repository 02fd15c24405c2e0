#pragma once
// A settings key held in memory for tests. It starts with the values it is
// given (not logged) and records every later write, in order, and the names
// read, so a test can prove what was written when, and that nothing was.
#include <QMap>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>
#include <vector>

#include "SettingsStore.h"

struct SettingsWrite {
    QString name;
    QString value;
    bool operator==(const SettingsWrite&) const = default;
};

class MemorySettingsStore final : public SettingsStore {
public:
    MemorySettingsStore() = default;
    MemorySettingsStore(std::initializer_list<std::pair<QString, QString>> stored);

    bool keyExists() const override;
    QString read(const QString& name) const override;
    void write(const QString& name, const QString& value) override;
    void removeKey() override;

    // Puts a value in place as if stored by an earlier run (not logged).
    void preset(const QString& name, const QString& value);

    // Every write since construction, in order.
    const std::vector<SettingsWrite>& writes() const { return writes_; }
    // The names of those writes, in order.
    QStringList writtenNames() const;
    // Every name read since construction, in order.
    const QStringList& reads() const { return reads_; }
    int removeCount() const { return removes_; }
    // True when nothing was written or removed.
    bool untouched() const { return writes_.empty() && removes_ == 0; }
    // What the key holds now.
    const QMap<QString, QString>& values() const { return values_; }

private:
    QMap<QString, QString> values_;
    std::vector<SettingsWrite> writes_;
    mutable QStringList reads_;
    int removes_ = 0;
};
