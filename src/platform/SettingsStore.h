#pragma once
// The per-user settings key "TALVO SOFT32" / "VANTRO": named string values.
// Every value is written as a string; a missing value reads as empty.
// The program uses one store at a time (settingsStore()); tests put a
// MemorySettingsStore in its place.
#include <QString>
#include <QStringList>

#include <memory>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // True when the key holds any value.
    virtual bool keyExists() const = 0;
    // The value's text; empty when it is missing.
    virtual QString read(const QString& name) const = 0;
    // Writes one value (creating the key when missing) and makes it last.
    virtual void write(const QString& name, const QString& value) = 0;
    // Removes the whole key.
    virtual void removeKey() = 0;
};

// The real store: QSettings("TALVO SOFT32", "VANTRO") in the native format.
std::unique_ptr<SettingsStore> MakeSystemSettingsStore();

// The store the program uses; the system store until replaced.
SettingsStore& settingsStore();
// Replaces the program's store (tests); returns the previous one.
std::unique_ptr<SettingsStore> replaceSettingsStore(std::unique_ptr<SettingsStore> store);
