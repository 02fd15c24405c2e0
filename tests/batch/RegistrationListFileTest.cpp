#include "RegistrationListFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include "BatchTestSupport.h"
#include "TextFiles.h"

namespace {

RegistrationListContent Sample()
{
    RegistrationListContent content;
    content.widths = {0, 280, 90, 150, 50};
    content.rows = {FileRow{QStringLiteral("録音ﾃｽﾄ　①.wav"), QStringLiteral("/home/u/音楽/録音ﾃｽﾄ　①.wav"),
                            QStringLiteral("  10,000"), QStringLiteral("24/03/09 07:05:02 Sat"), QStringLiteral("   A")},
                    FileRow{QStringLiteral("odd\tname\\with\r\nbreaks\\t.wav"), QStringLiteral("/x/odd\tname\\with\r\nbreaks\\t.wav"),
                            {}, {}, {}},
                    FileRow{QStringLiteral("odd\tname\\with\r\nbreaks\\t.wav"), QStringLiteral("/x/odd\tname\\with\r\nbreaks\\t.wav"),
                            {}, {}, {}}};
    return content;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class RegistrationListFileTest : public TempUserTest {};

TEST_F(RegistrationListFileTest, RoundTripKeepsEveryTextInUtf8AndEarlierFilesLoad)
{
    const QString path = programFile("VANTROMG.VEW");
    ASSERT_TRUE(SaveRegistrationList(path, Sample()));
    EXPECT_EQ(LoadRegistrationList(path), Sample());

    const QByteArray bytes = Bytes(path);
    EXPECT_TRUE(bytes.startsWith("VANTRO-VEW\t1\n"));
    EXPECT_TRUE(bytes.contains(QStringLiteral("録音ﾃｽﾄ　①.wav").toUtf8()));
    EXPECT_EQ(bytes.count("\n"), 5);  // header, widths, three rows: names hold no line break
    EXPECT_EQ(bytes.count("\r"), 0);

    // A file of an earlier version: CP932 with CR LF.
    WriteBytes(path, *ToCp932(QString::fromUtf8(bytes).replace("\n", "\r\n")));
    EXPECT_EQ(LoadRegistrationList(path), Sample());
}

TEST_F(RegistrationListFileTest, NamesOutsideShiftJisSurviveAndAnEmptyListStaysEmpty)
{
    RegistrationListContent content;
    content.rows = {FileRow{QStringLiteral("émoji 🎵.wav"), QStringLiteral("/m/émoji 🎵.wav"), {}, {}, {}}};
    const QString path = programFile("VANTROMK.VEW");
    ASSERT_TRUE(SaveRegistrationList(path, content));
    EXPECT_EQ(LoadRegistrationList(path), content);

    ASSERT_TRUE(SaveRegistrationList(path, RegistrationListContent{}));
    EXPECT_EQ(LoadRegistrationList(path), RegistrationListContent{});
}

TEST_F(RegistrationListFileTest, MissingOrDamagedFilesGiveNothing)
{
    EXPECT_EQ(LoadRegistrationList(programFile("VANTROMR.VEW")), std::nullopt);

    const QString path = programFile("VANTROML.VEW");
    const QByteArray good = EncodeTextLines(EncodeRegistrationList(Sample()));
    const QList<QByteArray> damaged{
        QByteArray(),
        QByteArray("\x00\xff\xfe garbage", 11),
        good.left(good.indexOf("\n")),                                // header only
        QByteArray(good).replace("VANTRO-VEW", "VANTRO-XXX"),        // foreign header
        QByteArray(good).replace("\t   A\n", "\n"),                    // a row one field short
        QByteArray(good).replace("\t280\t", "\t-5\t"),               // a width below 0
        QByteArray(good).replace("\\r\\n", "\\r\\q"),             // an unknown escape
        good + "R\ttrailing\\",                                       // an escape cut off
    };
    for (const QByteArray& bytes : damaged) {
        WriteBytes(path, bytes);
        EXPECT_EQ(LoadRegistrationList(path), std::nullopt) << bytes.toStdString();
    }
}
