// WavFmt18To16: a copy whose 18-byte fmt chunk becomes 16 bytes.
#include "Fmt16.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    std::string source = WriteFuzzFile("source.wav", data, size);
    std::string target = FreshFuzzPath("target.wav");
    std::string err;
    WavFmt18To16(source, target, err);
    RequireUnchanged(source, data, size);
    if (err.empty()) {
        auto head = PeekHead(source);
        Require(head && head->fmtSize == 18, "fmt16 succeeded on a chunk that is not 18 bytes");
        if (DataAfterFmt(*head)) {
            WrittenLayout out = RequireNewLayout(target);
            Require(out.fmtSize == 16 && out.dataSize == head->dataSize, "fmt16 output is wrong");
        }
    }
    return 0;
}
