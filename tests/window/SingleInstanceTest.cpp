// One running program per user, proven with real processes: the program
// binary started next to this test as the later start (or as both starts),
// and this test process as the running instance.
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <QMainWindow>

#include "ProgramBinary.h"
#include "SingleInstance.h"
#include "WindowTestSupport.h"

namespace {

class SingleInstanceTest : public TestUser {
protected:
    void SetUp() override
    {
        TestUser::SetUp();
        program_ = ProgramBinary();
        ASSERT_TRUE(QFileInfo(program_).isExecutable()) << "build the vantro target first: " << program_.toStdString();
    }
    void TearDown() override
    {
        for (QProcess* process : started_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
            delete process;
        }
        TestUser::TearDown();
    }

    // Starts the program with the test user's environment.
    QProcess& start(const QStringList& parameters)
    {
        auto* process = new QProcess;
        started_.push_back(process);
        process->setProgram(program_);
        process->setArguments(parameters);
        process->setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        EXPECT_TRUE(process->waitForStarted(5000));
        return *process;
    }

    // Runs the event loop (so this process's instance answers) until the
    // condition holds or the time is up; true when it holds.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > timeoutMs) return false;
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }
    static bool finishes(QProcess& process, int timeoutMs)
    {
        return waitUntil([&process] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    }

    QString socketPath(const char* windowClass) const { return SingleInstanceName(QString::fromLatin1(windowClass)); }
    bool listening(const char* windowClass) const { return QFileInfo::exists(socketPath(windowClass)); }

    void storeVersion16()
    {
        ASSERT_TRUE(WriteFile(qpath("config/TALVO SOFT32/VANTRO.conf"), "[General]\nVersion=16\n"));
    }

    QString program_;
    std::vector<QProcess*> started_;
};

}  // namespace

TEST_F(SingleInstanceTest, NamedAfterTheWindowClassAndTheUser)
{
    EXPECT_EQ(SingleInstanceName("TTALVO_VANTRO"), qpath("runtime/TTALVO_VANTRO-vantro-test"));
    EXPECT_EQ(JoinedParameters({"a", "b c", ">d"}), "a?b c?>d");
    EXPECT_EQ(JoinedParameters({}), "");
}

TEST_F(SingleInstanceTest, LaterStartHandsItsParametersOverAndEnds)
{
    SingleInstance running(SingleInstanceName("TTALVO_VANTRO"));
    ASSERT_TRUE(running.listen());
    QStringList received;
    QObject::connect(&running, &SingleInstance::received, [&received](const QString& text) { received << text; });

    QElapsedTimer clock;
    clock.start();
    QProcess& later = start({"a b", QString::fromUtf8("/録音/曲.wav"), ">out.wav"});
    ASSERT_TRUE(finishes(later, 15000));
    EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_LT(clock.elapsed(), 8000);
    EXPECT_EQ(received, QStringList({QString::fromUtf8("a b?/録音/曲.wav?>out.wav")}));
}

TEST_F(SingleInstanceTest, SecondOfTwoProgramStartsEndsAtOnceAndTheFirstRuns)
{
    storeVersion16();
    QProcess& first = start({});
    ASSERT_TRUE(waitUntil([this] { return listening("TTALVO_VANTRO"); }, 15000)) << "the first start never listened";

    QProcess& second = start({"x.wav"});
    ASSERT_TRUE(finishes(second, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, WithoutVersionTheInstallerWindowOpensOnceOnly)
{
    QProcess& first = start({});
    ASSERT_TRUE(waitUntil([this] { return listening("TVANTRO_SETUP"); }, 15000)) << "no installer window";
    EXPECT_FALSE(listening("TTALVO_VANTRO"));

    // A start while the installer window is open ends at once.
    QProcess& second = start({});
    ASSERT_TRUE(finishes(second, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, NoInstanceRunsAndALeftOverSocketIsTakenOver)
{
    const SingleInstance later(SingleInstanceName("TTALVO_VANTRO"));
    EXPECT_FALSE(later.handOver("x", 500));

    // What an instance that was killed leaves behind: the name is taken by a
    // file that nobody answers on.
    ASSERT_TRUE(WriteFile(socketPath("TTALVO_VANTRO"), "stale"));
    SingleInstance running(SingleInstanceName("TTALVO_VANTRO"));
    ASSERT_TRUE(running.listen());
    QString received;
    QObject::connect(&running, &SingleInstance::received, [&received](const QString& text) { received = text; });
    EXPECT_TRUE(later.handOver("y", 200));
    EXPECT_TRUE(waitUntil([&received] { return !received.isEmpty(); }, 3000));
    EXPECT_EQ(received, "y");
}

TEST(BringToFrontTest, RunningWindowComesBackFromMinimisedOrNormal)
{
    TestApplication();
    QMainWindow window;
    window.showMinimized();
    BringToFront(window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    window.showMaximized();
    BringToFront(window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isMaximized());
}
