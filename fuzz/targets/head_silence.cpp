// AddHeadSilence: a new file of the source's header and silence alone.
#include <limits>

#include "FuzzSupport.h"
#include "Silence.h"

namespace {

constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
constexpr int32_t Seconds[] = {0, 1, 2, -1, Max32, Min32};
constexpr int32_t Tenths[] = {0, 1, 2, 3, 5, 9, 10, 12, -1, Max32, Min32};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    std::string source = WriteFuzzFile("source.wav", data, size);
    std::string target = FreshFuzzPath("target.wav");
    const auto before = FuzzFolderNames();
    auto head = PeekHead(source);
    auto [seconds, tenths] = head ? BoundedSilence(*head, params.among(1, Seconds), params.among(2, Tenths))
                                  : std::pair<int32_t, int32_t>{0, 0};
    std::string err;
    {
        const WriteCounter counter;
        AddHeadSilence(source, target, seconds, tenths, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(source, data, size);
    RequireFolderAfter(before, err.empty() ? "target.wav" : "", "a call left a temporary file or a failed output");
    if (!err.empty()) return 0;
    Require(head.has_value(), "silence was added to an unreadable file");
    if (DataAfterFmt(*head)) {
        WrittenLayout out = RequireNewLayout(target);
        Require(out.dataSize == SilenceBytes(head->sampleRate, head->blockAlign, seconds, tenths),
                "head silence is not the length asked for");
    }
    return 0;
}
