// TrimSilence: a normalised copy of the frames between the silent ends,
// checked against a plain frame-by-frame reading of the same samples.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzSupport.h"
#include "SilenceTrim.h"

namespace {

// A sample's distance from silence, read byte by byte.
int64_t sampleAt(const uint8_t* p, int width)
{
    if (width == 1) return p[0] - 128;
    int64_t v = 0;
    for (int i = 0; i < width; ++i) v |= static_cast<int64_t>(p[i]) << (8 * i);
    const int64_t half = int64_t{1} << (8 * width - 1);
    return v >= half ? v - 2 * half : v;
}

struct Expected {
    bool judged = false;  // the samples are of a kind the cut judges
    bool silentOnly = false;
    int64_t offset = 0;
    int64_t size = 0;
};

// What the cut must keep of the data at `data` (all of it present).
Expected expectedCut(const WavHead& head, const uint8_t* data, SilenceCut cut, const SilenceLevels& levels)
{
    Expected e;
    e.size = head.dataSize;  // Off keeps everything
    const int width = head.bytesPerSample();
    if (head.blockAlign == 0 || width < 1 || width > 4) return e;
    const int64_t samples = std::min<int64_t>(head.channels, head.blockAlign / width);
    if (samples < 1) return e;
    e.judged = true;
    const int64_t level = width == 1 ? std::clamp(levels.level8, 1, 127)
                                     : int64_t{std::clamp(levels.level16, 1, 32767)} << (8 * (width - 2));
    auto silent = [&](int64_t frame) {
        for (int64_t s = 0; s < samples; ++s) {
            const int64_t v = sampleAt(data + frame * head.blockAlign + s * width, width);
            if (v < -level || v > level) return false;
        }
        return true;
    };
    const int64_t frames = head.dataSize / head.blockAlign;
    int64_t first = 0, last = frames - 1;
    while (first < frames && silent(first)) ++first;
    while (last >= 0 && silent(last)) --last;
    e.silentOnly = first == frames && cut != SilenceCut::Off;
    const int64_t from = cut == SilenceCut::Both || cut == SilenceCut::Head ? first * head.blockAlign : 0;
    const int64_t to = cut == SilenceCut::Both || cut == SilenceCut::Tail ? (last + 1) * head.blockAlign
                                                                          : int64_t{head.dataSize};
    e.offset = from;
    e.size = to - from;
    return e;
}

std::vector<uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static constexpr SilenceCut cuts[] = {SilenceCut::Both, SilenceCut::Head, SilenceCut::Tail, SilenceCut::Off};
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    const SilenceCut cut = params.among(1, cuts);
    // Levels a little beyond their ranges too: they are taken as the nearest end.
    const SilenceLevels levels{static_cast<int>(params.pick(2, 0, 130)), static_cast<int>(params.pick(3, 0, 255)) * 130};
    std::string source = WriteFuzzFile("source.wav", data, size);
    std::string target = FreshFuzzPath("target.wav");
    const auto before = FuzzFolderNames();
    std::string err;
    TrimSilence(source, target, cut, levels, err);
    RequireUnchanged(source, data, size);
    RequireFolderAfter(before, err.empty() ? "target.wav" : "", "a call left a temporary file or a failed output");

    // The cut judges whole frames only: a partial frame at the end of the
    // data may be missing from the file without the cut reading it.
    const auto head = PeekHead(source);
    const bool framesPresent = head && head->blockAlign > 0 &&
                               head->dataStart + head->dataSize / head->blockAlign * head->blockAlign <=
                                   static_cast<int64_t>(size);
    if (err.starts_with("無音のみのファイルです・・・MC\n")) {
        Require(framesPresent, "a source whose frames are not all there was called silent");
        const Expected e = expectedCut(*head, data + head->dataStart, cut, levels);
        Require(e.judged && e.silentOnly, "a source with sound was called silent");
    }
    if (!err.empty()) return 0;
    Require(framesPresent, "a cut succeeded on a source whose frames are not all there");
    const Expected e = expectedCut(*head, data + head->dataStart, cut, levels);
    Require(cut == SilenceCut::Off || (e.judged && !e.silentOnly), "a cut succeeded without sound to keep");
    Require(head->dataStart + e.offset + e.size <= static_cast<int64_t>(size), "a cut kept bytes the file lacks");
    if (!DataAfterFmt(*head)) return 0;
    const WrittenLayout out = RequireNewLayout(target);
    Require(out.dataSize == e.size, "a cut kept other frames than the silent ends leave");
    const std::vector<uint8_t> written = fileBytes(target);
    Require(std::equal(written.end() - out.dataSize, written.end(), data + head->dataStart + e.offset),
            "a cut changed the samples it kept");
    return 0;
}
