// The file list's rows: which files, their texts, their orders and the
// way they are drawn.
#include <QRegularExpression>

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "BrowserTestSupport.h"
#include "BrowserTexts.h"
#include "FileListing.h"
#include "ListDrawing.h"
#include "TextFormats.h"

namespace fs = std::filesystem;

namespace {

QStringList Captions(const std::vector<FileRow>& rows)
{
    QStringList captions;
    for (const FileRow& row : rows) captions << row.caption;
    return captions;
}

std::vector<FileRow> List(const std::string& folder, bool all)
{
    auto rows = ListFolderFiles(folder, SplitMasks(FileMaskText(all)));
    EXPECT_TRUE(rows.has_value());
    return rows.value_or(std::vector<FileRow>{});
}

class FolderOfFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteWav(dir, "a.wav");
        WriteWav(dir, "B.WAV");
        WriteWav(dir, ".hidden.Wav");
        WriteText(dir, "notes.txt");
        WriteText(dir, "wav");
        fs::create_directory(dir.path() / "folder.wav");
    }
    TempDir dir;
};

}  // namespace

TEST_F(FolderOfFiles, WavMaskTakesWavFilesOfAnyCaseAndNeverFolders)
{
    const QStringList captions = Captions(List(dir.path().string(), false));
    EXPECT_EQ(captions.size(), 3);
    for (const char* name : {"a.wav", "B.WAV", ".hidden.Wav"}) EXPECT_TRUE(captions.contains(name)) << name;
}

TEST_F(FolderOfFiles, AllMaskTakesEveryFileButStillNoFolders)
{
    const QStringList captions = Captions(List(dir.path().string(), true));
    EXPECT_EQ(captions.size(), 5);
    EXPECT_TRUE(captions.contains("notes.txt"));
    EXPECT_TRUE(captions.contains("wav"));
    EXPECT_FALSE(captions.contains("folder.wav"));
}

TEST_F(FolderOfFiles, TrailingSeparatorListsTheSameAndPathsHaveOneSeparator)
{
    const std::string plain = dir.path().string();
    const auto without = List(plain, false);
    const auto with = List(plain + "/", false);
    EXPECT_EQ(without, with);
    const auto a = std::find_if(with.begin(), with.end(), [](const FileRow& r) { return r.caption == "a.wav"; });
    ASSERT_NE(a, with.end());
    EXPECT_EQ(a->path, QString::fromStdString(plain + "/a.wav"));
}

TEST_F(FolderOfFiles, RowTextsGiveSizeDateAndAttributes)
{
    fs::permissions(dir.path() / "B.WAV", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    for (const FileRow& row : List(dir.path().string(), false)) {
        EXPECT_EQ(row.size, "      48") << row.caption.toStdString();  // 44-byte header + 4 bytes
        EXPECT_TRUE(QRegularExpression(R"(^\d\d/\d\d/\d\d \d\d:\d\d:\d\d (Sun|Mon|Tue|Wed|Thu|Fri|Sat)$)")
                        .match(row.date).hasMatch())
            << row.date.toStdString();
        if (row.caption == "a.wav") {
            EXPECT_EQ(row.attributes, "   A");
        }
        if (row.caption == "B.WAV") {
            EXPECT_EQ(row.attributes, "R  A");
        }
        if (row.caption == ".hidden.Wav") {
            EXPECT_EQ(row.attributes, "  HA");
        }
    }
}

TEST(FileListing, UnreadableFolderGivesNothing)
{
    EXPECT_FALSE(ListFolderFiles("/no/such/folder/here", SplitMasks("*.wav")).has_value());
}

TEST(FileListing, MasksMatchWildcardsWithoutRegardToCase)
{
    EXPECT_EQ(SplitMasks("*.wav;;*.mp3"), QStringList({"*.wav", "*.mp3"}));
    EXPECT_TRUE(MatchesMask("Take 1.WaV", "*.wav"));
    EXPECT_FALSE(MatchesMask("take.wav.txt", "*.wav"));
    EXPECT_FALSE(MatchesMask("wav", "*.wav"));
    EXPECT_TRUE(MatchesMask("a1.wav", "a?.wav"));
    EXPECT_FALSE(MatchesMask("a12.wav", "a?.wav"));
    EXPECT_TRUE(MatchesMask("no extension", "*.*"));
}

TEST(FileListing, PaddedSizeSortPutsLongerNumbersAfterShorterOnes)
{
    const FileRow seven{"a", "", QStringLiteral("1,234,567"), "", ""};
    const FileRow six{"b", "", QStringLiteral(" 999,999"), "", ""};
    const FileRow small{"c", "", QStringLiteral("      48"), "", ""};
    EXPECT_EQ(seven.size, QString::fromStdString(FormatN(1234567, 8)));
    EXPECT_GT(CompareByColumn(seven, six, FileColumn::Size), 0);
    EXPECT_LT(CompareByColumn(six, seven, FileColumn::Size), 0);
    EXPECT_LT(CompareByColumn(small, six, FileColumn::Size), 0);
    EXPECT_EQ(CompareByColumn(six, six, FileColumn::Size), 0);
}

TEST(FileListing, CountCaptionsShowFillingThenCount)
{
    EXPECT_EQ(FileCountCaption(std::nullopt), BrowserTexts::FileCountFilling);
    EXPECT_EQ(FileCountCaption(12), "12" + BrowserTexts::CountSuffix + BrowserTexts::FileCountTail);
    EXPECT_EQ(FolderCountCaption(std::nullopt), BrowserTexts::FolderCountFilling);
    EXPECT_EQ(FolderCountCaption(0), "0" + BrowserTexts::CountSuffix + BrowserTexts::FolderCountTail);
    EXPECT_TRUE(TreeCountCaption(3).endsWith(BrowserTexts::TreeCountTail));
}

TEST(ListDrawing, SystemIsItalicHiddenIsStruckOutSelectedIsBold)
{
    EXPECT_EQ(RowFontOf("   A", false), (RowFont{false, false, false}));
    EXPECT_EQ(RowFontOf(" SHA", false), (RowFont{true, true, false}));
    EXPECT_EQ(RowFontOf("  HA", true), (RowFont{false, true, true}));
    EXPECT_EQ(RowFontOf(" S", false), (RowFont{false, false, false}));  // not four characters
    EXPECT_EQ(RowFontOf("", true), (RowFont{false, false, true}));
}
