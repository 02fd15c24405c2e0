// WavAppend: the first half of the input is the target, the second the source.
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
    const auto names = FuzzFolderNames();
    std::string err;
    {
        const WriteCounter counter;
        WavAppend(source, target, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(source, data + half, size - half);
    if (!err.empty()) {
        // A failed append leaves the target as it was, byte for byte.
        RequireUnchanged(target, data, half);
        RequireFolderAfter(names, "", "a failed append left a file behind");
        return 0;
    }
    Require(before && added, "an append succeeded on an unreadable file");
    if (DataAfterFmt(*before)) {
        WrittenLayout grown = RequireGrownLayout(target);
        // Whole frames only: the target's partial frame is written over, the source's is left out.
        Require(grown.dataSize == WholeFrames(*before) + WholeFrames(*added), "an append lost samples or frames");
    }
    return 0;
}
