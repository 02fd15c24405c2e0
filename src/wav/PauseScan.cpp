#include "PauseScan.h"

#include <algorithm>
#include <type_traits>

#include "BlockCopy.h"
#include "Bytes.h"
#include "CopySteps.h"
#include "EngineHost.h"
#include "QuietFrames.h"

namespace {

// The pause scan reads as the silence cut does and words its failures alike.
const char* const DefaultText = "WAVファイルの無音カットに失敗しました・・・MC";
const HeadTexts Texts("MC");

// The progress callback is asked after at least this many bytes read.
constexpr int64_t ProgressBytes = int64_t{2} << 20;

// Frames of `ms` milliseconds at `rate`, rounded up or down; 0 for ms <= 0.
// Beyond 2^40 ms (far longer than any WAV file) the count grows no further, so
// that no product overflows.
int64_t framesOf(int64_t ms, uint32_t rate, bool roundUp)
{
    ms = std::clamp<int64_t>(ms, 0, int64_t{1} << 40);
    const int64_t part = ms % 1000 * rate;
    return ms / 1000 * rate + part / 1000 + (roundUp && part % 1000 != 0 ? 1 : 0);
}

// The lengths of the scan, in frames.
struct Lengths {
    int64_t gap = 1;       // the shortest quiet run that is no part of a sound
    int64_t click = 0;     // the shortest sound that ends a pause
    int64_t minPause = 1;  // the shortest pause reported
};

Lengths lengthsFor(const PauseOptions& options, uint32_t rate)
{
    Lengths l;
    l.minPause = std::max<int64_t>(1, framesOf(options.minPauseMs, rate, true));
    l.click = framesOf(options.clickMs, rate, true);
    l.gap = std::max<int64_t>(1, std::min(l.click, l.minPause));
    return l;
}

// The quiet test of one sample width, on the sample's bits in unsigned
// arithmetic of that width, so that the compiler tests many samples at once:
// (bits + add) mod 2^width lies within [0, limit] exactly when the sample lies
// within the level (limit = 2 x level; 8-bit samples counted from 128).
template <int W>
struct Judge {
    using T = std::conditional_t<W == 1, uint8_t, std::conditional_t<W == 2, uint16_t, uint32_t>>;

    explicit Judge(uint64_t level)
        : add(static_cast<T>(W == 1 ? level - 128 : level)), limit(static_cast<T>(2 * level))
    {
    }

    static T bits(const uint8_t* p)
    {
        if constexpr (W == 1) return p[0];
        else if constexpr (W == 2) return static_cast<T>(p[0] | p[1] << 8);
        else if constexpr (W == 3) return static_cast<T>(p[0] | p[1] << 8 | p[2] << 16);
        else return GetU32(p);
    }

    // Nonzero exactly when the sample is loud: by how much it passes the limit.
    T excess(const uint8_t* p) const
    {
        T v = static_cast<T>(bits(p) + add);
        if constexpr (W == 3) v &= 0xFFFFFF;
        return static_cast<T>(std::max(v, limit) - limit);
    }

    T add;
    T limit;
};

// Samples are tested in blocks of this many without a branch; only a block
// with sound is searched sample by sample.
template <int W>
constexpr int64_t BlockSamples = W == 1 ? 256 : W == 2 ? 128 : 64;

// The first of `count` samples that is loud; -1 when none is.
template <int W>
int64_t firstLoudSample(const uint8_t* p, int64_t count, const Judge<W>& judge)
{
    constexpr int64_t B = BlockSamples<W>;
    int64_t i = 0;
    for (; i + B <= count; i += B) {
        const uint8_t* block = p + i * W;
        typename Judge<W>::T any = 0;
        for (int64_t j = 0; j < B; ++j) any |= judge.excess(block + j * W);
        if (any != 0) break;
    }
    for (; i < count; ++i)
        if (judge.excess(p + i * W) != 0) return i;
    return -1;
}

// The scan's state machine over the data's frames, fed one load at a time.
//
// Inside a gap every frame is tested, block by block, for the first sound.
// Inside a sound only every gap-th frame is looked at: a run of gap quiet
// frames cannot miss all of them. A quiet frame found there is followed back
// to the start of its run and forward until the run is a gap or sound returns.
template <int W>
class PauseFinder {
public:
    PauseFinder(const QuietRule& rule, const Lengths& lengths, std::vector<Pause>& pauses)
        : rule_(rule), judge_(rule.level), lengths_(lengths), pauses_(pauses),
          packed_(rule.align == rule.samples * W)
    {
    }

    // The frames [first, first + n) of the data, in `bytes`.
    void take(const uint8_t* bytes, int64_t first, int64_t n)
    {
        bytes_ = bytes;
        first_ = first;
        const int64_t end = first + n;
        int64_t p = first;  // the frames before p are judged
        int64_t low = first;  // in a sound: where a quiet run can begin at the earliest in this load
        while (p < end) {
            if (state_ == State::Gap) {
                const int64_t s = firstSound(p, end);
                if (s < 0) break;
                burstStart_ = s;
                soundAt(s);
                p = low = next_ = s + 1;
                quietFrom_ = -1;
                state_ = State::Sound;
            } else if (state_ == State::Run) {
                const int64_t gapEnd = runStart_ + lengths_.gap;
                const int64_t limit = std::min(end, gapEnd);
                const int64_t s = p < limit ? firstSound(p, limit) : -1;
                if (s >= 0) {
                    soundAt(s);
                    p = low = next_ = s + 1;
                    quietFrom_ = -1;
                    state_ = State::Sound;
                } else {
                    p = std::max(p, limit);
                    if (p >= gapEnd) gapAt(runStart_);
                }
            } else {
                if (next_ >= end) break;
                const int64_t k = next_;
                if (!quiet(k)) {
                    soundAt(k);
                    next_ += lengths_.gap;
                    continue;
                }
                int64_t a = k;
                while (a > low && quiet(a - 1)) --a;
                runStart_ = a == first && quietFrom_ >= 0 ? quietFrom_ : a;
                p = k + 1;
                state_ = State::Run;
            }
        }
        // A quiet run at the end of the load may go on in the next one.
        if (state_ == State::Sound) quietFrom_ = trailingQuiet(low, end);
    }

    // The end of the data, at frame `frames`.
    void finish(int64_t frames)
    {
        if (state_ == State::Gap)
            close(frames);
        else if (stretchStart_ >= 0)
            close(burstStart_);  // a sound that reaches the end of the data ends the pause
    }

private:
    enum class State {
        Sound,  // in a sound; the sample points from next_ on are still to be looked at
        Run,    // in a sound, inside a quiet run from runStart_ that is not yet a gap
        Gap,    // in a gap
    };

    const uint8_t* frame(int64_t f) const { return bytes_ + (f - first_) * rule_.align; }

    bool quiet(int64_t f) const
    {
        const uint8_t* p = frame(f);
        for (int64_t s = 0; s < rule_.samples; ++s)
            if (judge_.excess(p + s * W) != 0) return false;
        return true;
    }

    // The first frame of sound in [from, to); -1 when there is none.
    int64_t firstSound(int64_t from, int64_t to) const
    {
        if (packed_) {
            const int64_t i = firstLoudSample(frame(from), (to - from) * rule_.samples, judge_);
            return i < 0 ? -1 : from + i / rule_.samples;
        }
        for (int64_t f = from; f < to; ++f)
            if (!quiet(f)) return f;
        return -1;
    }

    // The start of the quiet run that ends at `end`, the last frame of the
    // load; -1 when that frame is sound. No sample point in [low, end) was
    // quiet, so the run is shorter than a gap there.
    int64_t trailingQuiet(int64_t low, int64_t end) const
    {
        int64_t a = end;
        while (a > low && quiet(a - 1)) --a;
        if (a == end) return -1;
        return a == first_ && quietFrom_ >= 0 ? quietFrom_ : a;
    }

    // Frame f is sound: the sound since the last gap is no click once it
    // reaches f, and the pause before it is known whole.
    void soundAt(int64_t f)
    {
        if (stretchStart_ >= 0 && f + 1 - burstStart_ >= lengths_.click) close(burstStart_);
    }

    // A gap begins at frame a: the sound before it ends there.
    void gapAt(int64_t a)
    {
        if (stretchStart_ < 0) {
            stretchStart_ = a;
        } else if (a - burstStart_ >= lengths_.click) {
            close(burstStart_);
            stretchStart_ = a;
        }
        state_ = State::Gap;
    }

    void close(int64_t end)
    {
        if (end - stretchStart_ >= lengths_.minPause) pauses_.push_back({stretchStart_, end});
        stretchStart_ = -1;
    }

    const QuietRule rule_;
    const Judge<W> judge_;
    const Lengths lengths_;
    std::vector<Pause>& pauses_;
    const bool packed_;

    const uint8_t* bytes_ = nullptr;  // the load in hand
    int64_t first_ = 0;               // its first frame

    State state_ = State::Sound;
    int64_t next_ = 0;           // Sound: the next sample point
    int64_t quietFrom_ = -1;     // Sound: where the quiet run that reaches the load's start began, or -1
    int64_t runStart_ = 0;       // Run: where the quiet run began
    int64_t burstStart_ = 0;     // the first frame of the sound since the last gap
    int64_t stretchStart_ = -1;  // the start of the pause being measured, or -1
};

// Reads the data's whole frames load by load through the finder.
template <int W>
bool scanFrames(WavFile& file, const WavHead& head, const QuietRule& rule, const Lengths& lengths,
                const CopyBuffer& buffer, int64_t load, const PauseProgress& progress, PauseScanResult& result,
                std::string& err)
{
    PauseFinder<W> finder(rule, lengths, result.pauses);
    const int64_t align = head.blockAlign;
    const int64_t loadFrames = load / align;
    uint8_t* bytes = buffer.bytes.get();
    int64_t sinceProgress = 0;
    for (int64_t at = 0; at < result.frames;) {
        const int64_t n = std::min(loadFrames, result.frames - at);
        if (file.read(bytes, n * align) != n * align) {
            err = Texts.readFailed();
            return false;
        }
        finder.take(bytes, at, n);
        at += n;
        sinceProgress += n * align;
        if (progress && at < result.frames && sinceProgress >= ProgressBytes) {
            sinceProgress = 0;
            if (!progress(at, result.frames)) {
                result.stopped = true;
                return true;
            }
        }
    }
    finder.finish(result.frames);
    return true;
}

bool findPauses(const std::string& path, const PauseOptions& options, const PauseProgress& progress,
                PauseScanResult& result, std::string& err)
{
    CopyBuffer buffer;
    WavFile file;
    WavHead head;
    if (!OpenAndWalk(file, path, WavFile::Mode::Read, Texts, head, err) || !CheckDataAndFormat(head, Texts, err))
        return false;
    BlockPlan plan;
    if (!PlanBlocks(head, Texts, buffer.size, head.blockAlign, plan, err) ||
        !PlanInFile(file, head.dataStart, plan, Texts, err))
        return false;
    QuietRule rule;
    if (!QuietRuleFor(head, options.levels, rule)) {
        err = Texts.badSample();
        return false;
    }
    result.sampleRate = head.sampleRate;
    result.frames = head.dataSize / head.blockAlign;
    const Lengths lengths = lengthsFor(options, head.sampleRate);
    auto scan = [&](auto width) {
        return scanFrames<decltype(width)::value>(file, head, rule, lengths, buffer, plan.load, progress, result, err);
    };
    switch (rule.width) {
    case 1: return scan(std::integral_constant<int, 1>{});
    case 2: return scan(std::integral_constant<int, 2>{});
    case 3: return scan(std::integral_constant<int, 3>{});
    default: return scan(std::integral_constant<int, 4>{});
    }
}

}  // namespace

void FindPauses(const std::string& fileName, const PauseOptions& options, PauseScanResult& result,
                std::string& ErrorText, const PauseProgress& progress)
{
    result = {};
    RunRoutine(ErrorText, DefaultText, [&](std::string& err) {
        ProcessPendingMessages();
        return findPauses(fileName, options, progress, result, err);
    });
    if (!ErrorText.empty()) result.pauses.clear();  // a failed scan offers no pauses
    ProcessPendingMessages();
}

std::vector<int64_t> PauseTimes(const PauseScanResult& result, const PausePlacement& placement)
{
    std::vector<int64_t> times;
    const int64_t rate = result.sampleRate;
    if (rate <= 0) return times;
    const int64_t before = framesOf(placement.beforeSoundMs, result.sampleRate, false);
    for (const Pause& pause : result.pauses) {
        if (pause.start <= 0 || pause.end >= result.frames) continue;
        int64_t at = pause.start;
        if (placement.place == PausePlace::Middle) at = pause.start + (pause.end - pause.start) / 2;
        if (placement.place == PausePlace::BeforeSound) at = std::max(pause.start, pause.end - before);
        times.push_back(at * 1000 / rate);
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
}
