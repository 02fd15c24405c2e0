// The list files in the program folder: names, the folder-history limit, the
// file format, and missing files.
#include "ListFiles.h"
#include "WindowTestSupport.h"

namespace {

using ListFilesTest = TestUser;

QStringList Numbered(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n) lines << QStringLiteral("/music/folder%1").arg(n);
    return lines;
}

}  // namespace

TEST_F(ListFilesTest, NamedAfterTheProgramWordInTheProgramFolder)
{
    EXPECT_EQ(ListFilePath(ListFile::FolderHistory), programPath("VANTROFH.LIS"));
    EXPECT_EQ(ListFilePath(ListFile::ListJoin), programPath("VANTROKL.LIS"));
    EXPECT_EQ(ListFilePath(ListFile::Rename), programPath("VANTROIR.LIS"));
}

TEST_F(ListFilesTest, FolderHistoryOfTwentyIsWrittenAsItsNewestSixteen)
{
    ASSERT_TRUE(SaveListFile(ListFile::FolderHistory, Numbered(20)));
    EXPECT_EQ(LoadListFile(ListFile::FolderHistory), Numbered(16));
    // The line lists keep every line.
    ASSERT_TRUE(SaveListFile(ListFile::ListJoin, Numbered(20)));
    EXPECT_EQ(LoadListFile(ListFile::ListJoin).size(), 20);
}

TEST_F(ListFilesTest, WrittenInShiftJisWithCrLfAndReadBack)
{
    const QStringList lines = {QString::fromUtf8("/home/user/音楽/ソ"), QString::fromUtf8("ｶｾｯﾄ 1.wav"), QString()};
    ASSERT_TRUE(SaveListFile(ListFile::Rename, lines));
    const QByteArray bytes = FileBytes(ListFilePath(ListFile::Rename));
    // "ソ" is 0x83 0x5C in CP932; half-width kana are single bytes.
    EXPECT_TRUE(bytes.startsWith("/home/user/\x89\xb9\x8a\x79/\x83\x5c\r\n")) << bytes.toHex().toStdString();
    EXPECT_TRUE(bytes.contains("\xb6\xbe\xaf\xc4 1.wav\r\n\r\n"));
    EXPECT_EQ(LoadListFile(ListFile::Rename), lines);
}

TEST_F(ListFilesTest, MissingOrUnwritableFiles)
{
    EXPECT_TRUE(LoadListFile(ListFile::FolderHistory).isEmpty());
    EXPECT_TRUE(LoadListFile(ListFile::ListJoin).isEmpty());
    // A folder in the file's place: the save fails and says so.
    QDir().mkpath(ListFilePath(ListFile::ListJoin));
    EXPECT_FALSE(SaveListFile(ListFile::ListJoin, {QStringLiteral("x")}));
    EXPECT_TRUE(LoadListFile(ListFile::ListJoin).isEmpty());
}
