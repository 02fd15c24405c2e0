// Cut times read from and written to label files, cue sheets and plain lists.
#include <gtest/gtest.h>

#include "TimeExchange.h"

namespace {

using Texts = std::vector<std::string>;
using Names = std::array<std::string, ColourCodeCount>;

std::string Listed(const TimesRead& read)
{
    std::string text;
    for (const auto& t : read.times) text += std::to_string(t.ms) + ":" + t.name + " ";
    return text + "left out " + std::to_string(read.leftOut);
}

RegisteredTimes Registered(Texts times, Texts codes)
{
    RegisteredTimes registered;
    registered.assign(std::move(times), std::move(codes));
    return registered;
}

}  // namespace

TEST(TimeExchange, PlainListsReadEveryFormOnceAndCountWhatIsNoTime)
{
    const Texts lines = {"1:02:03.456", "2:05.5", "0:07\r\n", " 12.5 ", "12500", "300", "", "59.9995",
                         "-5", "1:60", "1:2", "abc", "12.", "99999999"};
    EXPECT_EQ(DetectTimesKind(lines), TimesFileKind::Plain);
    EXPECT_EQ(Listed(ReadTimesFile(lines, 4000000)),
              "300: 7000: 12500: 60000: 125500: 3723456: left out 6");
    EXPECT_EQ(ReadTimesFile({"99999999"}, -1).times.size(), 1u);
}

TEST(TimeExchange, LabelFilesGiveStartsWithTheirTexts)
{
    const Texts lines = {"\xEF\xBB\xBF" "1.500000\t2.000000\tintro\r\n", "0.25\t0.25\r", "\\\t100.0\t2000.0",
                         "# header", "3\t4\tverse 1\r\n", "x\t1\ty", "1.5\t9\tagain", "5"};
    EXPECT_EQ(DetectTimesKind(lines), TimesFileKind::Labels);
    EXPECT_EQ(Listed(ReadTimesFile(lines, 4000)), "250: 1500:intro 3000:verse 1 left out 2");
}

TEST(TimeExchange, CueSheetsGiveEachTracksIndexAndTitle)
{
    const Texts lines = {"\xEF\xBB\xBF" "REM GENRE Talk", "PERFORMER \"p\"", "TITLE \"whole sheet\"",
                         "FILE \"a.wav\" WAVE", "  TRACK 01 AUDIO", "    TITLE \"one\"", "    INDEX 00 00:00:00",
                         "    INDEX 01 00:00:05\r", "  TRACK 02 AUDIO", "    TITLE two", "    INDEX 01 01:02:01",
                         "  TRACK 03 AUDIO", "    INDEX 01 100:00:74", "  TRACK 04 AUDIO", "    INDEX 01 00:61:00",
                         "  TRACK 05 AUDIO", "    TITLE \"late\"", "    INDEX 01 200:00:00", "  TRACK 06 AUDIO",
                         "    INDEX 01 00:00:05", "nonsense"};
    EXPECT_EQ(DetectTimesKind(lines), TimesFileKind::Cue);
    // Frames round to the nearest ms: 5 -> 67, 1 -> 13, 74 -> 987.
    EXPECT_EQ(Listed(ReadTimesFile(lines, 7000000)), "67:one 62013:two 6000987: left out 3");
}

TEST(TimeExchange, LabelAndCueLinesCharacterForCharacter)
{
    const std::vector<ExportPart> parts = {{0, 12345, "intro"}, {12345, 59995, ""}, {59995, 6000000, "say \"hi\""}};
    EXPECT_EQ(LabelLines(parts), (Texts{"0.000000\t12.345000\tintro", "12.345000\t59.995000\t",
                                        "59.995000\t6000.000000\tsay \"hi\""}));
    EXPECT_EQ(CueLines("/music/a b.wav", parts),
              (Texts{"FILE \"a b.wav\" WAVE", "  TRACK 01 AUDIO", "    TITLE \"intro\"", "    INDEX 01 00:00:00",
                     "  TRACK 02 AUDIO", "    INDEX 01 00:12:26", "  TRACK 03 AUDIO", "    TITLE \"say 'hi'\"",
                     "    INDEX 01 01:00:00"}));

    const std::vector<ExportPart> many(MaxCueTracks + 5, ExportPart{6000000, 6000000, ""});
    const Texts cue = CueLines("a.wav", many);
    ASSERT_EQ(cue.size(), 1u + 2 * MaxCueTracks);
    EXPECT_EQ(cue[cue.size() - 2], "  TRACK 99 AUDIO");
    EXPECT_EQ(cue.back(), "    INDEX 01 100:00:00");
}

TEST(TimeExchange, ExportedTimesComeBackWithTheirColoursAndNames)
{
    const TimeFormat format = MakeTimeFormat(3600000, false);
    const Names names = {"misc", "intro", "", "verse", "", "", ""};
    const auto roundTrip = [&](const RegisteredTimes& original, bool viaCue) {
        const auto parts = ExportParts(original, names, true, format.cutLength);
        const Texts lines = viaCue ? CueLines("a.wav", parts) : LabelLines(parts);
        RegisteredTimes imported;
        Names importedNames = names;
        const TimesImport result =
            ImportTimes(ReadTimesFile(lines, format.cutLength), imported, importedNames, format, true, "6");
        EXPECT_EQ(imported.times(), original.times());
        EXPECT_EQ(imported.StartList(), original.StartList());
        EXPECT_EQ(importedNames, names);
        EXPECT_EQ(result.registered, original.size());
        EXPECT_EQ(result.last, original.size() - 1);
    };

    const RegisteredTimes labelled =
        Registered({"0000000", "0012345", "0059995", "1234567"}, {"1", "", "3", "1"});
    const auto parts = ExportParts(labelled, names, true, format.cutLength);
    EXPECT_EQ(LabelLines(parts).back(), "1234.567000\t3600.000000\tintro");
    EXPECT_EQ(parts[1].name, "misc");
    EXPECT_EQ(ExportParts(labelled, names, false, format.cutLength)[0].name, "misc");
    roundTrip(labelled, false);
    // Cue sheets keep whole 1/75 s frames: 13 ms is frame 1, 40 ms frame 3.
    roundTrip(Registered({"0000000", "0000013", "0000040", "0061000"}, {"3", "1", "", "3"}), true);
}

TEST(TimeExchange, ImportingGivesNamesFreeColoursAndKeepsUnnamedCodes)
{
    const TimeFormat format = MakeTimeFormat(99000, false);
    TimesRead read;
    read.leftOut = 2;
    for (const char* name : {"a", "b", "", "c/d", "e", "f", "g", "h", "ZERO", ".."})
        read.times.push_back({static_cast<int64_t>(read.times.size()) * 1000, name});
    const RegisteredTimes before = Registered({"00000", "02000"}, {"4", "4"});

    // A name colours a time already registered; an unnamed one keeps its code.
    RegisteredTimes registered = before;
    Names names = {"ZERO", "", "", "", "", "", ""};
    TimesImport result = ImportTimes(read, registered, names, format, true, "2");
    EXPECT_EQ(names, (Names{"ZERO", "a", "b", "c_d", "e", "f", "g"}));
    EXPECT_EQ(registered.StartList(), (Texts{"1", "2", "4", "3", "4", "5", "6", "2", "", "2"}));
    EXPECT_EQ(result.registered, 8);
    EXPECT_EQ(result.unnamed, 1);
    EXPECT_EQ(result.leftOut, 2);
    EXPECT_EQ(result.last, 9);

    // Without start times names are neither given nor counted.
    registered = before;
    names = {};
    result = ImportTimes(read, registered, names, format, false, "");
    EXPECT_EQ(names, Names{});
    EXPECT_EQ(registered.StartList(), (Texts{"4", "", "4", "", "", "", "", "", "", ""}));
    EXPECT_EQ(result.unnamed, 0);
}
