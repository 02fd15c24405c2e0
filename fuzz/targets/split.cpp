// WavSplitChannel: one channel of a stereo file as a mono file; and
// WavSplitChannels, both channels in one pass, which must refuse the same
// sources with the same text and write the same file for each channel.
#include "Bytes.h"
#include "Channels.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputParams params(data, size);
    ChooseWorkBuffer(params.byte(0));
    std::string source = WriteFuzzFile("source.wav", data, size);
    std::string target = FreshFuzzPath("target.wav");
    const auto before = FuzzFolderNames();
    const bool left = (params.byte(1) & 1) != 0;
    std::string err;
    {
        const WriteCounter counter;
        WavSplitChannel(source, target, left, err);
        RequireNothingWrittenOnRefusal(err, counter);
    }
    RequireUnchanged(source, data, size);
    RequireFolderAfter(before, err.empty() ? "target.wav" : "", "a call left a temporary file or a failed output");

    const std::string both[2] = {FreshFuzzPath("left.wav"), FreshFuzzPath("right.wav")};
    std::string bothErr[2];
    WavSplitChannels(source, both[0], both[1], bothErr[0], bothErr[1]);
    const int side = left ? 0 : 1;
    Require(bothErr[0] == err && bothErr[1] == err, "a split of both channels and a split of one disagree");
    Require(!err.empty() || SameFileBytes(both[side], target), "a channel of a split of both is another file");
    if (err.empty()) {
        auto head = PeekHead(source);
        Require(head && head->channels == 2, "a split succeeded on a source that is not stereo");
        if (DataAfterFmt(*head)) Require(RequireNewLayout(target).channels == 1, "a split is not mono");
    }
    return 0;
}
