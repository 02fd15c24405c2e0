// The batch tabs of the composed program: their popup menus set the settings
// and captions, their start buttons run the batches over the registration
// lists, the stop button ends a run between files, the save-name seam names
// the outputs, and each run shows its log.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "ColorBtn.h"
#include "FileFace.h"
#include "RegistrationList.h"
#include "SessionTestSupport.h"
#include "SpinButton.h"
#include "TestWav.h"
#include "TmSET.h"
#include "WavInfo.h"
#include "mk.h"

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

// Runs `act` on the widget `find` returns, as soon as the event loop shows it.
template <class Widget>
void WhenShown(std::function<Widget*()> find, std::function<void(Widget&)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, find, act] {
        Widget* shown = find();
        if (!shown) return;
        poll->stop();
        poll->deleteLater();
        act(*shown);
    });
    poll->start();
}

class BatchTabsTest : public SessionTest {
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

    // A stereo 16-bit 8 kHz file of `seconds` whose every sample is 4096.
    QString sound(const std::string& name, int seconds, Bytes fmtExtra = {})
    {
        WavSpec wav;
        wav.sampleRate = 8000;
        wav.fmtExtra = std::move(fmtExtra);
        for (int i = 0; i < seconds * 8000 * 2; ++i) AppendU16(wav.data, 4096);
        WriteFileBytes(path("sounds/" + name), wav.build());
        return qpath("sounds/" + name);
    }

    void fill(RegList id, const QStringList& paths)
    {
        ListEntries entries;
        for (const QString& file : paths) entries.append({FileRow{QFileInfo(file).fileName(), file, {}, {}, {}}, false});
        session.state().lists->list(id)->setEntries(entries);
    }

    template <class Control>
    Control* find(const char* name)
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Presses the button and picks `item` from the popup menu it opens,
    // after `look` has seen the menu as it shows.
    void choose(const char* button, const char* item, std::function<void(QMenu&)> look = {})
    {
        WhenShown<QMenu>([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
                         [item, look](QMenu& menu) {
                             if (look) look(menu);
                             menu.hide();
                             for (QAction* action : menu.actions())
                                 if (action->objectName() == QLatin1String(item)) return action->trigger();
                             ADD_FAILURE() << "no item " << item;
                         });
        find<QPushButton>(button)->click();
    }

    // Sets the custom silence length through "タイム設定" of the silence popup,
    // stepping the time-setting box by tens and ones.
    void setCustomLength(int tens, int ones)
    {
        boxes.script(MKAnswer::Yes);
        WhenShown<TTMSETBox>([] { return qobject_cast<TTMSETBox*>(QApplication::activeModalWidget()); },
                             [tens, ones](TTMSETBox& box) {
                                 auto* ten = box.findChild<SpinButton*>("SpinButton2");
                                 auto* one = box.findChild<SpinButton*>("SpinButton1");
                                 for (int i = 0; i < std::abs(tens); ++i)
                                     (tens > 0 ? ten->upButton() : ten->downButton())->click();
                                 for (int i = 0; i < std::abs(ones); ++i)
                                     (ones > 0 ? one->upButton() : one->downButton())->click();
                                 box.findChild<QPushButton*>("Button1")->click();
                             });
        choose("Btn_MUON_MAE_G", "PMUON_Set");
    }

    static int64_t DataSize(const QString& file)
    {
        std::string err;
        GetWavInfo(file.toStdString(), err);
        return err.empty() ? WavInfo.DataSize : -1;
    }

    bool opened(const char* logFile)
    {
        for (const QString& file : viewer->openedFiles())
            if (file.endsWith(QLatin1String(logFile))) return true;
        return false;
    }

    // Keeps the text of the menu's header item.
    static std::function<void(QMenu&)> Header(QString& header)
    {
        return [&header](QMenu& menu) { header = menu.actions().value(0)->text(); };
    }

    QString lastBox() const { return boxes.calls().empty() ? QString() : boxes.calls().back().text; }

    VantroSession session;
    std::unique_ptr<TTALVO_VANTRO> window;
};

TEST_F(BatchTabsTest, ConvertAllWithTimesSetThroughThePopupsWritesEachFileAndShowsTheLog)
{
    const QStringList sources = {sound("a.wav", 3), sound("b.wav", 3), sound("c.wav", 3)};
    start();
    setCustomLength(1, 0);  // 0.5 s + 1.0 s
    choose("Btn_MUON_MAE_G", "PMUON_TM");
    setCustomLength(-1, -2);  // back down to 0.3 s
    QString header;
    choose("Btn_MUON_ATO_G", "PMUON_TM", Header(header));
    EXPECT_EQ(header, S("後無音 秒数設定"));
    choose("Btn_FAID_IN_G", "PFAID_2", Header(header));
    EXPECT_EQ(header, S("フェードイン 秒数設定"));
    EXPECT_EQ(find<QPushButton>("Btn_MUON_MAE_G")->text(), S("前無 1.5秒"));
    EXPECT_EQ(find<QPushButton>("Btn_MUON_ATO_G")->text(), S("後無 0.3秒"));
    EXPECT_EQ(find<QPushButton>("Btn_FAID_IN_G")->text(), S("イン 2秒"));
    EXPECT_EQ(find<QPushButton>("Btn_FAID_OUT_G")->text(), S("アウト 0秒"));

    fill(RegList::G, sources);
    find<QPushButton>("Btn_HENKAN_ALL")->click();

    // 1.5 s of silence, the 3 s of sound, 0.3 s of silence, 32000 bytes a second.
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        EXPECT_EQ(DataSize(qpath(std::string("out/MUON_DIR/") + name)), 48000 + 96000 + 9600) << name;
    EXPECT_EQ(lastBox(), S("無音付加、フェードイン／アウト変換\n3個変換しました☆☆☆\nお疲れ様☆☆☆"));
    EXPECT_TRUE(opened("HENKAN$$.TXT"));
    EXPECT_TRUE(find<QPushButton>("Btn_HENKAN_SEN")->isVisible());
    EXPECT_FALSE(find<ColorBtn>("Btn_HEN_CANSEL")->isVisible());
    auto* status = find<QLineEdit>("Edit_File_Disp");
    EXPECT_EQ(status->text(), S("無音付加、フェードイン／アウト変換終了☆☆☆"));
    EXPECT_NE(status->palette().color(QPalette::Base), QColor(Qt::red));
}

TEST_F(BatchTabsTest, TheStopButtonEndsTheConversionAfterTheFileAtWork)
{
    const QStringList sources = {sound("a.wav", 1), sound("b.wav", 1), sound("c.wav", 1)};
    start();
    fill(RegList::G, sources);
    auto* stop = find<ColorBtn>("Btn_HEN_CANSEL");
    QObject::connect(find<QLineEdit>("Edit_File_Disp"), &QLineEdit::textChanged, stop, [&](const QString& text) {
        if (text.endsWith(QLatin1String("b.wav")) && stop->isVisible()) stop->click();
    });
    find<QPushButton>("Btn_HENKAN_ALL")->click();

    EXPECT_TRUE(QFileInfo::exists(qpath("out/MUON_DIR/a.wav")));
    EXPECT_TRUE(QFileInfo::exists(qpath("out/MUON_DIR/b.wav")));
    EXPECT_FALSE(QFileInfo::exists(qpath("out/MUON_DIR/c.wav")));
    const auto stopped = std::find_if(boxes.calls().begin(), boxes.calls().end(), [](const MKCall& call) {
        return call.text == S("中断ボタンが押されました・・・\n強制終了します☆☆☆");
    });
    EXPECT_NE(stopped, boxes.calls().end());
    EXPECT_TRUE(lastBox().contains(S("2個変換しました☆☆☆")));
}

TEST_F(BatchTabsTest, OwnNamesComeFromTheSaveNameDialogAndAnAtStops)
{
    const QStringList sources = {sound("a.wav", 1), sound("b.wav", 1)};
    std::vector<std::string> titles;
    session.setAskSaveName([&](const std::string&, const std::string&, const std::string& title) {
        titles.push_back(title);
        return titles.size() == 1 ? path("out/named.WAV") : std::string("@");
    });
    start();
    choose("ColorBtn2", "P_SaveName_G");
    EXPECT_TRUE(session.state().settings.SAVE_NAME_G);
    fill(RegList::G, sources);
    find<QPushButton>("Btn_HENKAN_ALL")->click();

    EXPECT_EQ(titles, (std::vector<std::string>{"ＷＡＶ変換ファイル名", "ＷＡＶ変換ファイル名"}));
    EXPECT_TRUE(QFileInfo::exists(qpath("out/named.wav"))) << "the extension in lower case";
    EXPECT_FALSE(QFileInfo::exists(qpath("out/MUON_DIR/b.wav")));
    EXPECT_TRUE(lastBox().contains(S("1個変換しました☆☆☆")));
}

TEST_F(BatchTabsTest, TabMenusSetTheirSettingsAndCaptionsFollow)
{
    start();
    SettingsValues& settings = session.state().settings;
    choose("Btn_MUON_ATO_K", "PMUON_2");
    choose("Btn_FAID_OUT_K", "PFAID_10");
    EXPECT_EQ(settings.TM_ATO_K, 2);
    EXPECT_EQ(settings.TM_OUT_K, 10);
    EXPECT_EQ(find<QPushButton>("Btn_MUON_ATO_K")->text(), S("後無 2.0秒"));
    EXPECT_EQ(find<QPushButton>("Btn_FAID_OUT_K")->text(), S("アウト 10秒"));
    EXPECT_EQ(settings.TM_ATO_G, 0) << "each button sets its own tab's setting";

    choose("Btn_MCUT_G", "PMCUT_S");
    EXPECT_EQ(settings.MCUTF_G, 2);
    EXPECT_EQ(find<QPushButton>("Btn_MCUT_G")->text(), S("前カット"));
    EXPECT_TRUE(find<QLineEdit>("Edit_ML16_G")->isEnabled());
    choose("Btn_ML16_G", "PML16_100");
    EXPECT_EQ(find<QLineEdit>("Edit_ML16_G")->text(), "100");
    EXPECT_EQ(settings.ML16_G, 100);

    choose("ColorBtn3", "PK_SORT");
    EXPECT_TRUE(session.state().lists->sortOption(RegList::K));
    session.setFolderChooser([this](bool, const QString&, const QString&, const QString&) { return qpath("other"); });
    choose("ColorBtn4", "P_LR_DIR");
    EXPECT_EQ(settings.LR_DIR, qpath("other") + "/");
    // The log items are enabled as the menu pops up: an empty record cannot be shown.
    bool showEnabled = true;
    choose("ColorBtn14", "PREV_SORT",
           [&showEnabled](QMenu& menu) { showEnabled = menu.findChild<QAction*>("P_REV_KIROKU")->isEnabled(); });
    EXPECT_FALSE(showEnabled);
    EXPECT_TRUE(session.state().lists->sortOption(RegList::REV));
}

TEST_F(BatchTabsTest, JoinSeparationReversalAndFmtRunFromTheirTabs)
{
    const QString a = sound("a.wav", 1);
    const QString b = sound("b.wav", 2);
    const QString f18 = sound("f18.wav", 1, {0, 0});
    start();

    fill(RegList::K, {a, b});
    find<QPushButton>("Btn_KETUGO_ALL")->click();
    EXPECT_EQ(DataSize(qpath("out/WADD_DIR/a_a000.wav")), 32000 * 3);
    EXPECT_TRUE(opened("KETUGO2$.TXT"));
    EXPECT_TRUE(opened("KETUGO$$.TXT"));

    fill(RegList::LR, {a});
    find<QPushButton>("Btn_LR_ALL")->click();
    EXPECT_EQ(DataSize(qpath("out/LR_DIR/a__L.wav")), 16000);
    EXPECT_EQ(DataSize(qpath("out/LR_DIR/a__R.wav")), 16000);
    EXPECT_TRUE(opened("LR$$.TXT"));

    fill(RegList::REV, {a, f18});
    find<QPushButton>("Btn_REV_ALL")->click();
    EXPECT_TRUE(QFileInfo::exists(qpath("out/REV_DIR/a_RV000.wav")));
    EXPECT_TRUE(opened("REV$$.TXT"));

    session.state().lists->list(RegList::REV)->selectOnly(1);
    find<ColorBtn>("ColorBtn7")->click();
    const QByteArray fmt = FileBytes(qpath("out/REV_DIR/f18.wav"));
    ASSERT_GE(fmt.size(), 20);
    EXPECT_EQ(fmt.at(16), 16) << "the fmt chunk holds 16 bytes";
    EXPECT_TRUE(find<ColorBtn>("ColorBtn7")->isEnabled());
    EXPECT_TRUE(lastBox().startsWith(S("fmtヘッダー 18>>16変換\n1")));
}

// Closing the window stops a join at work, and the join is not finished with
// the files joined so far: nothing of it is left in the output folder.
TEST_F(BatchTabsTest, ClosingTheWindowDuringAJoinLeavesNoJoin)
{
    const QStringList sources = {sound("a.wav", 1), sound("b.wav", 1), sound("c.wav", 1)};
    start();
    fill(RegList::K, sources);
    QObject::connect(find<QLineEdit>("Edit_File_Disp"), &QLineEdit::textChanged, window.get(), [&](const QString& text) {
        if (text.startsWith(S("結合中:")) && text.endsWith(QLatin1String("b.wav"))) window->close();
    });
    find<QPushButton>("Btn_KETUGO_ALL")->click();
    EXPECT_TRUE(QDir(qpath("out/WADD_DIR")).entryList(QDir::Files | QDir::Hidden).isEmpty())
        << QDir(qpath("out/WADD_DIR")).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
}

// A silence length chosen from its popup while a conversion runs applies
// from the next file on: here to b, chosen as a is done.
TEST_F(BatchTabsTest, ALengthChosenDuringAConversionAppliesFromTheNextFile)
{
    const QStringList sources = {sound("a.wav", 1), sound("b.wav", 1)};
    start();
    fill(RegList::G, sources);
    bool chosen = false;
    QObject::connect(find<QLineEdit>("Edit_File_Disp"), &QLineEdit::textChanged, window.get(), [&](const QString& text) {
        if (chosen || !text.endsWith(QLatin1String("b.wav"))) return;
        chosen = true;
        choose("Btn_MUON_ATO_G", "PMUON_1");
    });
    find<QPushButton>("Btn_HENKAN_ALL")->click();
    EXPECT_TRUE(chosen);
    EXPECT_EQ(DataSize(qpath("out/MUON_DIR/a.wav")), 32000);
    EXPECT_EQ(DataSize(qpath("out/MUON_DIR/b.wav")), 32000 + 32000);
}

}  // namespace
