// A join as the batches make it: the first half of the input starts the
// output (a copy, or head silence followed by its samples), the second half
// is appended. Files whose data ends in a partial frame must still join on
// frames: the output holds each file's whole frames, byte for byte, in order.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzSupport.h"
#include "Silence.h"
#include "WavAppend.h"
#include "WavCopy.h"

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The whole frames of a file's data as the input holds them.
std::vector<uint8_t> WholeFrameBytes(const uint8_t* file, size_t size, const WavHead& head)
{
    const int64_t from = std::min<int64_t>(head.dataStart, static_cast<int64_t>(size));
    const int64_t to = std::min<int64_t>(head.dataStart + WholeFrames(head), static_cast<int64_t>(size));
    return std::vector<uint8_t>(file + from, file + to);
}

// Starts the output from the first file; false (with nothing left) when refused.
bool StartOutput(const std::string& first, const std::string& target, bool withSilence, const WavHead* head)
{
    std::string err;
    const auto names = FuzzFolderNames();
    const WriteCounter counter;
    if (withSilence && head) {
        const auto [seconds, tenths] = BoundedSilence(*head, 0, 1);
        AddHeadSilence(first, target, seconds, tenths, err);
        RequireNothingWrittenOnRefusal(err, counter);
        if (err.empty()) WavAppend(first, target, err);
    } else {
        CopyWav(first, target, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    if (err.empty()) return true;
    std::remove(target.c_str());
    RequireFolderAfter(names, "", "a refused start of a join left a file behind");
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    const size_t half = size / 2;
    const std::string first = WriteFuzzFile("first.wav", data, half);
    const std::string second = WriteFuzzFile("second.wav", data + half, size - half);
    const std::string target = FreshFuzzPath("joined.wav");
    const auto firstHead = PeekHead(first);
    const auto secondHead = PeekHead(second);
    if (!StartOutput(first, target, (params.byte(1) & 1) != 0, firstHead ? &*firstHead : nullptr)) return 0;
    Require(firstHead.has_value(), "a join started from an unreadable file");

    const std::vector<uint8_t> started = ReadBytes(target);
    const auto names = FuzzFolderNames();
    std::string err;
    {
        const WriteCounter counter;
        WavAppend(second, target, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(second, data + half, size - half);
    if (!err.empty()) {
        Require(ReadBytes(target) == started, "a refused append changed the output");
        RequireFolderAfter(names, "", "a refused append left a file behind");
        return 0;
    }
    Require(secondHead.has_value(), "an unreadable file was joined");
    if (!DataAfterFmt(*firstHead) || !DataAfterFmt(*secondHead)) return 0;

    // The output: its start's whole frames, then the second file's, and nothing that is no frame.
    const auto joined = PeekHead(target);
    Require(joined.has_value(), "a joined file cannot be read");
    const WrittenLayout layout = RequireGrownLayout(target);
    const int64_t secondBytes = WholeFrames(*secondHead);
    Require(joined->blockAlign == 0 || layout.dataSize % joined->blockAlign == 0,
            "a joined file's data is not a whole number of frames");
    const std::vector<uint8_t> out = ReadBytes(target);
    const std::vector<uint8_t> tail(out.begin() + (layout.dataEnd - secondBytes), out.begin() + layout.dataEnd);
    Require(tail == WholeFrameBytes(data + half, size - half, *secondHead),
            "the appended file does not start on a frame or lost bytes");
    return 0;
}
