#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ShiftJisText.h"

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(ShiftJisText, WritesCp932WithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("LIST.TXT");
    // "表示" is 95 5C 8E A6 and "ソ" 83 5C (second bytes are backslashes), "ﾄﾞ" C4 DE.
    ASSERT_TRUE(WriteTextLines(path, {QString::fromUtf8("ソ表示"), QString(), QString::fromUtf8("ﾄﾞA")}));
    EXPECT_EQ(FileBytes(path), QByteArray("\x83\x5C\x95\x5C\x8E\xA6\r\n\r\n\xC4\xDE" "A\r\n"));
    EXPECT_EQ(ReadTextLines(path), (QStringList{QString::fromUtf8("ソ表示"), QString(), QString::fromUtf8("ﾄﾞA")}));
}

TEST(ShiftJisText, FallsBackToUtf8WithByteOrderMark)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("LIST.TXT");
    const QStringList lines = {QString::fromUtf8("ソ"), QString::fromUtf8("café")};
    ASSERT_TRUE(WriteTextLines(path, lines));
    EXPECT_EQ(FileBytes(path), QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("ソ\r\ncafé\r\n").toUtf8());
    EXPECT_EQ(ReadTextLines(path), lines);
    EXPECT_FALSE(ToCp932(QString::fromUtf8("café")));
    EXPECT_EQ(ToCp932(QString::fromUtf8("ソ")), QByteArray("\x83\x5C"));
}

TEST(ShiftJisText, ReadsEveryLineEnd)
{
    EXPECT_EQ(DecodeTextLines("a\rb\nc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(DecodeTextLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(DecodeTextLines("\r\n"), QStringList{""});
    EXPECT_EQ(DecodeTextLines(""), QStringList{});
    EXPECT_EQ(DecodeTextLines("\xEF\xBB\xBF"), QStringList{});
    EXPECT_EQ(DecodeTextLines("\x83\x5C\r"), QStringList{QString::fromUtf8("ソ")});
}

TEST(ShiftJisText, ReplacesAFileWholeAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("LOG.TXT");
    ASSERT_TRUE(WriteTextLines(path, {"1", "2", "3"}));
    ASSERT_TRUE(WriteTextLines(path, {"4"}));
    EXPECT_EQ(FileBytes(path), QByteArray("4\r\n"));
    EXPECT_FALSE(WriteTextLines(dir.filePath("missing/LOG.TXT"), {"x"}));
    EXPECT_FALSE(ReadTextLines(dir.filePath("missing.TXT")));
}
