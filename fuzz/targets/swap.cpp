// WavSwapChannels: a stereo copy with left and right exchanged.
#include "Channels.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    std::string source = WriteFuzzFile("source.wav", data, size);
    std::string target = FreshFuzzPath("target.wav");
    const auto before = FuzzFolderNames();
    std::string err;
    {
        const WriteCounter counter;
        WavSwapChannels(source, target, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(source, data, size);
    RequireFolderAfter(before, err.empty() ? "target.wav" : "", "a call left a temporary file or a failed output");
    if (err.empty()) {
        auto head = PeekHead(source);
        Require(head && head->channels == 2, "a swap succeeded on a source that is not stereo");
        if (DataAfterFmt(*head))
            Require(RequireNewLayout(target).dataSize == head->dataSize, "a swap lost samples");
    }
    return 0;
}
