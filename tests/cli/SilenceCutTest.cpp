// vantro-wav trim-silence and the silence-cut options of convert.
#include "CliFixture.h"

namespace {

// 16-bit stereo at 44.1 kHz: `silent` zero frames, `loud` frames of noise, `silent` zero frames.
Bytes SoundBetweenSilence(size_t silent, size_t loud)
{
    WavSpec spec;
    spec.data = Bytes(silent * 4, 0);
    Bytes noise = NoiseBytes(loud * 4);
    for (size_t i = 1; i < noise.size(); i += 2) noise[i] = 0x40 | (noise[i] & 0x3F);  // 16384 to 32767
    spec.data.insert(spec.data.end(), noise.begin(), noise.end());
    spec.data.resize(spec.data.size() + silent * 4, 0);
    return spec.build();
}

}  // namespace

TEST_F(CliTest, TrimSilenceWritesTheSoundBetweenTheSilentEnds)
{
    const Bytes in = SoundBetweenSilence(300, 500);
    const std::string source = dir.write("in.wav", in), target = dir.file("out.wav");
    runOk({"trim-silence", source, target, "both", "1", "1"});
    EXPECT_EQ(DataOf(ReadFileBytes(target)), Bytes(in.begin() + 44 + 1200, in.begin() + 44 + 1200 + 2000));
    runOk({"trim-silence", source, dir.file("tail.wav"), "tail", "127", "16383"});
    EXPECT_EQ(DataOf(ReadFileBytes(dir.file("tail.wav"))).size(), 1200u + 2000u);

    const std::string quiet = dir.write("quiet.wav", SoundBetweenSilence(10, 0));
    runFails({"trim-silence", quiet, dir.file("q.wav"), "head", "1", "1"}, "無音のみのファイルです・・・MC\n" + quiet);
    EXPECT_FALSE(std::filesystem::exists(dir.file("q.wav")));

    for (std::vector<std::string> wrong : {std::vector<std::string>{"trim-silence", source, target, "ends", "1", "1"},
                                           {"trim-silence", source, target, "both", "0", "1"},
                                           {"trim-silence", source, target, "both", "128", "1"},
                                           {"trim-silence", source, target, "both", "1", "32768"},
                                           {"trim-silence", source, target, "both", "1"}}) {
        ToolResult r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong[3] << " " << wrong[4];
    }
}

TEST_F(CliTest, ConvertCutsSilenceAndSkipsASilentSource)
{
    std::filesystem::create_directories(dir.path() / "out");
    const std::string a = dir.write("a.wav", SoundBetweenSilence(300, 500));
    const std::string quiet = dir.write("quiet.wav", SoundBetweenSilence(10, 0));
    ToolResult r = run({"convert", "--silence-cut", "both", "--head", "0", "1", "--level8", "3", "--level16", "2",
                        dir.file("out"), quiet, a});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "44100/16/stereo  0.00111      19,684 " + dir.file("out/a.wav") + "\n");
    EXPECT_TRUE(r.err.starts_with("無音のみのファイルです・・・MC\n" + quiet + "\nこのファイルを飛ばします☆☆☆\n\n")) << r.err;
    EXPECT_EQ(ReadFileBytes(dir.file("out/a.wav")).size(), 44u + 4410 * 4 + 500 * 4);

    for (std::vector<std::string> wrong : {std::vector<std::string>{"convert", "--silence-cut", dir.file("out"), a},
                                           {"convert", "--level16", "0", dir.file("out"), a},
                                           {"convert", "--level8", "x", dir.file("out"), a}}) {
        r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong[1] << " " << wrong[2];
    }
}
