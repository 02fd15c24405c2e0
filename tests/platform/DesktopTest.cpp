#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

#include "TestApplication.h"
#include "RecordingDesktop.h"
#include "ScopedEnvironment.h"
#include "TextFiles.h"
#include "TextViewer.h"

TEST(RecordingDesktopTest, RecordsEveryCallAndFailsOpensWhenTold)
{
    Desktop* before = &desktop();
    {
        ScopedRecordingDesktop recording;
        EXPECT_EQ(&desktop(), &recording.recorder());
        EXPECT_TRUE(desktop().openFile("/tmp/a.txt"));
        desktop().setClipboardText("text");
        recording->setFailOpens(true);
        EXPECT_FALSE(desktop().openUrl("file:///help/index.html"));
        EXPECT_FALSE(desktop().openFile("/tmp/b.txt"));
        EXPECT_FALSE(desktop().startProgram("/usr/bin/mixer", {"--tab=1"}));

        const std::vector<DesktopCall> expected = {{DesktopCallKind::OpenFile, "/tmp/a.txt"},
                                                   {DesktopCallKind::SetClipboardText, "text"},
                                                   {DesktopCallKind::OpenUrl, "file:///help/index.html"},
                                                   {DesktopCallKind::OpenFile, "/tmp/b.txt"},
                                                   {DesktopCallKind::StartProgram, "/usr/bin/mixer"}};
        EXPECT_EQ(recording->calls(), expected);
        EXPECT_EQ(recording->startedPrograms(), (std::vector<QStringList>{{"/usr/bin/mixer", "--tab=1"}}));
        EXPECT_EQ(recording->openedFiles(), (QStringList{"/tmp/a.txt", "/tmp/b.txt"}));
        EXPECT_EQ(recording->clipboardText(), "text");
    }
    EXPECT_EQ(&desktop(), before);
}

namespace {

// The session's desktop, with PATH holding only a folder in which a test
// puts the opener it wants: none, one that fails, one that succeeds.
class SystemDesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        ASSERT_TRUE(QDir().mkpath(bin()));
        environment_.set("PATH", bin().toStdString());
        previous_ = replaceDesktop(nullptr);
    }
    void TearDown() override
    {
        qDeleteAll(Viewers());
        replaceDesktop(std::move(previous_));
    }

    QString bin() const { return dir_.filePath(QStringLiteral("bin")); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // An opener that runs the shell script with the target as $1.
    void opener(const QByteArray& script) const
    {
        const QString path = bin() + QStringLiteral("/xdg-open");
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script + "\n");
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    static QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QList<TextViewer*> Viewers()
    {
        QList<TextViewer*> viewers;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* viewer = qobject_cast<TextViewer*>(widget)) viewers << viewer;
        return viewers;
    }

    // Waits until the viewers number `count` (or the time runs out).
    static bool WaitForViewers(qsizetype count, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (Viewers().size() != count && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return Viewers().size() == count;
    }

    QTemporaryDir dir_;
    ScopedEnvironment environment_;
    std::unique_ptr<Desktop> previous_;
};

}  // namespace

TEST_F(SystemDesktopTest, WithoutAViewerToStartTheRecordIsShownInTheProgramsOwn)
{
    const QString record = file(QStringLiteral("記録$$.TXT"));
    ASSERT_TRUE(WriteTextLines(record, {QStringLiteral("  8000/ 8/  mono 録音.wav"), QStringLiteral("二行目")}));
    ASSERT_FALSE(FileBytes(record).startsWith("\xEF\xBB\xBF"));  // UTF-8 without a mark on disk

    // No opener at all, then one that finds no viewer.
    EXPECT_TRUE(desktop().openFile(record));
    opener("exit 3");
    EXPECT_TRUE(desktop().openFile(record));
    ASSERT_EQ(Viewers().size(), 2);
    for (TextViewer* viewer : Viewers()) {
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(viewer->windowTitle().startsWith(QStringLiteral("記録$$.TXT")));
        EXPECT_EQ(viewer->ViewerText->toPlainText(), QStringLiteral("  8000/ 8/  mono 録音.wav\n二行目"));
        EXPECT_TRUE(viewer->ViewerText->isReadOnly());
    }
    // The text can be copied whole.
    Viewers().front()->ViewerText->selectAll();
    Viewers().front()->ViewerText->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("  8000/ 8/  mono 録音.wav\n二行目"));

    // An opener that starts a viewer is left to it; a file that is not there
    // and a web page nothing can open fail, for the caller to say so.
    qDeleteAll(Viewers());
    const QString opened = file(QStringLiteral("opened"));
    opener("printf '%s' \"$1\" > '" + opened.toUtf8() + "'");
    EXPECT_TRUE(desktop().openFile(record));
    EXPECT_EQ(QString::fromUtf8(FileBytes(opened)), record);
    opener("exit 3");
    EXPECT_FALSE(desktop().openFile(file(QStringLiteral("missing.TXT"))));
    EXPECT_FALSE(desktop().openUrl(QStringLiteral("https://example.invalid/help")));
    EXPECT_TRUE(Viewers().isEmpty());
}

TEST_F(SystemDesktopTest, AnOpenerThatFailsAfterAWhileStillLeavesTheRecordReadable)
{
    const QString record = file(QStringLiteral("KL$$.TXT"));
    ASSERT_TRUE(WriteTextLines(record, {QStringLiteral("結合")}));
    opener("/bin/sleep 1.3; exit 4");
    EXPECT_TRUE(desktop().openFile(record));
    EXPECT_TRUE(Viewers().isEmpty());
    ASSERT_TRUE(WaitForViewers(1, 5000));
    EXPECT_EQ(Viewers().front()->ViewerText->toPlainText(), QStringLiteral("結合"));
}

TEST(SessionDesktopTest, MissingFileFailsAndClipboardTakesTheText)
{
    TestApplication();
    // Nothing is launched for a file that does not exist.
    EXPECT_FALSE(desktop().openFile("/no/such/folder/HENKAN$$.TXT"));
    desktop().setClipboardText(QString::fromUtf8("曲.wav"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("曲.wav"));
}
