// The settings key on disk (QSettings in a temporary configuration folder,
// never the user's) and the in-memory store the other tests use.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "MemorySettingsStore.h"
#include "SettingsStore.h"

namespace {

// Points the user's configuration folder at a fresh temporary folder while a
// test runs, both through XDG_CONFIG_HOME and Qt's own path for the format.
class TempConfig {
public:
    TempConfig() : old_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    }
    ~TempConfig()
    {
        if (old_.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", old_);
    }
    QString file() const { return dir_.filePath(QStringLiteral("TALVO SOFT32/VANTRO.conf")); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
};

}  // namespace

TEST(SystemSettingsStore, KeepsEveryTextAsWrittenInTheVantroFile)
{
    TempConfig config;
    auto store = MakeSystemSettingsStore();
    EXPECT_FALSE(store->keyExists());
    EXPECT_EQ(store->read("FP"), QString());
    EXPECT_FALSE(QFile::exists(config.file())) << "reading must not create the key";

    const QList<std::pair<QString, QString>> values = {
        {"FP", "57,90"},
        {"SAVE_DIR", "@@@@@\\"},
        {"MUON_DIR", "/home/u/TALVOT32/MUON_DIR/"},
        {"G_Text", QString::fromUtf8("録音 ①.wav")},
        {"K_Text", " spaced, \"quoted\" ; # "},
        {"TM_MAE_G", "-3"},
        {"M_Text", ""},
    };
    for (const auto& [name, value] : values) store->write(name, value);
    EXPECT_TRUE(QFile::exists(config.file()));

    auto reopened = MakeSystemSettingsStore();
    EXPECT_TRUE(reopened->keyExists());
    for (const auto& [name, value] : values) EXPECT_EQ(reopened->read(name), value) << name.toStdString();

    reopened->removeKey();
    EXPECT_FALSE(store->keyExists());
    EXPECT_EQ(store->read("FP"), QString());
}

TEST(SystemSettingsStore, ReadsAnUnquotedCommaTextAsOneValue)
{
    TempConfig config;
    QDir().mkpath(QFileInfo(config.file()).path());
    QFile file(config.file());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nFP=57,90\nDirNo=0\n");
    file.close();

    auto store = MakeSystemSettingsStore();
    EXPECT_EQ(store->read("FP"), "57,90");
    EXPECT_EQ(store->read("DirNo"), "0");
}

TEST(MemorySettingsStore, LogsWritesButNotPresetsAndStandsInForTheSystemStore)
{
    auto memory = std::make_unique<MemorySettingsStore>(std::initializer_list<std::pair<QString, QString>>{{"FP", "1,2"}});
    MemorySettingsStore* raw = memory.get();
    std::unique_ptr<SettingsStore> previous = replaceSettingsStore(std::move(memory));
    EXPECT_EQ(&settingsStore(), raw);
    EXPECT_TRUE(raw->untouched());
    settingsStore().write("FP", "3,4");
    EXPECT_EQ(settingsStore().read("FP"), "3,4");
    EXPECT_EQ(raw->writes(), (std::vector<SettingsWrite>{{"FP", "3,4"}}));
    EXPECT_EQ(raw->reads(), QStringList({"FP"}));
    EXPECT_EQ(replaceSettingsStore(std::move(previous)).get(), raw);
}
