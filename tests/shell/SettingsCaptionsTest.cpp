// What the stored numbers show: captions, the silence-cut button, the batch
// tab, the colour indexes and the colour schemes.
#include <gtest/gtest.h>

#include <QPalette>

#include "ColourSchemes.h"
#include "SettingsCaptions.h"
#include "SettingsColours.h"

TEST(SettingsCaptions, TimesOfTheBatchTabs)
{
    EXPECT_EQ(HeadSilenceCaption(0, 5), QString::fromUtf8("前無 0.5秒"));
    EXPECT_EQ(TailSilenceCaption(12, 0), QString::fromUtf8("後無 12.0秒"));
    EXPECT_EQ(FadeInCaption(3), QString::fromUtf8("イン 3秒"));
    EXPECT_EQ(FadeOutCaption(0), QString::fromUtf8("アウト 0秒"));
    EXPECT_EQ(SilenceLengthCaption(25), QString::fromUtf8("2.5秒指定"));
    EXPECT_EQ(SilenceLengthCaption(0), QString::fromUtf8("0.0秒指定"));
    EXPECT_EQ(SilenceLengthCaption(5), QString::fromUtf8("0.5秒指定"));
    EXPECT_EQ(SilenceLengthCaption(100), QString::fromUtf8("10.0秒指定"));
}

TEST(SettingsCaptions, SilenceCutModeAndBatchTab)
{
    const char* captions[] = {"カットOFF", "前後カット", "前カット", "後カット"};
    for (int mode = 0; mode <= 3; ++mode) {
        EXPECT_EQ(SilenceCutCaption(SilenceCutMode(mode)), QString::fromUtf8(captions[mode]));
        EXPECT_EQ(SilenceLevelsEnabled(mode), mode != 0);
    }
    EXPECT_EQ(SilenceCutCaption(SilenceCutMode(7)), QString::fromUtf8("カットOFF"));
    EXPECT_FALSE(SilenceLevelsEnabled(7));

    EXPECT_EQ(TabIndexFromTSNo(3), 3);  // TabSheet4, the reversal tab
    EXPECT_EQ(TabIndexFromTSNo(6), 0);
    EXPECT_EQ(TabIndexFromTSNo(-1), 0);
    EXPECT_EQ(TSNoFromTabIndex(5), 5);
    EXPECT_EQ(TSNoFromTabIndex(-1), 6);
}

TEST(SettingsColours, IndexesGiveTheirColoursOnlyWithStartTimesOn)
{
    EXPECT_EQ(ColourFromBGR(0x123456), QColor(0x56, 0x34, 0x12));  // red in the low byte
    const QColor panel[] = {Qt::blue, Qt::red, QColor(0, 255, 0), Qt::yellow, Qt::cyan, Qt::magenta};
    const QColor text[] = {Qt::white, Qt::white, Qt::black, Qt::black, Qt::black, Qt::white};
    for (int index = 1; index <= 6; ++index) {
        EXPECT_EQ(ContinuousPlayColour(index, true), panel[index - 1]) << index;
        EXPECT_EQ(StartTimeMarkerColours(index, true), (MarkerColours{text[index - 1], panel[index - 1]})) << index;
        EXPECT_EQ(ContinuousPlayColour(index, false), std::nullopt);
        EXPECT_EQ(StartTimeMarkerColours(index, false), std::nullopt);
    }
    for (int index : {0, 7, -1}) {
        EXPECT_EQ(ContinuousPlayColour(index, true), std::nullopt) << index;
        EXPECT_EQ(StartTimeMarkerColours(index, true), std::nullopt) << index;
    }
}

TEST(SettingsColourSchemes, CheckingOneUnchecksTheOther)
{
    SettingsValues values;  // TALVO_COLOR on, BackColor off
    ClickBackColour(values);
    EXPECT_TRUE(values.BackColor);
    EXPECT_FALSE(values.TALVO_COLOR);
    ClickTalvoColour(values);
    EXPECT_TRUE(values.TALVO_COLOR);
    EXPECT_FALSE(values.BackColor);
    ClickTalvoColour(values);  // unchecking touches nothing else
    EXPECT_FALSE(values.TALVO_COLOR || values.BackColor);
}

TEST(SettingsColourSchemes, ColoursOfEachScheme)
{
    QPalette system;
    system.setColor(QPalette::Button, QColor(240, 240, 240));
    system.setColor(QPalette::WindowText, QColor(10, 10, 10));
    system.setColor(QPalette::Base, QColor(255, 255, 250));
    EXPECT_EQ(MainWindowColours(true, system), (WindowColours{QColor(0, 128, 0), Qt::white}));
    EXPECT_EQ(MainWindowColours(false, system), (WindowColours{QColor(240, 240, 240), QColor(10, 10, 10)}));
    const QColor parent(0, 128, 0);
    EXPECT_EQ(ListColour(true, system, parent), QColor(255, 255, 250));
    EXPECT_EQ(ListColour(false, system, parent), parent);
}
