#pragma once
// A private PulseAudio server for tests: its own runtime folder and socket in
// a temporary folder, one null sink whose monitor can be recorded, no
// session bus, no modules but the two it needs (so it also starts as root).
// The test process talks to it through PULSE_SERVER, set before Qt first
// asks for audio devices.
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <string>

#include "ScopedEnvironment.h"
#include "TestWav.h"

class PrivateSoundServer {
public:
    static constexpr int Rate = 44100;
    static constexpr int Channels = 2;

    PrivateSoundServer()
    {
        std::filesystem::create_directories(dir_.path() / "runtime");
        std::filesystem::create_directories(dir_.path() / "home");
        environment_.set("PULSE_SERVER", "unix:" + socket());
        environment_.set("PULSE_RUNTIME_PATH", dir_.file("runtime"));
    }
    ~PrivateSoundServer() { kill(); }

    std::string socket() const { return dir_.file("sock"); }
    static QString monitor() { return QStringLiteral("vantro_test.monitor"); }

    // Starts the server and waits until it answers; false when it cannot start.
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(dir_.file("home")));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir_.file("runtime")));
        server_.setProcessEnvironment(env);
        server_.setProgram("pulseaudio");
        server_.setArguments({"-n", "--daemonize=no", "--system=false", "--use-pid-file=false", "--exit-idle-time=-1",
                              "--disable-shm=true", "--log-target=stderr",
                              QString::fromStdString("--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                                                     socket()),
                              QString("--load=module-null-sink sink_name=vantro_test rate=%1 channels=%2")
                                  .arg(Rate)
                                  .arg(Channels)});
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start();
        if (!server_.waitForStarted(10000)) return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            if (server_.state() != QProcess::Running) return false;
            if (Run("pactl", {"info"}).first == 0) return true;
            QThread::msleep(100);
        }
        return false;
    }

    // Ends the server at once, as a crash would.
    void kill()
    {
        if (server_.state() == QProcess::NotRunning) return;
        server_.kill();
        server_.waitForFinished(10000);
    }

    // What the server said (for failure messages).
    QString log() { return QString::fromLocal8Bit(server_.readAll()); }

    // The sample formats of the streams playing now, e.g. "s16le 6ch 48000Hz".
    static QStringList PlayingSpecs()
    {
        QStringList specs;
        for (const QString& line : Run("pactl", {"list", "sink-inputs"}).second.split('\n'))
            if (line.trimmed().startsWith("Sample Spec"))
                specs << line.section(':', 1).trimmed();
        return specs;
    }

    // Runs a tool against the server: its exit code and output.
    static std::pair<int, QString> Run(const QString& program, const QStringList& arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        if (!tool.waitForFinished(15000)) {
            tool.kill();
            tool.waitForFinished();
            return {-1, {}};
        }
        return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, QString::fromLocal8Bit(tool.readAll())};
    }

private:
    TempDir dir_;
    ScopedEnvironment environment_;
    QProcess server_;
};

// Records the server's null sink as raw 16-bit stereo frames at the sink's rate.
class MonitorRecording {
public:
    explicit MonitorRecording(const std::string& file) : file_(file)
    {
        recorder_.start("parecord", {"--raw", "--format=s16le", QString("--rate=%1").arg(PrivateSoundServer::Rate),
                                     QString("--channels=%1").arg(PrivateSoundServer::Channels),
                                     "--latency-msec=20", "-d", PrivateSoundServer::monitor(),
                                     QString::fromStdString(file)});
        recorder_.waitForStarted(10000);
    }
    ~MonitorRecording() { finish(); }

    // Ends the recording; its samples, left and right interleaved.
    std::vector<int16_t> finish()
    {
        if (recorder_.state() != QProcess::NotRunning) {
            recorder_.terminate();
            if (!recorder_.waitForFinished(10000)) recorder_.kill();
            recorder_.waitForFinished();
        }
        const Bytes bytes = ReadFileBytes(file_);
        std::vector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

private:
    std::string file_;
    QProcess recorder_;
};
