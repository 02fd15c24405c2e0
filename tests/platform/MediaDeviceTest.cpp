// The media device at the command level, on WAV files built in a temporary
// folder and the silent output.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>
#include <vector>

#include "MediaDevice.h"
#include "TestApplication.h"
#include "TestWav.h"

namespace {

class MediaDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        device = std::make_unique<MediaDevice>(&SilentOutput);
        device->setNotifier([this](int code) { codes.push_back(code); });
    }

    // A file of `frames` frames whose bytes are noise.
    std::string makeWav(const std::string& name, uint16_t channels, uint16_t bits, uint32_t rate, size_t frames,
                        uint32_t seed = 7)
    {
        WavSpec spec;
        spec.channels = channels;
        spec.bits = bits;
        spec.sampleRate = rate;
        spec.data = NoiseBytes(frames * spec.align(), seed);
        return dir.write(name, spec.build());
    }

    int send(const std::string& command) { return device->send(command, reply); }

    std::string status(const std::string& item)
    {
        EXPECT_EQ(send("status talvoMID " + item + " wait"), 0) << item;
        return reply;
    }

    void open(const std::string& path) { ASSERT_EQ(send("Open \"" + path + "\" alias talvoMID wait"), 0); }

    // Runs the event loop until `count` codes arrived or the time is up;
    // returns the milliseconds waited.
    qint64 waitForCodes(size_t count, int limitMs = 3000)
    {
        QElapsedTimer clock;
        clock.start();
        while (codes.size() < count && clock.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return clock.elapsed();
    }

    // The data bytes of a file the device saved, checked to have the plain layout.
    Bytes savedData(const std::string& path)
    {
        const Bytes b = ReadFileBytes(path);
        EXPECT_GE(b.size(), 44u);
        EXPECT_EQ(ReadU32(b, 16), 16u);                     // fmt body of 16 bytes
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        const uint32_t size = ReadU32(b, 40);
        EXPECT_EQ(ReadU32(b, 4), 36 + size + (size & 1));
        return Bytes(b.begin() + 44, b.begin() + 44 + size);
    }

    TempDir dir;
    std::unique_ptr<MediaDevice> device;
    std::vector<int> codes;
    std::string reply;
};

TEST_F(MediaDeviceTest, OpenFailsForMissingUnplayableOrBusyAndUnknownCommandsFail)
{
    EXPECT_NE(send("Open \"" + dir.file("none.wav") + "\" alias talvoMID wait"), 0);
    EXPECT_NE(send("Open \"" + dir.write("text.wav", {'h', 'e', 'l', 'l', 'o'}) + "\" alias talvoMID wait"), 0);
    WavSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.data = NoiseBytes(400);
    EXPECT_NE(send("Open \"" + dir.write("adpcm.wav", adpcm.build()) + "\" alias talvoMID wait"), 0);

    const std::string path = makeWav("a.wav", 2, 16, 44100, 4410);
    open(path);
    EXPECT_NE(send("Open \"" + path + "\" alias TALVOMID wait"), 0);  // already open, whatever the case
    EXPECT_NE(send("status nobody length wait"), 0);
    EXPECT_NE(send("frobnicate talvoMID wait"), 0);
    EXPECT_NE(send("status talvoMID colour wait"), 0);
    EXPECT_NE(send("play talvoMID from 200 to 100 notify"), 0);
    EXPECT_NE(send("play talvoMID to 101 notify"), 0);
    EXPECT_EQ(send("close TalvoMID wait"), 0);
    EXPECT_NE(send("status talvoMID length wait"), 0);
}

TEST_F(MediaDeviceTest, RepliesLengthAndFormatForEachSampleSize)
{
    struct Case { uint16_t channels, bits; uint32_t rate; size_t frames; const char* length; };
    const Case cases[] = {
        {1, 8, 8000, 8000, "1000"},   {2, 8, 22050, 22049, "999"},  {1, 16, 44100, 44100 * 3 / 2, "1500"},
        {2, 16, 44100, 100, "2"},     {1, 24, 48000, 48, "1"},      {2, 24, 96000, 960000, "10000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.channels) + " x " + std::to_string(c.bits));
        open(makeWav("f.wav", c.channels, c.bits, c.rate, c.frames));
        EXPECT_EQ(send("set talvoMID time format ms wait"), 0);
        EXPECT_EQ(status("length"), c.length);
        EXPECT_EQ(status("samplespersec"), std::to_string(c.rate));
        EXPECT_EQ(status("bitspersample"), std::to_string(c.bits));
        EXPECT_EQ(status("channels"), std::to_string(c.channels));
        EXPECT_EQ(status("position"), "0");
        EXPECT_EQ(send("close talvoMID wait"), 0);
    }
}

TEST_F(MediaDeviceTest, ReadsChunksLenientlyWithPadBytesAndShortData)
{
    WavSpec spec;
    spec.channels = 1;
    spec.bits = 16;
    spec.sampleRate = 1000;
    spec.chunksBeforeFmt = {{"junk", Bytes(3, 'x')}};  // odd size: a pad byte follows
    spec.chunksBetween = {{"LIST", Bytes(5, 'y')}};
    spec.data = NoiseBytes(2000);
    spec.dataSizeField = 100000;                        // claims more than the file holds
    Bytes bytes = spec.build();
    // build() writes no pad bytes; put them where odd chunks end.
    bytes.insert(bytes.begin() + 12 + 8 + 3, 0);
    const size_t list = 12 + 8 + 4 + 8 + 16;
    bytes.insert(bytes.begin() + list + 8 + 5, 0);
    open(dir.write("lenient.wav", bytes));
    EXPECT_EQ(status("length"), "1000");
    EXPECT_EQ(status("channels"), "1");
}

TEST_F(MediaDeviceTest, PlayEndsWithCodeOneAfterItsRange)
{
    open(makeWav("p.wav", 2, 16, 44100, 44100 * 2));
    ASSERT_EQ(send("play talvoMID from 1000 to 1300 notify"), 0);
    EXPECT_TRUE(codes.empty());  // never from inside the command
    const qint64 waited = waitForCodes(1);
    ASSERT_EQ(codes, std::vector<int>{1});
    EXPECT_GE(waited, 250);
    EXPECT_LE(waited, 1500);
    EXPECT_EQ(status("position"), "1300");
}

TEST_F(MediaDeviceTest, StopAbortsAndANewPlaySupersedesAndPositionAdvances)
{
    open(makeWav("p.wav", 2, 16, 44100, 44100 * 10));
    ASSERT_EQ(send("play talvoMID from 2000 notify"), 0);
    const qint64 before = std::stoll(status("position"));
    waitForCodes(1, 300);
    const qint64 after = std::stoll(status("position"));
    EXPECT_GE(before, 2000);
    EXPECT_GT(after, before);

    ASSERT_EQ(send("play talvoMID from 0 to 5000 notify"), 0);  // supersedes the first
    ASSERT_EQ(send("stop talvoMID wait"), 0);                   // aborts the second
    waitForCodes(2);
    EXPECT_EQ(codes, (std::vector<int>{2, 4}));

    ASSERT_EQ(send("play talvoMID from 0 notify"), 0);
    ASSERT_EQ(send("close talvoMID wait"), 0);
    waitForCodes(3);
    EXPECT_EQ(codes, (std::vector<int>{2, 4, 4}));
}

TEST_F(MediaDeviceTest, DeletesAndSaveCutExactFramesThatTileTheSource)
{
    // 44.1 kHz: times rarely fall on whole frames, so the mapping shows.
    for (auto [channels, bits] : {std::pair<uint16_t, uint16_t>{2, 16}, {1, 8}, {2, 24}}) {
        SCOPED_TRACE(std::to_string(channels) + " x " + std::to_string(bits));
        const size_t frames = 44100 * 2 + 17;
        const std::string source = makeWav("src.wav", channels, bits, 44100, frames, bits);
        const Bytes before = ReadFileBytes(source);
        const size_t align = channels * bits / 8;
        const Bytes data(before.begin() + 44, before.end());

        const std::vector<long long> starts = {0, 333, 1001, 1999};
        Bytes joined;
        for (size_t i = 0; i < starts.size(); ++i) {
            open(source);
            const long long length = std::stoll(status("length"));
            ASSERT_EQ(length, static_cast<long long>(frames * 1000 / 44100));
            long long from = starts[i], to = i + 1 < starts.size() ? starts[i + 1] : length;
            if (from > 0) {
                ASSERT_EQ(send("delete TalvoMID to " + std::to_string(from - 1) + " wait"), 0);
                to -= from;
            }
            ASSERT_EQ(send("delete TalvoMID from " + std::to_string(to) + " wait"), 0);
            EXPECT_EQ(status("length"), std::to_string(to));
            const std::string part = dir.file("part" + std::to_string(i) + ".wav");
            ASSERT_EQ(send("save TalvoMID \"" + part + "\" wait"), 0);
            ASSERT_EQ(send("close talvoMID wait"), 0);

            const Bytes got = savedData(part);
            const size_t first = starts[i] * 44100 / 1000;
            const size_t end = i + 1 < starts.size() ? starts[i + 1] * 44100 / 1000 : frames;
            EXPECT_EQ(got, Bytes(data.begin() + first * align, data.begin() + end * align)) << "part " << i;
            joined.insert(joined.end(), got.begin(), got.end());
        }
        EXPECT_EQ(joined, data);
        EXPECT_EQ(ReadFileBytes(source), before);
    }
}

TEST_F(MediaDeviceTest, SaveRefusesTheSourceAndRangesBeyondTheEnd)
{
    const std::string source = makeWav("src.wav", 2, 16, 1000, 1000);
    const Bytes before = ReadFileBytes(source);
    open(source);
    EXPECT_NE(send("delete TalvoMID from 1001 wait"), 0);
    EXPECT_NE(send("delete TalvoMID to 1001 wait"), 0);
    EXPECT_EQ(send("delete TalvoMID from 1000 wait"), 0);  // the end itself: nothing deleted
    EXPECT_EQ(status("length"), "1000");
    EXPECT_EQ(send("delete TalvoMID to 999 wait"), 0);     // everything
    EXPECT_EQ(status("length"), "0");
    EXPECT_NE(send("save TalvoMID \"" + source + "\" wait"), 0);
    EXPECT_EQ(ReadFileBytes(source), before);
    const std::string empty = dir.file("empty.wav");
    EXPECT_EQ(send("save TalvoMID \"" + empty + "\" wait"), 0);
    EXPECT_TRUE(savedData(empty).empty());
    EXPECT_NE(send("save TalvoMID \"" + dir.file("no/such/folder/x.wav") + "\" wait"), 0);
}

TEST_F(MediaDeviceTest, ProbeAliasLeavesThePlayingDeviceAlone)
{
    open(makeWav("p.wav", 2, 16, 44100, 44100 * 5));
    ASSERT_EQ(send("play talvoMID from 0 notify"), 0);
    const std::string other = makeWav("q.wav", 1, 8, 11025, 1000);
    ASSERT_EQ(send("Open \"" + other + "\" alias talvo wait"), 0);
    EXPECT_EQ(send("status talvo samplespersec wait"), 0);
    EXPECT_EQ(reply, "11025");
    EXPECT_EQ(send("close talvo wait"), 0);
    waitForCodes(1, 200);
    EXPECT_TRUE(codes.empty());
    EXPECT_NE(status("position"), "");
}

}  // namespace
