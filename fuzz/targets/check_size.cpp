// CheckOutputSize: the estimate for any header and silence lengths; it writes nothing.
#include <filesystem>
#include <limits>

#include "FuzzSupport.h"
#include "SizeChecks.h"

namespace {

// Silence lengths as a batch gives them, and the extremes a command line can pass.
int64_t lengthFrom(uint8_t byte)
{
    constexpr int64_t min = std::numeric_limits<int64_t>::min();
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    static constexpr int64_t values[] = {0, 1, 3, 5, 9, 10, 59, 600, -1, -9, 36000, 2147483647, min, max};
    return values[byte % std::size(values)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    std::string source = WriteFuzzFile("source.wav", data, size);
    std::string target = FreshFuzzPath("target.wav");
    std::string err;
    CheckOutputSize(source, target, err, lengthFrom(params.byte(0)), lengthFrom(params.byte(1)),
                    lengthFrom(params.byte(2)), lengthFrom(params.byte(3)));
    RequireUnchanged(source, data, size);
    Require(!std::filesystem::exists(target), "the size check created its target");
    return 0;
}
