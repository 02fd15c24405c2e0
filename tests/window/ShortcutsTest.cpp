// The launchers: where they go, what they hold, and the options-menu commands
// that add and remove them, with their messages.
#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "MKResponder.h"
#include "Mkdlg.h"
#include "ProgramIcon.h"
#include "ShortcutCommands.h"
#include "Shortcuts.h"
#include "WindowTestSupport.h"

namespace {

class ShortcutsTest : public TestUser {
protected:
    void SetUp() override
    {
        TestUser::SetUp();
        paths = MakeShortcutPaths(QStringLiteral("VANTRO"), QStringLiteral("VANTRO"));
    }

    // What the responder was shown, one text per box.
    static QStringList Shown(const MKResponder& responder)
    {
        QStringList texts;
        for (const MKCall& call : responder.calls()) texts << call.kind + QLatin1Char(':') + call.text;
        return texts;
    }

    ShortcutPaths paths;
    TMKBoxDlg box;
    MKResponder responder;
};

}  // namespace

TEST_F(ShortcutsTest, PathsFollowTheUsersFolders)
{
    EXPECT_EQ(paths.programs, qpath("data/applications/VANTRO/VANTRO.desktop"));
    EXPECT_EQ(paths.startup, qpath("config/autostart/VANTRO.desktop"));
    EXPECT_EQ(paths.desktop, qpath("Desktop/VANTRO.desktop"));
    EXPECT_EQ(MakeShortcutPaths(QStringLiteral("VANTRO"), QString()).programs, qpath("data/applications/VANTRO.desktop"));

    // A desktop folder named in user-dirs.dirs is taken instead of ~/Desktop.
    ASSERT_TRUE(WriteFile(qpath("config/user-dirs.dirs"), QString::fromUtf8("XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n").toUtf8()));
    QDir().mkpath(qpath("デスクトップ"));
    EXPECT_EQ(MakeShortcutPaths(QStringLiteral("VANTRO"), QString()).desktop, qpath("デスクトップ/VANTRO.desktop"));
}

TEST_F(ShortcutsTest, ExecLineQuotesThePathWhateverItHolds)
{
    // Blanks, quote, dollar, percent and backslash all reach the program as
    // one argument: quoted, escaped inside the quotes, then escaped again as
    // a string value; a percent sign is doubled so it is no field code.
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/opt/vantro/bin/vantro")), QStringLiteral("\"/opt/vantro/bin/vantro\""));
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/opt/My Apps/va$nt\"ro%1\\x")),
              QStringLiteral(R"("/opt/My Apps/va\\$nt\\"ro%%1\\\\x")"));

    const QByteArray text = DesktopEntryText({QStringLiteral("VANTRO"), QStringLiteral("a\nb"), QStringLiteral("/a b/vantro")});
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nName=VANTRO\n"));
    EXPECT_TRUE(text.contains("\nComment=a\\nb\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/a b/vantro\" %F\n"));
}

// The program's own entry opens WAV files, speaks English and Japanese,
// shows the icon the first start puts in the theme, and validates.
TEST_F(ShortcutsTest, TheProgramsEntryOpensWavFilesAndValidates)
{
    const QByteArray text = DesktopEntryText(ProgramLauncher());
    for (const char* line : {"\nMimeType=audio/x-wav;audio/wav;audio/vnd.wave;\n",
                             "\nCategories=AudioVideo;Audio;AudioVideoEditing;\n", "\nIcon=vantro\n",
                             "\nComment=Cut WAV recordings by ear and batch-process WAV files\n",
                             "\nName[ja]=VANTRO\n", "\nStartupWMClass="})
        EXPECT_TRUE(text.contains(line)) << line;
    EXPECT_TRUE(text.contains(QStringLiteral("\nComment[ja]=WAVファイルのカットと一括処理\n").toUtf8()));
    EXPECT_FALSE(ProgramIcon().isNull());
    EXPECT_TRUE(ProgramIconSvg().startsWith("<?xml"));

    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const QString entry = qpath("VANTRO.desktop");
    ASSERT_TRUE(WriteFile(entry, text));
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {entry});
    ASSERT_TRUE(validate.waitForFinished(30000));
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
}

TEST_F(ShortcutsTest, StartupLauncherIsAddedAndRemoved)
{
    StartupShortcutCommand(box, paths, true);
    const QByteArray entry = FileBytes(paths.startup);
    EXPECT_TRUE(entry.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\" %F\n")) << entry.toStdString();
    EXPECT_TRUE(QFileInfo(paths.startup).permissions() & QFileDevice::ExeOwner);

    StartupShortcutCommand(box, paths, false);
    EXPECT_FALSE(QFileInfo::exists(paths.startup));
    EXPECT_TRUE(responder.calls().empty()) << Shown(responder).join('|').toStdString();
}

TEST_F(ShortcutsTest, NoAutostartFolderIsReportedAndChangesNothing)
{
    // The configuration folder lies below a plain file: no folder can be made there.
    ASSERT_TRUE(WriteFile(qpath("blocked"), "x"));
    environment_.set("XDG_CONFIG_HOME", path("blocked/config"));
    const ShortcutPaths blocked = MakeShortcutPaths(QStringLiteral("VANTRO"), QStringLiteral("VANTRO"));

    StartupShortcutCommand(box, blocked, true);
    StartupShortcutCommand(box, blocked, false);
    const QString text = QString::fromUtf8("MKInfo:ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    EXPECT_EQ(Shown(responder), QStringList({text, text}));
}

TEST_F(ShortcutsTest, DesktopLauncherIsACopyOfTheProgramGroupsWithItsTime)
{
    ASSERT_TRUE(WriteLauncher(paths.programs, ProgramLauncher()));
    const QDateTime written = QDateTime::fromString(QStringLiteral("2021-04-05T06:07:08"), Qt::ISODate);
    {
        QFile source(paths.programs);
        ASSERT_TRUE(source.open(QIODevice::ReadWrite));
        ASSERT_TRUE(source.setFileTime(written, QFileDevice::FileModificationTime));
    }
    QDir().mkpath(qpath("Desktop"));

    DesktopShortcutCommand(box, paths, true);
    EXPECT_EQ(FileBytes(paths.desktop), FileBytes(paths.programs));
    EXPECT_EQ(QFileInfo(paths.desktop).lastModified(), written);
    EXPECT_TRUE(responder.calls().empty());

    DesktopShortcutCommand(box, paths, true);
    EXPECT_EQ(Shown(responder), QStringList({QString::fromUtf8("MKInfo:デスクトップには、既に登録されています☆☆☆")}));

    DesktopShortcutCommand(box, paths, false);
    EXPECT_FALSE(QFileInfo::exists(paths.desktop));
    EXPECT_TRUE(QFileInfo::exists(paths.programs));
}

TEST_F(ShortcutsTest, DesktopLauncherWithoutTheProgramGroupsFails)
{
    QDir().mkpath(qpath("Desktop"));
    DesktopShortcutCommand(box, paths, true);
    EXPECT_FALSE(QFileInfo::exists(paths.desktop));
    EXPECT_EQ(Shown(responder), QStringList({QString::fromUtf8("MKInfo:デスクトップへの登録に失敗しました・・・")}));
}
