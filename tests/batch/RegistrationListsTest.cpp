#include "RegistrationLists.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "BatchTestSupport.h"
#include "ColorBtn.h"
#include "MKResponder.h"
#include "Mkdlg.h"
#include "RecordingDesktop.h"
#include "RegistrationList.h"
#include "RegistrationPanel.h"
#include "RegistrationTexts.h"

namespace {

QString Captions(const RegistrationList& list)
{
    QString text;
    for (const ListEntry& entry : list.entries())
        text += entry.selected ? QStringLiteral("[%1]").arg(entry.row.caption) : entry.row.caption;
    return text;
}

}  // namespace

class RegistrationListsTest : public TempUserTest {
protected:
    void SetUp() override
    {
        TempUserTest::SetUp();
        lists.browserAllRows = [this] { return browserRows; };
        lists.browserSelectedRows = [this] { return browserSelected; };
    }

    RegistrationList& view(RegList id) { return *lists.list(id); }
    void fill(RegList id, const QString& names, const QString& selected = {})
    {
        view(id).setEntries(Entries(names, selected));
        lists.updateCountCaptions();
    }
    QString header(RegList id, int column) { return view(id).headerItem()->text(column); }

    TMKBoxDlg box;
    RegistrationLists lists{box};
    QList<FileRow> browserRows{Row("a.wav"), Row("b.wav"), Row("c.wav")};
    QList<FileRow> browserSelected{Row("b.wav")};
};

TEST_F(RegistrationListsTest, ControlsCarryTheirNamesAndTexts)
{
    using namespace RegistrationTexts;
    for (const auto& [id, name] : {std::pair{RegList::M, "ListView_M"}, {RegList::G, "ListView_G"},
                                   {RegList::K, "ListView_K"}, {RegList::LR, "ListView_LR"},
                                   {RegList::REV, "ListView_REV"}})
        EXPECT_EQ(view(id).objectName(), name);
    RegistrationPanel& rev = *lists.panel(RegList::REV);
    EXPECT_EQ(rev.stop->objectName(), "ColorBtn8");
    EXPECT_EQ(rev.stop->text(), Stop);
    EXPECT_EQ(lists.panel(RegList::LR)->stop->objectName(), "Btn_CANSEL_LR");
    EXPECT_EQ(rev.sortOption->objectName(), "PREV_SORT");
    EXPECT_EQ(rev.copy->objectName(), "PLVREV_COPY");
    EXPECT_EQ(lists.panel(RegList::G)->up->objectName(), "Btn_UE_G");
    RegistrationPanel& cut = *lists.panel(RegList::M);
    EXPECT_EQ(cut.up->text(), CutListMoveUp);
    EXPECT_EQ(cut.remove->objectName(), "Btn_DEL");
    EXPECT_EQ(cut.sortOption->text(), CutListSortOn);
    EXPECT_EQ(cut.registerSelected->objectName(), "Btn_TOROKU_SEN_M");
    EXPECT_EQ(cut.stop, nullptr);
    EXPECT_EQ(cut.copy, nullptr);
    EXPECT_EQ(header(RegList::K, 1), QStringLiteral("0ｺ　フルパス名"));
    EXPECT_EQ(header(RegList::K, 2), HeaderSize);
}

TEST_F(RegistrationListsTest, RegisteringAddsRowsAtTheEndWithDuplicatesAndCountsEveryList)
{
    lists.panel(RegList::G)->registerSelected->click();
    lists.panel(RegList::G)->registerSelected->click();
    lists.panel(RegList::G)->registerAll->click();
    EXPECT_EQ(Captions(view(RegList::G)), "b.wavb.wava.wavb.wav[c.wav]");
    EXPECT_EQ(view(RegList::G).entries()[0].row, Row("b.wav"));
    EXPECT_EQ(header(RegList::G, 0), QStringLiteral("5ｺ　ファイル名"));
    EXPECT_EQ(header(RegList::M, 0), QStringLiteral("0ｺ　ファイル名"));

    browserSelected.clear();
    lists.panel(RegList::M)->registerSelected->click();
    EXPECT_EQ(view(RegList::M).topLevelItemCount(), 0);
    EXPECT_EQ(header(RegList::M, 1), QStringLiteral("0ｺ　フルパス名"));
}

TEST_F(RegistrationListsTest, StopEndsRegistrationAfterTheCurrentRowAndSaysSo)
{
    MKResponder user;
    QTimer::singleShot(0, &lists, [this] { lists.panel(RegList::K)->stop->click(); });
    lists.Btn_TOROKU_SEN_GClick(RegList::K, true);
    EXPECT_EQ(Captions(view(RegList::K)), "[a.wav]");
    ASSERT_EQ(user.calls().size(), 1u);
    EXPECT_EQ(user.calls()[0].kind, "MKInfoTM");
    EXPECT_EQ(user.calls()[0].text, RegistrationTexts::Stopped);
    EXPECT_FALSE(lists.registrationRunning());
    EXPECT_FALSE(lists.panel(RegList::K)->registerAll->isHidden());
}

TEST_F(RegistrationListsTest, MovesKeepTheSelectedBlockTogether)
{
    fill(RegList::LR, "ABCDE", "BD");
    lists.panel(RegList::LR)->up->click();
    EXPECT_EQ(Captions(view(RegList::LR)), "[B][D]ACE");
    EXPECT_EQ(view(RegList::LR).currentIndex().row(), 0);
    lists.panel(RegList::LR)->down->click();
    lists.panel(RegList::LR)->down->click();
    EXPECT_EQ(Captions(view(RegList::LR)), "AC[B][D]E");
    EXPECT_EQ(view(RegList::LR).currentIndex().row(), 2);
}

TEST_F(RegistrationListsTest, DeleteInPlayModeSwitchesItOffAndTellsAfterwards)
{
    MKResponder user;
    bool playMode = true;
    lists.switchPlayModeOff = [&] { return std::exchange(playMode, false); };
    fill(RegList::M, "ABC", "AC");
    lists.panel(RegList::M)->remove->click();
    EXPECT_EQ(Captions(view(RegList::M)), "B");
    EXPECT_FALSE(playMode);
    EXPECT_EQ(header(RegList::M, 0), QStringLiteral("1ｺ　ファイル名"));
    ASSERT_EQ(user.calls().size(), 1u);
    EXPECT_EQ(user.calls()[0].text, RegistrationTexts::PlayModeSwitched);

    fill(RegList::M, "ABC", "B");
    lists.panel(RegList::M)->remove->click();
    EXPECT_EQ(Captions(view(RegList::M)), "AC");
    EXPECT_EQ(user.calls().size(), 1u);  // play mode already off: nothing more to say
}

TEST_F(RegistrationListsTest, HeaderClicksSortOnlyWithTheOptionOn)
{
    view(RegList::REV).setEntries({{Row("b", "1", "24/03/09 07:05:02 Sat"), false},
                                   {Row("a", "1", "23/12/31 23:59:59 Sun"), true},
                                   {Row("c", "1", "24/03/10 00:00:00 Sun"), false}});
    view(RegList::REV).header()->sectionClicked(DateColumn);
    EXPECT_EQ(Captions(view(RegList::REV)), "b[a]c");

    lists.panel(RegList::REV)->sortOption->trigger();
    EXPECT_TRUE(lists.sortOption(RegList::REV));
    view(RegList::REV).header()->sectionClicked(DateColumn);
    EXPECT_EQ(Captions(view(RegList::REV)), "[a]bc");
    view(RegList::REV).header()->sectionClicked(DateColumn);
    EXPECT_EQ(Captions(view(RegList::REV)), "cb[a]");
    EXPECT_EQ(view(RegList::REV).currentIndex().row(), 2);
}

TEST_F(RegistrationListsTest, CopyPutsEveryPathOnTheClipboard)
{
    ScopedRecordingDesktop recorded;
    fill(RegList::G, "AB", "B");
    lists.panel(RegList::G)->copy->trigger();
    EXPECT_EQ(recorded->clipboardText(), "/music/A\r\n/music/B\r\n");
}

TEST_F(RegistrationListsTest, ListFilesRoundTripWithSelectionsAndSurviveDamage)
{
    fill(RegList::G, "ABCA", "C");
    fill(RegList::K, "XY");
    const FileRow odd{QStringLiteral("曲 ①\t.wav"), QStringLiteral("/音/曲 ①\t.wav"), {}, {}, {}};
    view(RegList::LR).setEntries({{odd, false}});
    fill(RegList::M, "M");
    EXPECT_EQ(lists.saveListFiles("VANTRO"), 5);
    EXPECT_TRUE(QFile::exists(programFile("VANTROMR.VEW")));
    EXPECT_TRUE(QFile::exists(programFile("VANTROMM.VEW")));
    EXPECT_EQ(lists.selectedCaption(RegList::G), "C");
    EXPECT_EQ(lists.selectedCaption(RegList::K), "");

    QFile damaged(programFile("VANTROMK.VEW"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("VANTRO-VEW\t1\r\nW\t0\r\n");
    damaged.close();

    RegistrationLists loaded{box};
    loaded.loadListFiles("VANTRO", {QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("曲 ①\t.wav"), {}, QStringLiteral("M")});
    EXPECT_EQ(Captions(*loaded.list(RegList::G)), "[A]BCA");
    EXPECT_EQ(Captions(*loaded.list(RegList::K)), "");
    EXPECT_EQ(loaded.list(RegList::LR)->entries(), (ListEntries{{odd, true}}));
    EXPECT_EQ(Captions(*loaded.list(RegList::M)), "[M]");
    EXPECT_EQ(loaded.list(RegList::G)->headerItem()->text(0), QStringLiteral("4ｺ　ファイル名"));
}
