// The main window's frame (names, menus, faces, tabs) and the rules of its
// start-up and closing, with recorded steps in place of the real ones.
#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

#include <string>
#include <vector>

#include "CutFace.h"
#include "FileFace.h"
#include "MKResponder.h"
#include "Mkdlg.h"
#include "VANTRO_FM.h"
#include "WindowColours.h"
#include "WindowTestSupport.h"

namespace {

enum class Item { Plain, FlagOff, FlagOn };

struct MenuRow {
    const char* menu;
    const char* name;
    const char* caption;  // null: a caption of the window's own choice
    Item kind;
    bool visible;
};

const MenuRow kMenuRows[] = {
    {"MFile", "MF_KIROKU", "カット記録一覧表示.", Item::Plain, true},
    {"MFile", "MF_KIROKUCLR", "カット記録を削除する...", Item::Plain, true},
    {"MFile", "MF_CUT_TXT", "前回のカット一覧再表示...", Item::Plain, true},
    {"MFile", "MF_No_Memo", "カット記録を表示しない", Item::FlagOff, true},
    {"MFile", "MF_ALL", "ALL(*.*)選択にする", Item::FlagOff, true},
    {"MFile", "MF_FileOnly", "ファイル名のみ表示する", Item::FlagOff, true},
    {"MFile", "MF_AUTO_NAME", "自動分割ファイル名を、短くする", Item::FlagOn, true},
    {"MFile", "MF_SAVE_NAME", "分割ファイル名を自分で付ける", Item::FlagOff, true},
    {"MFile", "MF_SAVE_DIR", "分割WAVファイル登録先", Item::Plain, false},
    {"MFile", "MF_X", nullptr, Item::Plain, true},
    {"MOption0", "MO_FUN", "分単位にする", Item::FlagOn, true},
    {"MOption0", "MO_M_SORT", "メモリーソートON", Item::FlagOff, true},
    {"MOption0", "MO_ST_TM", "スタートタイムを有効にする", Item::FlagOn, true},
    {"MOption0", "BackColor", "バックカラーを標準色とする", Item::FlagOff, true},
    {"MOption0", "TALVO_COLOR", "ＴＡＬＶＯ色", Item::FlagOn, true},
    {"MOption0", "MICON_SET", "アイコンを、スタートアップにも、登録する (&S)", Item::Plain, true},
    {"MOption0", "MICON_DEL", "アイコンを、スタートアップから、削除する (&S)", Item::Plain, true},
    {"MOption0", "MDESK_SET", "アイコンを、デスクトップにも、登録する (&D)", Item::Plain, true},
    {"MOption0", "MDESK_DEL", "アイコンを、デスクトップから、削除する (&D)", Item::Plain, true},
    {"MOption0", "PAKI", "全ﾄﾞﾗｲﾌﾞ空きサイズ一覧", Item::Plain, true},
    {"MOption0", "MO_VOL_PLAY", "再生の音量", Item::Plain, true},
    {"MOption0", "MO_VOL_REC", "録音の音量", Item::Plain, true},
    {"MOption0", "MO_VOL_ETC", "その他の音量", Item::Plain, true},
    {"MOption0", "MO_VOL_SMALL", "音量を小さいウィンドウで開く", Item::FlagOn, true},
    {"MHelp", "HELP_MOKUJI", "ヘルプ...(&H)", Item::Plain, true},
    {"MHelp", "HELP_KEYWORD", "キーワードで検索...(&K)", Item::Plain, true},
    {"MHelp", "HELP_HELP", nullptr, Item::Plain, false},
    {"MHelp", "HELP3", "ミニヘルプＯＮ(&M)", Item::FlagOn, true},
    {"MHelp", "MHELP_VERCUT", "ﾊﾞｰｼﾞｮﾝ番号削除...(&C)", Item::Plain, true},
    {"MHelp", "MHELP_UNINSTALL", "アンインストール", Item::Plain, true},
};

const char* const kTabCaptions[] = {"ファイル毎に変換する", "ファイル結合", "左右分離", "左右反転", "リスト結合", "一括リネーム"};

using MainWindowTest = TestUser;

// Steps that record their names, in order.
struct StepLog {
    std::vector<std::string> names;
    bool firstRun = false;
    std::function<void(TTALVO_VANTRO&)> duringPrompt;

    VantroSteps steps()
    {
        VantroSteps s;
        auto record = [this](const char* name) { return [this, name](TTALVO_VANTRO&) { names.push_back(name); }; };
        s.create = record("create");
        s.firstRunNeeded = [this](TTALVO_VANTRO&) { return firstRun; };
        s.firstRunPrompt = [this](TTALVO_VANTRO& window) {
            names.push_back("firstRunPrompt");
            if (duringPrompt) duringPrompt(window);
        };
        s.stageB = [this](TTALVO_VANTRO& window) {
            names.push_back("stageB marker " + std::to_string(window.state().completionMarker));
        };
        s.commandLine = [this](TTALVO_VANTRO& window) {
            names.push_back("commandLine marker " + std::to_string(window.state().completionMarker));
        };
        s.stopDevices = [this](TTALVO_VANTRO& window) {
            names.push_back(window.state().media.ClosingFlag && window.state().media.AbortFlag ? "stopDevices flags set" : "stopDevices");
        };
        s.save = record("save");
        return s;
    }
};

void RequestClose(TTALVO_VANTRO& window)
{
    QCloseEvent event;
    QCoreApplication::sendEvent(&window, &event);
    EXPECT_TRUE(event.isAccepted());
}

using Names = std::vector<std::string>;

}  // namespace

TEST_F(MainWindowTest, NamesFacesAndTabs)
{
    TTALVO_VANTRO window;
    EXPECT_EQ(window.objectName(), "TALVO_VANTRO");
    EXPECT_EQ(window.windowTitle(), "VANTRO");
    EXPECT_EQ(window.findChild<TMKBoxDlg*>("MKBoxDlg1"), window.MKBoxDlg1);
    EXPECT_EQ(window.findChild<TCutFace*>("Panel_CUT"), window.Panel_CUT);
    EXPECT_EQ(window.findChild<TFileFace*>("Panel_DFF"), window.Panel_DFF);
    for (const char* name : {"Edit_Fn", "Edit_SDIR", "Edit_SFn"})
        EXPECT_NE(window.Panel_CUT->findChild<QLineEdit*>(name), nullptr) << name;
    EXPECT_NE(window.Panel_DFF->findChild<QLineEdit*>("Edit_File_Disp"), nullptr);

    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 6);
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(pages->widget(index)->objectName(), QStringLiteral("TabSheet%1").arg(index + 1));
        EXPECT_EQ(pages->tabText(index), QString::fromUtf8(kTabCaptions[index]));
        EXPECT_EQ(window.Panel_DFF->tabSheetIndex(pages->widget(index)), index);
    }
    EXPECT_EQ(window.Panel_DFF->tabSheetIndex(window.Panel_CUT), -1);

    // The window opens on the file face and its client area holds the cut face.
    EXPECT_TRUE(window.state().media.FileFaceVisible);
    window.show();
    QCoreApplication::processEvents();
    const QSize client = window.Panel_CUT->clientSize();
    EXPECT_EQ(window.centralWidget()->size().expandedTo(client), window.centralWidget()->size());
    EXPECT_GE(client.width(), 800);
    window.showFileFace(false);
    EXPECT_FALSE(window.state().media.FileFaceVisible);
    EXPECT_FALSE(window.Panel_DFF->isVisibleTo(&window));
}

TEST_F(MainWindowTest, EveryMenuItemUnderItsNameAndCaption)
{
    TTALVO_VANTRO window;
    for (const MenuRow& row : kMenuRows) {
        SCOPED_TRACE(row.name);
        auto* menu = window.menuBar()->findChild<QMenu*>(row.menu);
        auto* item = window.findChild<QAction*>(row.name);
        ASSERT_NE(menu, nullptr);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(menu->actions().contains(item));
        if (row.caption) EXPECT_EQ(item->text(), QString::fromUtf8(row.caption));
        else EXPECT_FALSE(item->text().isEmpty());
        EXPECT_EQ(item->isCheckable(), row.kind != Item::Plain);
        EXPECT_EQ(item->isChecked(), row.kind == Item::FlagOn);
        EXPECT_EQ(item->isVisible(), row.visible);
    }
    QStringList tops;
    for (QAction* top : window.menuBar()->actions()) tops << top->text();
    EXPECT_EQ(tops, QStringList({QString::fromUtf8("ファイル(&F)"), QString::fromUtf8("オプション(&O)"),
                                 QString::fromUtf8("ヘルプ(&H)")}));
}

TEST_F(MainWindowTest, StageBRunsOnTheTimerAndSetsTheMarkerBeforeTheCommandLine)
{
    StepLog log;
    TTALVO_VANTRO window(log.steps());
    EXPECT_EQ(log.names, Names({"create"}));
    EXPECT_TRUE(window.Timer_Create->isActive());
    EXPECT_FALSE(window.Timer6->isActive());

    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    QObject::connect(window.Timer_Create, &QTimer::timeout, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    loop.exec();
    EXPECT_EQ(log.names, Names({"create", "stageB marker 0", "commandLine marker 99"}));
    EXPECT_EQ(window.state().completionMarker, StageBComplete);
}

TEST_F(MainWindowTest, FirstRunPromptComesBeforeStageB)
{
    StepLog log;
    log.firstRun = true;
    TTALVO_VANTRO window(log.steps());
    EXPECT_TRUE(window.Timer6->isActive());
    EXPECT_FALSE(window.Timer_Create->isActive());
    window.Timer6Timer();
    EXPECT_FALSE(window.Timer6->isActive());
    EXPECT_TRUE(window.Timer_Create->isActive());
    EXPECT_EQ(log.names, Names({"create", "firstRunPrompt"}));
}

TEST_F(MainWindowTest, CloseAfterStageBStopsAndSavesOnTheFirstRequestOnly)
{
    StepLog log;
    TTALVO_VANTRO window(log.steps());
    window.Timer_CreateTimer();
    log.names.clear();

    RequestClose(window);
    RequestClose(window);
    EXPECT_EQ(log.names, Names({"stopDevices flags set", "save"}));
    EXPECT_TRUE(window.state().media.ClosingFlag);
}

TEST_F(MainWindowTest, CloseBeforeStageBSavesNothing)
{
    StepLog log;
    TTALVO_VANTRO window(log.steps());
    RequestClose(window);
    EXPECT_EQ(log.names, Names({"create", "stopDevices flags set"}));
    // The start-up timer firing afterwards loads nothing either.
    window.Timer_CreateTimer();
    EXPECT_EQ(log.names.size(), 2u);
    EXPECT_NE(window.state().completionMarker, StageBComplete);
}

TEST_F(MainWindowTest, CloseDuringTheFirstRunPromptStopsStartUp)
{
    StepLog log;
    log.firstRun = true;
    log.duringPrompt = [](TTALVO_VANTRO& window) { RequestClose(window); };
    TTALVO_VANTRO window(log.steps());
    window.Timer6Timer();
    EXPECT_FALSE(window.Timer_Create->isActive());
    EXPECT_EQ(log.names, Names({"create", "firstRunPrompt", "stopDevices flags set"}));
}

TEST_F(MainWindowTest, OptionsMenuShowsTheLauncherItemsThatApply)
{
    MKResponder responder;
    TTALVO_VANTRO window;
    window.setShortcutGroup("VANTRO");
    const MainMenus& m = window.menus();
    emit m.MOption0->aboutToShow();
    EXPECT_TRUE(m.MDESK_SET->isVisible());
    EXPECT_FALSE(m.MDESK_DEL->isVisible());
    EXPECT_TRUE(m.MICON_SET->isVisible());
    EXPECT_FALSE(m.MICON_DEL->isVisible());

    // The items' commands are wired: add both launchers, then look again.
    ASSERT_TRUE(WriteLauncher(window.shortcutPaths().programs, {"VANTRO", "", "/bin/true"}));
    QDir().mkpath(qpath("Desktop"));
    m.MDESK_SET->trigger();
    m.MICON_SET->trigger();
    emit m.MOption0->aboutToShow();
    EXPECT_FALSE(m.MDESK_SET->isVisible());
    EXPECT_TRUE(m.MDESK_DEL->isVisible());
    EXPECT_FALSE(m.MICON_SET->isVisible());
    EXPECT_TRUE(m.MICON_DEL->isVisible());
    EXPECT_TRUE(responder.calls().empty());
}

TEST_F(MainWindowTest, MiniHelpSwitchesTheWindowsHints)
{
    // Sees the hint events that reach a control.
    struct HintProbe : QObject {
        int hints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::ToolTip) ++hints;
            return false;
        }
    } probe;
    TTALVO_VANTRO window;
    QLineEdit* field = window.Panel_CUT->Edit_Fn;
    field->installEventFilter(&probe);
    auto hint = [field] {
        QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), field->mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(field, &event);
    };

    EXPECT_TRUE(window.hintsShown());
    hint();
    EXPECT_EQ(probe.hints, 1);
    window.menus().HELP3->trigger();
    EXPECT_FALSE(window.hintsShown());
    EXPECT_FALSE(window.menus().HELP3->isChecked());
    hint();
    EXPECT_EQ(probe.hints, 1);
    window.setHintsShown(true);
    EXPECT_TRUE(window.menus().HELP3->isChecked());
    hint();
    EXPECT_EQ(probe.hints, 2);
}

TEST(WindowColoursTest, UnschemedWindowTakesButtonFaceUnderBlackText)
{
    QPalette light;
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Button, Qt::lightGray);
    EXPECT_EQ(UnschemedWindowColor(light), QColor(Qt::lightGray));

    QPalette dark = light;
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, Qt::darkBlue);
    EXPECT_EQ(UnschemedWindowColor(dark), QColor(Qt::darkBlue));
}
