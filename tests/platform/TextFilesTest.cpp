#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "TextFiles.h"

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Written in UTF-8 with LF line ends, as desktop editors expect.
TEST(TextFiles, WritesUtf8WithLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("LIST.TXT");
    const QStringList lines = {QString::fromUtf8("ソ表示"), QString(), QString::fromUtf8("ﾄﾞA café")};
    ASSERT_TRUE(WriteTextLines(path, lines));
    EXPECT_EQ(FileBytes(path), QString::fromUtf8("ソ表示\n\nﾄﾞA café\n").toUtf8());
    EXPECT_EQ(ReadTextLines(path), lines);
}

// Read as UTF-8 when valid UTF-8, with or without a mark, else as CP932 (files
// of earlier versions): "名前" in UTF-8 is also valid CP932 and must stay "名前".
TEST(TextFiles, ReadsUtf8WhenValidAndCp932Otherwise)
{
    const QString name = QString::fromUtf8("名前.wav");
    EXPECT_EQ(DecodeTextLines(name.toUtf8()), QStringList{name});
    EXPECT_EQ(DecodeTextLines("\xEF\xBB\xBF" + name.toUtf8() + "\r\n"), QStringList{name});
    // "表示" is 95 5C 8E A6 and "ソ" 83 5C in CP932 (second bytes are backslashes), "ﾄﾞ" C4 DE.
    EXPECT_EQ(DecodeTextLines("\x83\x5C\x95\x5C\x8E\xA6\r\n\r\n\xC4\xDE" "A\r\n"),
              (QStringList{QString::fromUtf8("ソ表示"), QString(), QString::fromUtf8("ﾄﾞA")}));
    EXPECT_EQ(DecodeTextLines(*ToCp932(name)), QStringList{name});
}

TEST(TextFiles, ReadsEveryLineEnd)
{
    EXPECT_EQ(DecodeTextLines("a\rb\nc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(DecodeTextLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(DecodeTextLines("\r\n"), QStringList{""});
    EXPECT_EQ(DecodeTextLines(""), QStringList{});
    EXPECT_EQ(DecodeTextLines("\xEF\xBB\xBF"), QStringList{});
    EXPECT_EQ(DecodeTextLines("\x83\x5C\r"), QStringList{QString::fromUtf8("ソ")});
}

TEST(TextFiles, ReplacesAFileWholeAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("LOG.TXT");
    ASSERT_TRUE(WriteTextLines(path, {"1", "2", "3"}));
    ASSERT_TRUE(WriteTextLines(path, {"4"}));
    EXPECT_EQ(FileBytes(path), QByteArray("4\n"));
    EXPECT_FALSE(WriteTextLines(dir.filePath("missing/LOG.TXT"), {"x"}));
    EXPECT_FALSE(ReadTextLines(dir.filePath("missing.TXT")));
}
