// ConvertInOnePass: whatever it takes, it writes the very file that head
// silence, append, fades and tail silence write one after the other; what it
// leaves to them, it leaves without a file.
#include <filesystem>

#include "FuzzSupport.h"
#include "OnePassConvert.h"

namespace {

constexpr int32_t Seconds[] = {0, 1, 2, 3};
constexpr int32_t Tenths[] = {0, 1, 3, 5, 9};
constexpr int64_t Offsets[] = {0, 1, 4, 7, 400};
constexpr int64_t Sizes[] = {-1, 1, 4, 1000, 44100};

ConvertShape ShapeFrom(const InputParams& params)
{
    ConvertShape s;
    s.headSeconds = params.among(1, Seconds);
    s.headTenths = params.among(2, Tenths);
    s.kept = {params.among(3, Offsets), params.among(4, Sizes)};
    s.fadeInSeconds = params.among(5, Seconds);
    s.fadeOutSeconds = params.among(6, Seconds);
    s.tailSeconds = params.among(7, Seconds);
    s.tailTenths = params.among(8, Tenths);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    const ConvertShape shape = ShapeFrom(params);
    const std::string source = WriteFuzzFile("source.wav", data, size);
    const std::string steps = FreshFuzzPath("steps.wav");
    const std::string pass = FreshFuzzPath("pass.wav");
    std::string err;
    ConvertStepByStep(source, steps, shape, err);
    const bool taken = ConvertInOnePass(source, pass, shape);
    RequireUnchanged(source, data, size);
    Require(taken == std::filesystem::exists(pass), "the one pass left a file it did not take, or none it took");
    Require(!taken || err.empty(), "the one pass took a source the steps refuse");
    Require(!taken || SameFileBytes(pass, steps), "the one pass wrote another file than the steps");
    return 0;
}
