// FadeInOut: fades in place; nothing but the samples may change.
#include <algorithm>
#include <filesystem>
#include <limits>

#include "Fade.h"
#include "FuzzSupport.h"

namespace {

// Lengths as a batch gives them, and the extremes a command line can pass.
constexpr int64_t Min64 = std::numeric_limits<int64_t>::min();
constexpr int64_t Max64 = std::numeric_limits<int64_t>::max();
constexpr int64_t FadeSeconds[] = {0, 1, 2, 3, -1, Max64, Min64};
constexpr int64_t HeadSeconds[] = {0, 1, 2, -1, Max64, Min64};
constexpr int64_t HeadTenths[] = {0, 1, 3, 5, 9, 12, -1, Max64, Min64};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    std::string file = WriteFuzzFile("file.wav", data, size);
    auto head = PeekHead(file);
    std::string err;
    FadeInOut(file, err, params.among(1, FadeSeconds), params.among(2, FadeSeconds), params.among(3, HeadSeconds),
              params.among(4, HeadTenths));
    if (!err.empty()) RequireUnchanged(file, data, size);  // refused before any byte changed
    Require(std::filesystem::file_size(file) == size, "a fade changed the file's length");
    size_t samplesStart = head ? std::min(size, static_cast<size_t>(head->dataStart)) : size;
    RequirePrefixUnchanged(file, data, samplesStart, "a fade changed bytes before the samples");
    return 0;
}
