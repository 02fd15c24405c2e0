// The list files in the program folder: names, the folder-history limit, the
// file format, and missing files.
#include <QFile>
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

TEST_F(ListFilesTest, WrittenInUtf8WithLfAndReadBackAlsoFromEarlierVersions)
{
    const QStringList lines = {QString::fromUtf8("/home/user/音楽/ソ"), QString::fromUtf8("ｶｾｯﾄ 1.wav"), QString()};
    ASSERT_TRUE(SaveListFile(ListFile::Rename, lines));
    EXPECT_EQ(FileBytes(ListFilePath(ListFile::Rename)), (lines.join('\n') + '\n').toUtf8());
    EXPECT_EQ(LoadListFile(ListFile::Rename), lines);
    // A file of an earlier version, in CP932 with CR LF: "ソ" is 0x83 0x5C, half-width kana single bytes.
    QFile old(ListFilePath(ListFile::Rename));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("/home/user/\x89\xb9\x8a\x79/\x83\x5c\r\n\xb6\xbe\xaf\xc4 1.wav\r\n\r\n");
    old.close();
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
