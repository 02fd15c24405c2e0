// CopyWav: a normalised copy with all of the source's samples.
#include "FuzzSupport.h"
#include "WavCopy.h"

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
        CopyWav(source, target, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(source, data, size);
    RequireFolderAfter(before, err.empty() ? "target.wav" : "", "a call left a temporary file or a failed output");
    if (err.empty()) {
        auto head = PeekHead(source);
        Require(head.has_value(), "a copy succeeded on an unreadable source");
        if (DataAfterFmt(*head))
            Require(RequireNewLayout(target).dataSize == head->dataSize, "a copy lost samples");
    }
    return 0;
}
