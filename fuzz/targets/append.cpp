// WavAppend: the first half of the input is the target, the second the source.
#include <algorithm>
#include <filesystem>

#include "FuzzSupport.h"
#include "WavAppend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    size_t half = size / 2;
    std::string target = WriteFuzzFile("target.wav", data, half);
    std::string source = WriteFuzzFile("source.wav", data + half, size - half);
    auto before = PeekHead(target);
    auto added = PeekHead(source);
    std::string err;
    WavAppend(source, target, err);
    RequireUnchanged(source, data + half, size - half);
    if (!err.empty()) {
        // Nothing up to the end of the target's data is touched by a failure.
        size_t kept = before ? std::min<size_t>(half, static_cast<size_t>(before->dataEnd())) : half;
        RequirePrefixUnchanged(target, data, kept, "a failed append changed the target's data");
        Require(std::filesystem::file_size(target) >= half, "a failed append shortened the target");
        return 0;
    }
    Require(before && added, "an append succeeded on an unreadable file");
    if (DataAfterFmt(*before)) {
        WrittenLayout grown = RequireGrownLayout(target);
        Require(grown.dataSize == before->dataSize + added->dataSize, "an append lost samples");
    }
    return 0;
}
