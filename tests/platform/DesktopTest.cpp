#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "RecordingDesktop.h"

namespace {

QApplication& DesktopTestApplication()
{
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return *running;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    return *new QApplication(argc, argv);  // never destroyed: it would outlive Qt's statics
}

}  // namespace

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

        const std::vector<DesktopCall> expected = {{DesktopCallKind::OpenFile, "/tmp/a.txt"},
                                                   {DesktopCallKind::SetClipboardText, "text"},
                                                   {DesktopCallKind::OpenUrl, "file:///help/index.html"},
                                                   {DesktopCallKind::OpenFile, "/tmp/b.txt"}};
        EXPECT_EQ(recording->calls(), expected);
        EXPECT_EQ(recording->openedFiles(), (QStringList{"/tmp/a.txt", "/tmp/b.txt"}));
        EXPECT_EQ(recording->clipboardText(), "text");
    }
    EXPECT_EQ(&desktop(), before);
}

TEST(SystemDesktopTest, MissingFileFailsAndClipboardTakesTheText)
{
    DesktopTestApplication();
    // Nothing is launched for a file that does not exist.
    EXPECT_FALSE(desktop().openFile("/no/such/folder/HENKAN$$.TXT"));
    desktop().setClipboardText(QString::fromUtf8("曲.wav"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("曲.wav"));
}
