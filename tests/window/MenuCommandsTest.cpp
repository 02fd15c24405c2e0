// The help-menu and drive-report commands: what they write, open and say.
#include <QUrl>

#include "Folders.h"
#include "MKResponder.h"
#include "MemorySettingsStore.h"
#include "MenuCommands.h"
#include "Installation.h"
#include "Mkdlg.h"
#include "RecordingDesktop.h"
#include "WindowTestSupport.h"

namespace {

class MenuCommandsTest : public TestUser {
protected:
    TMKBoxDlg box;
    RecordingDesktop desktop;
};

const QString kVersionAsk = QString::fromUtf8(
    "バージョン番号削除：\n組み込みソフトを再起動させたい時に使います。\nなお、バージョンが違う時は、組み込みソフトが自動起動するので、\nバージョン番号を削除する必要無しです。\nバージョン番号を削除してもよろしいですか？？？");

}  // namespace

TEST_F(MenuCommandsTest, VersionNumberDeleteOnYesEmptiesVersionSoTheInstallerRunsNext)
{
    MemorySettingsStore store{{"Version", "16"}, {"Group", "VANTRO"}};
    MKResponder responder{MKAnswer::Yes};
    VersionNumberDeleteCommand(box, store);

    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_EQ(responder.calls()[0].kind, "MKAsk");
    EXPECT_EQ(responder.calls()[0].text, kVersionAsk);
    EXPECT_EQ(responder.calls()[0].defaultAnswer, MKAnswer::Yes);
    EXPECT_EQ(store.writes(), (std::vector<SettingsWrite>{{"Version", ""}}));
    EXPECT_TRUE(InstallerNeeded(StoredVersionText(store), QStringLiteral("vantro")));
}

TEST_F(MenuCommandsTest, VersionNumberDeleteOnNoOrTimeOutKeepsIt)
{
    MemorySettingsStore store{{"Version", "16"}};
    MKResponder responder{MKAnswer::No, MKAnswer::OK};
    VersionNumberDeleteCommand(box, store);

    ASSERT_EQ(responder.calls().size(), 2u);
    EXPECT_EQ(responder.calls()[1].kind, "MKInfoTM");
    EXPECT_EQ(responder.calls()[1].text, QString::fromUtf8("バージョン番号削除を中止しました・・・"));
    EXPECT_EQ(responder.calls()[1].defaultAnswer, MKAnswer::OK);
    EXPECT_TRUE(store.untouched());
}

TEST_F(MenuCommandsTest, HelpOpensThePageAtItsContentsOrIndex)
{
    MKResponder responder;
    HelpCommand(box, desktop, HelpTopic::Contents);
    HelpCommand(box, desktop, HelpTopic::Index);

    const QString page = programPath("VANTROhelp.html");
    const QString url = QUrl::fromLocalFile(page).toString();
    EXPECT_EQ(desktop.calls(), (std::vector<DesktopCall>{{DesktopCallKind::OpenUrl, url + "#contents"},
                                                          {DesktopCallKind::OpenUrl, url + "#index"}}));
    const QString html = QString::fromUtf8(FileBytes(page));
    EXPECT_TRUE(html.contains(QStringLiteral("id=\"contents\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("id=\"index\"")));
    // Menu items appear under their captions, without the keyboard accelerators.
    EXPECT_TRUE(html.contains(QString::fromUtf8(">ミニヘルプＯＮ</dt>")));
    EXPECT_TRUE(html.contains(QString::fromUtf8(">全ﾄﾞﾗｲﾌﾞ空きサイズ一覧</dt>")));
    EXPECT_FALSE(html.contains(QStringLiteral("(&amp;")));
    EXPECT_TRUE(responder.calls().empty());
}

TEST_F(MenuCommandsTest, HelpPageIsRenewedAndItsFailuresAreSaid)
{
    const QString page = programPath("VANTROhelp.html");
    ASSERT_TRUE(WriteFile(page, "<html>old</html>"));
    MKResponder responder;
    HelpCommand(box, desktop, HelpTopic::Contents);
    EXPECT_EQ(FileBytes(page), HelpPageText());

    desktop.setFailOpens(true);
    HelpCommand(box, desktop, HelpTopic::Index);
    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_EQ(responder.calls()[0].kind, "MKInfo");
    EXPECT_EQ(responder.calls()[0].text, QString::fromUtf8("ヘルプを表示できませんでした・・・"));
}

TEST_F(MenuCommandsTest, DriveReportIsWrittenAndOpened)
{
    MKResponder responder;
    DriveReportCommand(box, desktop, DriveReportFormat{}, {{"/", 1000, 2000}});
    const QString report = QString::fromStdString(WorkFolder()) + QStringLiteral("DrV$$$$$.TXT");
    EXPECT_EQ(desktop.openedFiles(), QStringList({report}));
    EXPECT_TRUE(QFileInfo::exists(report));
    EXPECT_TRUE(responder.calls().empty());
}

TEST_F(MenuCommandsTest, DriveReportFailuresAreSaid)
{
    MKResponder responder;
    DriveReportCommand(box, desktop, DriveReportFormat{}, {});
    DriveReportCommand(box, desktop, DriveReportFormat{0, 0, 0}, {{"/", 1, 1}});
    desktop.setFailOpens(true);
    DriveReportCommand(box, desktop, DriveReportFormat{}, {{"/", 1, 1}});

    QStringList texts;
    for (const MKCall& call : responder.calls()) texts << call.kind + ':' + call.text;
    EXPECT_EQ(texts, QStringList({QString::fromUtf8("MKInfo:ドライブが存在しません？？？"),
                                  QString::fromUtf8("MKInfo:何か曲を再生して下さい☆☆☆"),
                                  QString::fromUtf8("MKInfo:全ﾄﾞﾗｲﾌﾞ空きサイズ一覧を表示できませんでした・・・")}));
}
