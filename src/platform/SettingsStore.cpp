#include "SettingsStore.h"

#include <QSettings>
#include <QVariant>

namespace {

// Each call opens the key afresh, so a value another process wrote in the
// meantime is seen, and each write is on disk before the call returns.
class SystemSettingsStore final : public SettingsStore {
public:
    bool keyExists() const override { return !Open()->allKeys().isEmpty(); }

    QString read(const QString& name) const override
    {
        const QVariant value = Open()->value(name);
        // A hand-edited file may hold "57,90" unquoted, which reads back as a
        // list; the value is still the one text.
        if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
        return value.toString();
    }

    void write(const QString& name, const QString& value) override
    {
        auto settings = Open();
        settings->setValue(name, value);
        settings->sync();
    }

    void removeKey() override
    {
        auto settings = Open();
        settings->clear();
        settings->sync();
    }

private:
    static std::unique_ptr<QSettings> Open()
    {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("TALVO SOFT32"), QStringLiteral("VANTRO"));
    }
};

std::unique_ptr<SettingsStore>& CurrentStore()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}

}  // namespace

std::unique_ptr<SettingsStore> MakeSystemSettingsStore() { return std::make_unique<SystemSettingsStore>(); }

SettingsStore& settingsStore()
{
    std::unique_ptr<SettingsStore>& store = CurrentStore();
    if (!store) store = MakeSystemSettingsStore();
    return *store;
}

std::unique_ptr<SettingsStore> replaceSettingsStore(std::unique_ptr<SettingsStore> store)
{
    std::unique_ptr<SettingsStore> previous = std::move(CurrentStore());
    CurrentStore() = std::move(store);
    return previous;
}
