#include "MemorySettingsStore.h"

MemorySettingsStore::MemorySettingsStore(std::initializer_list<std::pair<QString, QString>> stored)
{
    for (const auto& [name, value] : stored) preset(name, value);
}

bool MemorySettingsStore::keyExists() const { return !values_.isEmpty(); }

QString MemorySettingsStore::read(const QString& name) const
{
    reads_.append(name);
    return values_.value(name);
}

void MemorySettingsStore::write(const QString& name, const QString& value)
{
    writes_.push_back({name, value});
    values_.insert(name, value);
}

void MemorySettingsStore::removeKey()
{
    ++removes_;
    values_.clear();
}

void MemorySettingsStore::preset(const QString& name, const QString& value) { values_.insert(name, value); }

QStringList MemorySettingsStore::writtenNames() const
{
    QStringList names;
    for (const SettingsWrite& write : writes_) names.append(write.name);
    return names;
}
