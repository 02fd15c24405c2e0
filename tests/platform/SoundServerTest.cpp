// Playback through a real sound server: a private PulseAudio server with a
// null sink whose monitor is recorded, so what the program hands over is
// heard back, a server that dies during a play and comes back late, and one
// that starts after the program.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <future>
#include <memory>
#include <optional>
#include <vector>

#include "MediaDevice.h"
#include "PrivateSoundServer.h"
#include "TestApplication.h"

namespace {

struct Beep {
    int channel;
    int startMs;
    int frequency;
};
constexpr int BeepMs = 150;

// A 16-bit file of `ms` milliseconds, silent but for its beeps.
Bytes BeepFile(uint16_t channels, uint32_t rate, int ms, const std::vector<Beep>& beeps)
{
    const size_t frames = static_cast<size_t>(ms) * rate / 1000;
    std::vector<int16_t> samples(frames * channels, 0);
    for (const Beep& b : beeps)
        for (size_t f = 0; f < static_cast<size_t>(BeepMs) * rate / 1000; ++f)
            samples[(static_cast<size_t>(b.startMs) * rate / 1000 + f) * channels + b.channel] =
                static_cast<int16_t>(12000 * std::sin(2 * M_PI * b.frequency * f / rate));
    WavSpec spec;
    spec.channels = channels;
    spec.sampleRate = rate;
    spec.data.resize(samples.size() * 2);
    std::memcpy(spec.data.data(), samples.data(), spec.data.size());
    return spec.build();
}

// A beep heard in one channel of the recording: where it starts (ms from the
// recording's start) and its pitch.
struct HeardBeep {
    double startMs;
    double frequency;
};

// The beeps of one channel of a stereo recording at the sink's rate: runs of
// loud samples after at least 50 ms of quiet.
std::vector<HeardBeep> HeardBeeps(const std::vector<int16_t>& recording, int channel)
{
    const double rate = PrivateSoundServer::Rate;
    const size_t frames = recording.size() / 2;
    std::vector<HeardBeep> beeps;
    size_t quietSince = 0;
    for (size_t f = 0; f < frames; ++f) {
        if (std::abs(recording[f * 2 + channel]) < 2000) continue;
        if (f - quietSince >= rate / 20 || beeps.empty()) {
            // Pitch from the zero crossings of the beep's first 100 ms.
            int crossings = 0;
            const size_t window = static_cast<size_t>(rate / 10);
            for (size_t g = f + 1; g < std::min(frames, f + window); ++g)
                crossings += (recording[(g - 1) * 2 + channel] < 0) != (recording[g * 2 + channel] < 0);
            beeps.push_back({f * 1000.0 / rate, crossings * 5.0});
        }
        quietSince = f;
    }
    return beeps;
}

class SoundServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        TestApplication();
        server = new PrivateSoundServer;
        started = server->start();
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        if (!started) GTEST_SKIP() << "pulseaudio cannot start here: " << server->log().toStdString();
        makeDevice();
    }

    void makeDevice()
    {
        device = std::make_unique<MediaDevice>(&DefaultDeviceOutput);
        device->setNotifier([this](int code) { codes.push_back(code); });
        device->setSilenceNotice([this](const std::string& text) { notices.push_back(text); });
    }

    int send(const std::string& command) { return device->send(command, reply); }

    // Runs the event loop until `done` holds or 30 s have passed.
    template <class Done>
    static bool RunUntil(Done done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    // The sample format of the stream the server is given, asked for
    // on another thread so that this one keeps feeding the output.
    static std::future<QString> PlayingSpec()
    {
        return std::async(std::launch::async, [] {
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 20000) {
                const QStringList specs = PrivateSoundServer::PlayingSpecs();
                if (!specs.isEmpty()) return specs.front();
                QThread::msleep(50);
            }
            return QString();
        });
    }

    // Plays the whole file and returns what the sink's monitor heard and
    // the sample format of its stream.
    std::pair<std::vector<int16_t>, QString> playAndRecord(const std::string& path)
    {
        codes.clear();
        MonitorRecording recording(dir.file("heard.raw"));
        EXPECT_EQ(send("open \"" + path + "\" alias talvoMID wait"), 0);
        EXPECT_EQ(send("play talvoMID notify"), 0);
        std::future<QString> spec = PlayingSpec();
        EXPECT_TRUE(RunUntil([&] { return !codes.empty(); }));
        EXPECT_EQ(codes, std::vector<int>{NotifySuccessful});
        QCoreApplication::processEvents();
        send("close talvoMID");
        return {recording.finish(), spec.get()};
    }

    static inline PrivateSoundServer* server = nullptr;
    static inline bool started = false;
    TempDir dir;
    std::unique_ptr<MediaDevice> device;
    std::vector<int> codes;
    std::vector<std::string> notices;
    std::string reply;
};

// A stereo file with a 1 kHz beep on the left at 300 ms and a 2 kHz beep
// on the right at 900 ms.
Bytes TwoBeeps(uint32_t rate) { return BeepFile(2, rate, 1400, {{0, 300, 1000}, {1, 900, 2000}}); }

// Both beeps of TwoBeeps heard, each in its channel, at its pitch and its time.
void ExpectTwoBeeps(const std::vector<int16_t>& heard)
{
    const std::vector<HeardBeep> left = HeardBeeps(heard, 0), right = HeardBeeps(heard, 1);
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_NEAR(right[0].startMs - left[0].startMs, 600, 40);  // as far apart as in the file
    EXPECT_NEAR(left[0].frequency, 1000, 50);                   // at the file's own rate
    EXPECT_NEAR(right[0].frequency, 2000, 100);
}

TEST_F(SoundServerTest, StereoPlaysAtItsRateWithEachBeepInItsChannelAtItsTime)
{
    const auto [heard, spec] = playAndRecord(dir.write("stereo.wav", TwoBeeps(48000)));

    EXPECT_EQ(spec, "s16le 2ch 48000Hz");
    ExpectTwoBeeps(heard);
    EXPECT_TRUE(notices.empty());
}

TEST_F(SoundServerTest, EveryChannelOfASixChannelFileIsHandedOverAndTheCentreIsHeard)
{
    const std::string path = dir.write("surround.wav", BeepFile(6, 44100, 1000, {{2, 300, 1000}}));
    const auto [heard, spec] = playAndRecord(path);

    EXPECT_EQ(spec, "s16le 6ch 44100Hz");
    const std::vector<HeardBeep> left = HeardBeeps(heard, 0), right = HeardBeeps(heard, 1);
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_NEAR(left[0].startMs, right[0].startMs, 2);
    EXPECT_NEAR(left[0].frequency, 1000, 50);
}

TEST_F(SoundServerTest, AServerThatDiesIsToldOnceAndPlaysResumeWhenItIsBack)
{
    const std::string path = dir.write("long.wav", BeepFile(2, 44100, 2000, {}));
    ASSERT_EQ(send("open \"" + path + "\" alias talvoMID wait"), 0);
    ASSERT_EQ(send("play talvoMID notify"), 0);
    ASSERT_FALSE(PlayingSpec().get().isEmpty());

    server->kill();
    QElapsedTimer down;
    down.start();
    // The play goes on silently to its end, and the user is told why.
    ASSERT_TRUE(RunUntil([&] { return !codes.empty() && !notices.empty(); }));
    EXPECT_EQ(codes, std::vector<int>{NotifySuccessful});
    EXPECT_EQ(notices, std::vector<std::string>{SilenceNotice(Silence::ServerLost)});

    // Played again before the server is back: silent, not told again.
    EXPECT_EQ(send("play talvoMID from 0 to 300 notify"), 0);
    ASSERT_TRUE(RunUntil([&] { return codes.size() == 2; }));
    EXPECT_EQ(codes.back(), NotifySuccessful);
    send("close talvoMID");

    // Back later than Qt Multimedia's one reconnection, 3 s after the loss:
    // the next play is heard.
    RunUntil([&] { return down.elapsed() > 3500; });
    ASSERT_TRUE(server->start()) << server->log().toStdString();
    ExpectTwoBeeps(playAndRecord(dir.write("beeps.wav", TwoBeeps(44100))).first);
    EXPECT_EQ(notices.size(), 1u);
}

// The server starts only after the program has asked for audio devices,
// which Qt Multimedia then never finds.
class LateSoundServerTest : public SoundServerTest {
protected:
    static void SetUpTestSuite()
    {
        TestApplication();
        server = new PrivateSoundServer;
    }
    void SetUp() override { makeDevice(); }

    // Plays the whole file while no server answers: unheard, but it ends.
    void playUnheard(const std::string& path)
    {
        codes.clear();
        ASSERT_EQ(send("open \"" + path + "\" alias talvoMID wait"), 0);
        ASSERT_EQ(send("play talvoMID notify"), 0);
        ASSERT_TRUE(RunUntil([&] { return !codes.empty(); }));
        EXPECT_EQ(codes, std::vector<int>{NotifySuccessful});
        send("close talvoMID");
    }
};

TEST_F(LateSoundServerTest, AServerThatStartsAfterTheProgramOrComesBackLateIsHeardAtTheNextPlay)
{
    const std::string path = dir.write("beeps.wav", TwoBeeps(44100));
    playUnheard(path);
    ASSERT_TRUE(RunUntil([&] { return !notices.empty(); }));
    EXPECT_EQ(notices, std::vector<std::string>{SilenceNotice(Silence::NoServer)});

    if (!server->start()) GTEST_SKIP() << "pulseaudio cannot start here: " << server->log().toStdString();
    ExpectTwoBeeps(playAndRecord(path).first);

    server->kill();
    QElapsedTimer down;
    down.start();
    playUnheard(path);
    RunUntil([&] { return down.elapsed() > 3500; });
    ASSERT_TRUE(server->start()) << server->log().toStdString();
    ExpectTwoBeeps(playAndRecord(path).first);
    EXPECT_EQ(notices.size(), 1u);
}

}  // namespace
