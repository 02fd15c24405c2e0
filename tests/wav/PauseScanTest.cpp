// Pause scan: which pauses speech made of tones, noise and near silence has
// at every sample width, where their edges lie, the times they propose, and
// how the scan fails or stops.
#include <cmath>
#include <functional>
#include <numbers>

#include "EngineTest.h"
#include "PauseScan.h"
#include "TestWav.h"

static bool operator==(const Pause& a, const Pause& b) { return a.start == b.start && a.end == b.end; }
static std::ostream& operator<<(std::ostream& o, const Pause& p) { return o << "[" << p.start << ", " << p.end << ")"; }

namespace {

// A sound in 16-bit steps, one value per frame, built from segments of ms.
struct Track {
    explicit Track(uint32_t rate = 44100) : rate(rate) {}
    uint32_t rate;
    std::vector<int32_t> values;
    std::mt19937 gen{7};

    int64_t frames(int64_t ms) const { return ms * rate / 1000; }
    int64_t at() const { return static_cast<int64_t>(values.size()); }
    Track& add(int64_t ms, const std::function<int32_t(int64_t)>& value)
    {
        for (int64_t i = 0, n = frames(ms); i < n; ++i) values.push_back(value(i));
        return *this;
    }
    // Noise of at least half its amplitude in every frame.
    Track& noise(int64_t ms, int32_t amp = 20000)
    {
        return add(ms, [&](int64_t) {
            const int32_t v = std::uniform_int_distribution<int32_t>(amp / 2, amp)(gen);
            return gen() % 2 ? v : -v;
        });
    }
    Track& tone(int64_t ms, double hz = 440, int32_t amp = 12000)
    {
        return add(ms, [&](int64_t i) {
            return static_cast<int32_t>(amp * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate));
        });
    }
    Track& quiet(int64_t ms, int32_t floor = 30)
    {
        return add(ms, [&](int64_t) { return std::uniform_int_distribution<int32_t>(-floor, floor)(gen); });
    }
};

// The track as a WAV file: every channel holds it (odd ones negated), each
// sample scaled to its width; bytes behind the samples of a padded frame are 0xEE.
WavSpec Encode(const Track& t, uint16_t channels = 2, int width = 2, int align = -1)
{
    WavSpec s;
    s.channels = channels;
    s.bits = static_cast<uint16_t>(8 * width);
    s.sampleRate = t.rate;
    s.blockAlign = align < 0 ? channels * width : align;
    for (int32_t v : t.values) {
        const size_t start = s.data.size();
        for (int c = 0; c < channels; ++c) {
            const int32_t x = c % 2 ? -v : v;
            const uint32_t bits =
                width == 1 ? static_cast<uint32_t>((x >> 8) + 128) : static_cast<uint32_t>(x) << (8 * (width - 2));
            for (int i = 0; i < width; ++i) s.data.push_back(static_cast<uint8_t>(bits >> (8 * i)));
        }
        s.data.resize(start + s.blockAlign, 0xEE);
    }
    return s;
}

// The rule of PauseScan.h as plainly as it can be said, on frames known quiet or not.
std::vector<Pause> Reference(const std::vector<bool>& quiet, int64_t minPause, int64_t click)
{
    const int64_t n = static_cast<int64_t>(quiet.size()), gap = std::max<int64_t>(1, std::min(click, minPause));
    std::vector<std::pair<int64_t, int64_t>> gaps;  // quiet runs of at least `gap` frames
    for (int64_t f = 0, e = 0; f < n; f = std::max(e, f + 1)) {
        for (e = f; e < n && quiet[e];) ++e;
        if (e - f >= gap) gaps.push_back({f, e});
    }
    std::vector<Pause> pauses;
    int64_t start = -1;
    for (size_t i = 0; i < gaps.size(); ++i) {
        if (start < 0) start = gaps[i].first;
        // The sound behind the gap ends the pause when it is no click between two gaps.
        const int64_t sound = gaps[i].second, soundEnd = i + 1 < gaps.size() ? gaps[i + 1].first : n;
        if (sound == n || i + 1 == gaps.size() || soundEnd - sound >= click) {
            if (sound - start >= minPause) pauses.push_back({start, sound});
            start = -1;
        }
    }
    return pauses;
}

class PauseScanTest : public EngineTest {
protected:
    PauseScanResult scan(const WavSpec& s, const PauseOptions& options = {}, const PauseProgress& progress = {})
    {
        PauseScanResult result;
        std::string err = "not set";
        FindPauses(dir.write("in.wav", s.build()), options, result, err, progress);
        EXPECT_EQ(err, "");
        return result;
    }
    TempDir dir;
};

}  // namespace

TEST_F(PauseScanTest, FindsEveryPauseOfTheMinimumAtEveryWidthWithItsEdges)
{
    struct Format {
        uint32_t rate;
        uint16_t channels;
        int width, align;
        bool extensible;
    };
    // 16-bit stereo, 8-bit mono, extensible 16-bit mono and 24-bit stereo,
    // 24-bit stereo in padded frames of 8 bytes, 32-bit stereo.
    for (const Format& f : {Format{44100, 2, 2, 4, false}, Format{8000, 1, 1, 1, false},
                            Format{22050, 1, 2, 2, true}, Format{48000, 2, 3, 6, true}, Format{16000, 2, 3, 8, false},
                            Format{8000, 2, 4, 8, false}}) {
        for (int64_t buffer : {DefaultWorkBufSize, DefaultSmallBufSize}) {
            WorkBufSize = buffer;
            Track t{f.rate};
            t.noise(500).quiet(300).tone(400).quiet(990).noise(600);
            const int64_t a = t.at();
            t.quiet(1000).noise(500).tone(300);
            const int64_t b = t.at(), c = t.quiet(1500).at();
            t.tone(500, 220).noise(300);
            const int64_t d = t.at(), e = t.quiet(3000).at();
            t.tone(500);
            const WavSpec plain = Encode(t, f.channels, f.width, f.align);
            const PauseScanResult r = scan(f.extensible ? Extensible(plain) : plain);
            const std::string what = std::to_string(f.width * 8) + " bits, buffer " + std::to_string(buffer);
            EXPECT_EQ(r.sampleRate, f.rate) << what;
            EXPECT_EQ(r.frames, t.at()) << what;
            ASSERT_EQ(r.pauses.size(), 3u) << what;
            EXPECT_EQ(r.pauses[0], (Pause{a, a + t.frames(1000)})) << what;  // between noise: to the frame
            EXPECT_NEAR(r.pauses[1].start, b, t.frames(10)) << what;         // between tones: within 10 ms
            EXPECT_NEAR(r.pauses[1].end, c, t.frames(10)) << what;
            EXPECT_EQ(r.pauses[2].start, d) << what;
            EXPECT_NEAR(r.pauses[2].end, e, t.frames(10)) << what;
        }
    }
}

TEST_F(PauseScanTest, AClickDoesNotSplitAPauseButALongerSoundDoesAndTheEndsCount)
{
    Track t;
    const int64_t a = t.quiet(1500).at();
    t.noise(500).quiet(600).noise(15).quiet(600);  // one pause of 1.215 s
    const int64_t b = t.at();
    t.tone(500).quiet(1200).tone(30).quiet(1200);  // two of 1.2 s
    t.noise(400).quiet(700).noise(30).quiet(700);  // none
    const int64_t c = t.noise(500).at();
    t.quiet(2000);
    const PauseScanResult r = scan(Encode(t));
    const int64_t w = t.frames(10);
    ASSERT_EQ(r.pauses.size(), 5u);
    EXPECT_EQ(r.pauses[0], (Pause{0, a}));
    EXPECT_EQ(r.pauses[1].start, a + t.frames(500));
    EXPECT_NEAR(r.pauses[1].end, b, w);
    EXPECT_NEAR(r.pauses[2].end, b + t.frames(1700), w);
    EXPECT_NEAR(r.pauses[3].start, b + t.frames(1730), w);
    EXPECT_EQ(r.pauses[4], (Pause{c, t.at()}));
    // The first and the last pause lie at the ends: they propose nothing.
    EXPECT_EQ(PauseTimes(r, {PausePlace::Start}).size(), 3u);
    EXPECT_EQ(PauseTimes(r, {PausePlace::Start})[0], (a + t.frames(500)) * 1000 / 44100);
}

TEST_F(PauseScanTest, EachPlaceGivesItsTimesAndBeforeSoundStopsAtThePausesStart)
{
    Track t;
    t.noise(500).quiet(1000, 0).noise(500).quiet(2000).noise(300);  // pauses [22050, 66150) and [88200, 176400)
    const PauseScanResult r = scan(Encode(t));
    ASSERT_EQ(r.pauses.size(), 2u);
    EXPECT_EQ(PauseTimes(r, {PausePlace::Start}), (std::vector<int64_t>{500, 2000}));
    EXPECT_EQ(PauseTimes(r, {PausePlace::Middle}), (std::vector<int64_t>{1000, 3000}));
    EXPECT_EQ(PauseTimes(r, {}), (std::vector<int64_t>{1300, 3800}));
    EXPECT_EQ(PauseTimes(r, {PausePlace::BeforeSound, 1500}), (std::vector<int64_t>{500, 2500}));
    EXPECT_EQ(PauseTimes(r, {PausePlace::BeforeSound, 5000}), (std::vector<int64_t>{500, 2000}));
}

TEST_F(PauseScanTest, TheScanKeepsToThePlainRuleAcrossLoadsOnRandomSpeech)
{
    std::mt19937 gen(11);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(gen); };
    Track t;
    while (t.at() < t.frames(30000)) {
        t.quiet(pick(0, 2) ? pick(1, 60) : pick(250, 1500), pick(0, 100));
        const int kind = pick(0, 3);
        if (kind == 0) t.noise(pick(1, 40), pick(101, 30000));
        if (kind == 1) t.tone(pick(10, 800), pick(40, 2000), pick(150, 20000));
        if (kind == 2) t.noise(pick(100, 3000), pick(200, 3000));
        if (kind == 3) t.tone(pick(1, 30), 1000, 300);
    }
    std::vector<bool> quiet;
    for (int32_t v : t.values) quiet.push_back(std::abs(v) <= 100);
    // Clicks of up to 300 ms: quiet runs reach over the 7056 frames of a small buffer's load.
    for (const PauseOptions& o : {PauseOptions{}, PauseOptions{700, {1, 100}, 5}, PauseOptions{300, {1, 100}, 0},
                                  PauseOptions{1000, {1, 100}, 300}}) {
        const auto expected = Reference(quiet, t.frames(o.minPauseMs), (o.clickMs * 44100 + 999) / 1000);
        for (int64_t buffer : {DefaultWorkBufSize, DefaultSmallBufSize}) {
            WorkBufSize = buffer;
            EXPECT_EQ(scan(Encode(t), o).pauses, expected) << o.minPauseMs << " " << o.clickMs << " " << buffer;
        }
    }
}

TEST_F(PauseScanTest, ProgressCanStopTheScanAndKeepsThePausesFound)
{
    Track t;
    t.noise(1000).quiet(2000).noise(14000).quiet(2000).noise(1000);  // 3.5 MB
    std::vector<std::pair<int64_t, int64_t>> calls;
    const PauseScanResult r = scan(Encode(t), {}, [&](int64_t done, int64_t total) {
        calls.push_back({done, total});
        return false;
    });
    EXPECT_TRUE(r.stopped);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_GE(calls[0].first * 4, 1 << 20);
    EXPECT_LE(calls[0].first * 4, 4 << 20);
    EXPECT_EQ(calls[0].second, t.at());
    EXPECT_EQ(r.pauses.size(), 1u);
    EXPECT_FALSE(scan(Encode(t), {}, [](int64_t, int64_t) { return true; }).stopped);
}

TEST_F(PauseScanTest, AFileThatIsNoWavFailsWithTheEnginesText)
{
    PauseScanResult r;
    std::string err;
    const std::string text(100, 'x');
    FindPauses(dir.write("text.wav", Bytes(text.begin(), text.end())), {}, r, err);
    EXPECT_EQ(err, "ファイル形式が「RIFF」ではありません・・・MC");
    FindPauses(dir.file("missing.wav"), {}, r, err);
    EXPECT_EQ(err, "WAVファイルの読み出しに失敗しましたOP・・・MC");
    EXPECT_TRUE(r.pauses.empty());
}
