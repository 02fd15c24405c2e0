// The parts a cut writes: chosen entries, ranges, names and log lines.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>

#include "CutLogLine.h"
#include "CutPlan.h"
#include "PartNames.h"
#include "TestWav.h"

namespace {

using Texts = std::vector<std::string>;

void Touch(const std::filesystem::path& p) { std::ofstream(p).put('x'); }

std::string Ranges(const std::vector<CutPart>& parts)
{
    std::string text;
    for (const auto& p : parts)
        text += std::to_string(p.index) + ":" + std::to_string(p.CutFrom) + "-" + std::to_string(p.CutTo) + ":" +
                p.category + " ";
    return text;
}

}  // namespace

TEST(CutPlan, ColourFiltersChooseByMarkAndEveryPartReachesTheNextEntry)
{
    const Texts entries = {"000000", "010000", "020000", "030000", "040000"};
    const Texts codes = {"1", "2", "", "1", "@"};
    const std::array<std::string, 7> names = {"", "intro", "", "", "", "", ""};
    CutRequest r;
    r.entries = &entries;
    r.selected = {false, true};
    r.StartList = &codes;
    r.CategoryNames = &names;
    r.startTimesEnabled = true;
    r.CutFilter = CutFilterOf(1);
    // Blue only, whatever the selection; the last part runs to the end.
    EXPECT_EQ(Ranges(PlanCut(r)), "0:0-10000:intro 3:30000-40000:intro ");
    r.CutFilter = CutFilterOf(0);
    EXPECT_EQ(Ranges(PlanCut(r)), "0:0-10000:intro 1:10000-20000: 3:30000-40000:intro 4:40000--1: ");
    // Without start times the selection counts and no colour names a part.
    r.startTimesEnabled = false;
    EXPECT_EQ(Ranges(PlanCut(r)), "1:10000-20000: ");
    r.selected.assign(5, true);
    r.list = ListKind::Step1s;
    EXPECT_TRUE(Ranges(PlanCut(r)).ends_with(" 3:30000-40000: 4:40000-41000: "));
    r.selected.clear();
    EXPECT_TRUE(PlanCut(r).empty());
}

TEST(PartNames, LongAndShortPrefixesCategoriesAndNoSilentReplacement)
{
    TempDir dir;
    const std::string folder = dir.path().string() + "/";
    const auto now = std::chrono::system_clock::now();
    EXPECT_TRUE(std::regex_match(LongNamePrefix("base", now), std::regex("base_\\d{6}_\\d{6}_")));

    // The short form: "_" first, then the first counter no file uses, matched
    // without regard to case; folders do not count.
    EXPECT_EQ(ShortNamePrefix(folder, "base", now), "base_");
    std::filesystem::create_directory(dir.path() / "base_000000.wav");
    EXPECT_EQ(ShortNamePrefix(folder, "base", now), "base_");
    Touch(dir.path() / "BASE_000000.WAV");
    EXPECT_EQ(ShortNamePrefix(folder, "base", now), "base_c000_");
    Touch(dir.path() / "base_c000_000000_intro.wav");
    EXPECT_EQ(NamePrefix(folder, "base", true, now), "base_c001_");
    // All thousand taken: the date-time form still names the parts apart.
    for (int n = 1; n < 1000; ++n) Touch(dir.path() / ("base_c" + ZeroPadded(n, 3) + "_1.wav"));
    EXPECT_EQ(ShortNamePrefix(folder, "base", now), LongNamePrefix("base", now));

    const TimeFormat plain = MakeTimeFormat(180000, false);
    EXPECT_EQ(PartName(folder, "base_080501_134502_", 60000, plain, "intro", ".WAV"),
              folder + "base_080501_134502_060000_intro.WAV");
    EXPECT_EQ(PartName(folder, "b_", 60000, MakeTimeFormat(180000, true), "", ".wav"), folder + "b_1m00000.wav");

    const std::string taken = folder + "base_c000_000000_intro.wav";
    EXPECT_EQ(FreePartName(taken), folder + "base_c000_000000_intro_m000.wav");
    EXPECT_EQ(FreePartName(folder + "free.wav"), folder + "free.wav");
}

TEST(CutLog, LengthTextsAndTheLine)
{
    EXPECT_EQ(CutLengthText(60000, false), "60s000");
    EXPECT_EQ(CutLengthText(60000, true), "1m00000");
    EXPECT_EQ(CutLengthText(999, false), "0s999");
    EXPECT_EQ(CutLengthText(-1, true), "---s");
    const std::string line = CutLogLine("/o/a_000000.wav", "60s000", std::chrono::system_clock::now());
    EXPECT_TRUE(std::regex_match(line, std::regex("/o/a_000000\\.wav  60s000  \\d\\d/\\d\\d/\\d\\d (Sun|Mon|Tue|Wed|Thu|Fri|Sat) "
                                                  "\\d\\d:\\d\\d:\\d\\d ")))
        << line;
}
