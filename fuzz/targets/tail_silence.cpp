// AddTailSilence: silence appended behind the data, in place.
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
    std::string file = WriteFuzzFile("file.wav", data, size);
    auto head = PeekHead(file);
    auto [seconds, tenths] = head ? BoundedSilence(*head, params.among(1, Seconds), params.among(2, Tenths))
                                  : std::pair<int32_t, int32_t>{0, 0};
    std::string err;
    {
        const WriteCounter counter;
        AddTailSilence(file, seconds, tenths, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    if (!err.empty()) {
        RequireUnchanged(file, data, size);  // a failure leaves the file as it was
        return 0;
    }
    Require(head.has_value(), "silence was added to an unreadable file");
    if (DataAfterFmt(*head)) {
        WrittenLayout grown = RequireGrownLayout(file);
        const int64_t silence = SilenceBytes(head->sampleRate, head->blockAlign, seconds, tenths);
        // Silence starts on a frame, over a partial frame at the end of the data.
        const int64_t kept = silence > 0 ? WholeFrames(*head) : head->dataSize;
        Require(grown.dataSize == kept + silence, "tail silence is not the length asked for or not on a frame");
    }
    return 0;
}
