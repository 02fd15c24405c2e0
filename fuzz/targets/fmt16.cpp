// WavFmt18To16: a copy whose 18-byte or extensible PCM fmt chunk becomes 16 bytes.
#include "Fmt16.h"
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
        WavFmt18To16(source, target, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(source, data, size);
    RequireFolderAfter(before, err.empty() ? "target.wav" : "", "a call left a temporary file or a failed output");
    if (err.empty()) {
        auto head = PeekHead(source);
        Require(head && (head->fmtSize == 18 || (head->extensible && head->pcm)),
                "fmt16 succeeded on a chunk that is neither 18 bytes nor extensible PCM");
        if (DataAfterFmt(*head)) {
            WrittenLayout out = RequireNewLayout(target);
            Require(out.fmtSize == 16 && out.dataSize == head->dataSize, "fmt16 output is wrong");
        }
    }
    return 0;
}
