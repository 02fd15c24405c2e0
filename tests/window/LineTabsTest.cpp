// The list-join and rename tabs of the composed program: their lists come
// from the list files and go back at closing, the register buttons and drops
// place lines as the tabs' rules say, the delete menus ask first, the rename
// list goes through the clipboard, and the runs write and rename files and
// show their logs.
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "ColorBtn.h"
#include "LineDeleteMenu.h"
#include "RegistrationList.h"
#include "SessionTestSupport.h"
#include "TextFiles.h"
#include "TabSheet5.h"
#include "TabSheet6.h"
#include "TestWav.h"
#include "TextListBox.h"

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

class LineTabsTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        storeFoldersAndSounds();
    }

    void start()
    {
        window = StartWindow(session);
        ASSERT_TRUE(window);
    }

    // A mono 8-bit 8 kHz file of `frames` frames, each byte `value`.
    QString sound(const std::string& relative, size_t frames, uint8_t value = 128)
    {
        WavSpec wav;
        wav.channels = 1;
        wav.bits = 8;
        wav.sampleRate = 8000;
        wav.data = Bytes(frames, value);
        QDir().mkpath(QFileInfo(qpath(relative)).absolutePath());
        WriteFileBytes(path(relative), wav.build());
        return qpath(relative);
    }

    static size_t DataSize(const QString& file)
    {
        const Bytes bytes = ReadFileBytes(file.toStdString());
        return bytes.size() < 44 ? 0 : ReadU32(bytes, 40);
    }

    // Shows the menu (its popup handler runs), then picks the item.
    static void pick(QMenu* menu, QAction* item)
    {
        menu->popup(QPoint());
        menu->hide();
        ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
        item->trigger();
    }

    static void drop(QWidget* target, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
    }

    TTabSheet5& joinTab() { return *session.state().listJoinTab; }
    TTabSheet6& renameTab() { return *session.state().renameTab; }
    QString klDir() const { return qpath("out/KL_DIR") + "/"; }

    VantroSession session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(LineTabsTest, FilesAndOutputLinesGoEveryNLinesAndTheRunJoinsEachGroup)
{
    const QString a = sound("src/a.wav", 800), b = sound("src/b.wav", 1600), c = sound("src/c.wav", 2400),
                  d = sound("src/d.wav", 3200);
    const QString x = sound("sounds/x.wav", 400), y = sound("sounds/y.wav", 200);
    sound("out/KL_DIR/KL0000.wav", 10);  // taken: the names go on from KL0001
    ASSERT_TRUE(WriteTextLines(programPath("VANTROKL.LIS"), {a, b, c, d}));
    store->preset("Combo_KL", "2");
    store->preset("KL_Index", "1");
    start();

    TextListBox& list = *joinTab().ListBox_KL;
    EXPECT_EQ(list.currentLine(), 1);
    EXPECT_EQ(joinTab().Label_KL->text(), S("個おきに挿入"));
    EXPECT_EQ(joinTab().Label_KL_KOSU->text(), S("4ｺ"));

    joinTab().Btn_TOROKU_ALL_KL->click();
    EXPECT_EQ(list.lines(), QStringList({a, b, x, c, d, y}));
    joinTab().Btn_TOROKU_OUT_KL->click();
    const QString o1 = klDir() + "KL0001.wav", o2 = klDir() + "KL0002.wav", o3 = klDir() + "KL0003.wav";
    EXPECT_EQ(list.lines(), QStringList({a, b, ">" + o1, x, c, ">" + o2, d, y, ">" + o3}));
    EXPECT_EQ(joinTab().Label_KL_KOSU->text(), S("9ｺ"));
    EXPECT_TRUE(boxes.calls().empty());

    joinTab().Btn_KL->click();
    EXPECT_EQ(DataSize(o1), 800u + 1600u);
    EXPECT_EQ(DataSize(o2), 400u + 2400u);
    EXPECT_EQ(DataSize(o3), 3200u + 200u);
    ASSERT_FALSE(boxes.calls().empty());
    EXPECT_EQ(boxes.calls().back().text, S("リスト結合\n3個結合しました☆☆☆\nお疲れ様☆☆☆"));
    OperationLogs& logs = *session.state().logs;
    EXPECT_EQ(logs.listJoin().lines().size(), 3);
    EXPECT_TRUE(logs.listJoin().lines()[0].endsWith(o1));
    EXPECT_EQ(logs.listJoinFiles().lines().size(), 6);
    EXPECT_EQ(viewer->openedFiles(), QStringList({logs.listJoinFiles().filePath(), logs.listJoin().filePath()}));

    // A second "v結合登録" passes over the names listed as well as those on disk.
    joinTab().ComboBox_KL->setCurrentIndex(0);
    EXPECT_EQ(joinTab().Label_KL->text(), S("最後に追加"));
    QFile::remove(o2);
    joinTab().Btn_TOROKU_OUT_KL->click();
    EXPECT_EQ(list.lines().last(), ">" + klDir() + "KL0004.wav");

    // Closing writes the list and its selected line and step.
    window->close();
    EXPECT_EQ(ReadTextLines(programPath("VANTROKL.LIS")), std::optional(list.lines()));
    EXPECT_EQ(store->read("KL_Index"), QString::number(list.count() - 1));
    EXPECT_EQ(store->read("Combo_KL"), "0");
}

TEST_F(LineTabsTest, KetugoTxtReplacesTheListOrAMissingOneLeavesIt)
{
    ASSERT_TRUE(WriteTextLines(programPath("VANTROKL.LIS"), {"/m/kept.wav"}));
    start();
    joinTab().ColorBtn10->click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, programPath("KETUGO.TXT") + S("\n読み込みに失敗しました・・・\nファイルが存在するか確認して下さい。"));
    EXPECT_EQ(joinTab().ListBox_KL->lines(), QStringList({"/m/kept.wav"}));

    ASSERT_TRUE(WriteTextLines(programPath("KETUGO.TXT"), {"/m/a.wav /m/b.wav >/m/c.wav", ">/m/d.wav"}));
    joinTab().ColorBtn10->click();
    EXPECT_EQ(joinTab().ListBox_KL->lines(), QStringList({"/m/a.wav /m/b.wav >/m/c.wav", ">/m/d.wav"}));
    EXPECT_EQ(joinTab().Label_KL_KOSU->text(), S("2ｺ"));
}

TEST_F(LineTabsTest, RenameNamesFollowEachFileAndTheRunRenamesInItsFolder)
{
    const QString x = sound("sounds/x.wav", 100), y = sound("sounds/y.wav", 100);
    QDir().mkpath(qpath("sounds/RN0000.wav"));  // a taken name, though no file
    start();
    renameTab().Btn_TOROKU_ALL_IR->click();
    renameTab().Btn_TOROKU_RN_IR->click();
    const QString rn1 = qpath("sounds/RN0001.wav"), rn2 = qpath("sounds/RN0002.wav");
    EXPECT_EQ(renameTab().ListBox_IR->lines(), QStringList({x, ">" + rn1, y, ">" + rn2}));
    EXPECT_EQ(renameTab().Label_IR_KOSU->text(), S("4ｺ"));

    renameTab().Btn_IR->click();
    EXPECT_TRUE(QFile::exists(rn1) && QFile::exists(rn2));
    EXPECT_FALSE(QFile::exists(x) || QFile::exists(y));
    OperationLog& log = session.state().logs->rename();
    EXPECT_EQ(log.lines(), QStringList({rn1, rn2}));
    EXPECT_EQ(boxes.calls().back().text, S("一括リネーム\n2個リネームしました☆☆☆\nお疲れ様☆☆☆"));
    EXPECT_EQ(viewer->openedFiles(), QStringList({log.filePath()}));

    // The list keeps the old names: a second run renames nothing, and its log
    // holds that run only.
    renameTab().Btn_IR->click();
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(boxes.calls().back().text, S("一括リネーム\nファイルが選択されていません・・・"));
}

TEST_F(LineTabsTest, DeletingAsksFirstAndTheListGoesThroughTheClipboard)
{
    ASSERT_TRUE(WriteTextLines(programPath("VANTROIR.LIS"), {"/m/A.wav", "/m/B.wav", "/m/C.wav"}));
    store->preset("IR_Index", "1");
    start();
    TTabSheet6& tab = renameTab();
    TextListBox& list = *tab.ListBox_IR;
    ASSERT_EQ(list.currentLine(), 1);

    boxes.script(MKAnswer::Yes);
    pick(tab.PopupMenu_DEL_IR, tab.PopupMenu_DEL_IR->P_DEL_SEL);
    EXPECT_EQ(boxes.calls().back().text, S("一括リネームリストを選択削除してよろしいですか?"));
    EXPECT_EQ(boxes.calls().back().defaultAnswer, MKAnswer::No);
    EXPECT_EQ(list.lines(), QStringList({"/m/A.wav", "/m/C.wav"}));
    EXPECT_EQ(tab.Label_IR_KOSU->text(), S("2ｺ"));

    pick(tab.PopupMenu_LIST_IR, tab.P_COPY_IR);
    EXPECT_EQ(viewer->clipboardText(), "/m/A.wav\r\n/m/C.wav\r\n");
    viewer->setClipboardText("/n/p.wav\r\n>q.wav\n");
    pick(tab.PopupMenu_LIST_IR, tab.P_PUT_IR);
    EXPECT_EQ(list.lines(), QStringList({"/m/A.wav", "/m/C.wav", "/n/p.wav", ">q.wav"}));
    EXPECT_EQ(tab.Label_IR_KOSU->text(), S("4ｺ"));

    boxes.script(MKAnswer::No);
    pick(tab.PopupMenu_DEL_IR, tab.PopupMenu_DEL_IR->P_DEL_ALL);
    EXPECT_EQ(list.count(), 4);
    boxes.script(MKAnswer::Yes);
    pick(tab.PopupMenu_DEL_IR, tab.PopupMenu_DEL_IR->P_DEL_ALL);
    EXPECT_EQ(list.count(), 0);
    tab.PopupMenu_DEL_IR->popup(QPoint());
    EXPECT_FALSE(tab.PopupMenu_DEL_IR->P_DEL_ALL->isEnabled());
    tab.PopupMenu_DEL_IR->hide();

    window->close();
    EXPECT_EQ(ReadTextLines(programPath("VANTROIR.LIS")), std::optional(QStringList()));
    EXPECT_EQ(store->read("IR_Index"), "-1");
}

TEST_F(LineTabsTest, DroppedFilesRegisterAsTheRegisterButtonsDo)
{
    const QString a = sound("drop/a.wav", 10), upper = sound("drop/B.WAV", 10);
    ASSERT_TRUE(WriteFile(qpath("drop/notes.txt"), "x"));
    QDir().mkpath(qpath("drop/folder.wav"));
    const QList<QUrl> urls = {QUrl::fromLocalFile(a), QUrl::fromLocalFile(qpath("drop/notes.txt")),
                              QUrl::fromLocalFile(qpath("drop/folder.wav")), QUrl::fromLocalFile(upper),
                              QUrl(QStringLiteral("https://example.org/c.wav"))};
    start();

    RegistrationList* g = session.state().lists->list(RegList::G);
    drop(g->viewport(), urls);
    ASSERT_EQ(g->topLevelItemCount(), 2);
    EXPECT_EQ(g->topLevelItem(0)->text(PathColumn), a);
    EXPECT_EQ(g->topLevelItem(0)->text(CaptionColumn), "a.wav");
    EXPECT_FALSE(g->topLevelItem(0)->text(SizeColumn).isEmpty());
    EXPECT_EQ(g->topLevelItem(1)->text(PathColumn), upper);
    EXPECT_EQ(g->headerItem()->text(PathColumn), S("2ｺ　フルパス名"));

    drop(joinTab().ListBox_KL->viewport(), urls);
    EXPECT_EQ(joinTab().ListBox_KL->lines(), QStringList({a, upper}));
    drop(renameTab().ListBox_IR->viewport(), urls);
    EXPECT_EQ(renameTab().ListBox_IR->lines(), QStringList({a, qpath("drop/notes.txt"), upper}));
    EXPECT_TRUE(boxes.calls().empty());
}

}  // namespace
