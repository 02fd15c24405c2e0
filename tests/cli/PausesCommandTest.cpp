// vantro-wav pauses: the times the pauses of a file propose, with each option.
#include <fstream>

#include "CliFixture.h"

namespace {

// 16-bit stereo at 44.1 kHz: loud noise (16384 to 32767) of `sound` frames, or digital silence.
void Append(Bytes& data, size_t frames, bool sound)
{
    Bytes part = sound ? NoiseBytes(frames * 4, static_cast<uint32_t>(data.size())) : Bytes(frames * 4, 0);
    if (sound)
        for (size_t i = 1; i < part.size(); i += 2) part[i] = 0x40 | (part[i] & 0x3F);
    data.insert(data.end(), part.begin(), part.end());
}

}  // namespace

TEST_F(CliTest, PausesPrintsTheTimesOfThePausesBetweenSounds)
{
    // 10 s: sound 0.5 s, pause 1 s, sound 0.5 s, pause 2 s, sound 6 s.
    WavSpec spec;
    for (auto [frames, sound] : {std::pair{22050, true}, {44100, false}, {22050, true}, {88200, false}, {264600, true}})
        Append(spec.data, frames, sound);
    const std::string file = dir.write("speech.wav", spec.build());
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls = {
        {{}, "1300\t01300\n3800\t03800\n"},
        {{"--place", "start"}, "500\t00500\n2000\t02000\n"},
        {{"--place", "middle", "--level8", "5"}, "1000\t01000\n3000\t03000\n"},
        {{"--place", "before-sound", "1.5"}, "500\t00500\n2500\t02500\n"},
        {{"--min-pause", "1.5", "--place", "before-sound", ".25"}, "3750\t03750\n"},
        {{"--level16", "32767"}, ""},  // all of it is one pause from start to end
    };
    for (const auto& [options, out] : calls) {
        std::vector<std::string> args = {"pauses"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(file);
        ToolResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, out) << args[1];
        EXPECT_EQ(r.err, "");
    }

    for (std::vector<std::string> wrong : {std::vector<std::string>{"pauses"},
                                           {"pauses", file, file},
                                           {"pauses", "--frobnicate", file},
                                           {"pauses", "--min-pause", "x", file},
                                           {"pauses", "--min-pause", "0", file},
                                           {"pauses", "--min-pause", "1.0005", file},
                                           {"pauses", "--min-pause", "-1", file},
                                           {"pauses", "--place", "end", file},
                                           {"pauses", "--place", "before-sound", file},
                                           {"pauses", "--level16", "0", file}}) {
        ToolResult r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong.size();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    ToolResult r = run({"pauses", "--place", "sideways", file});
    EXPECT_TRUE(r.err.ends_with("vantro-wav: --place takes start, middle or before-sound S, not 'sideways'\n"))
        << r.err;

    const std::string text(100, 'x');
    runFails({"pauses", dir.write("text.wav", Bytes(text.begin(), text.end()))},
             "ファイル形式が「RIFF」ではありません・・・MC");
}

TEST_F(CliTest, PausesWriteLabelsAndCueSheetsAndCutCutsAtPausesOrAtATimesFile)
{
    // 10 s: sound 0.5 s, pause 1 s, sound 0.5 s, pause 2 s, sound 6 s.
    WavSpec spec;
    for (auto [frames, sound] : {std::pair{22050, true}, {44100, false}, {22050, true}, {88200, false}, {264600, true}})
        Append(spec.data, frames, sound);
    const std::string file = dir.write("speech.wav", spec.build());
    const std::string base = (dir.path() / "speech").string();
    auto text = [](const std::string& path) {
        const Bytes bytes = ReadFileBytes(path);
        return std::string(bytes.begin(), bytes.end());
    };

    ToolResult r = run({"pauses", "--labels", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, base + ".txt\n");
    EXPECT_EQ(text(base + ".txt"), "0.000000\t1.300000\t\n1.300000\t3.800000\t\n3.800000\t10.000000\t\n");
    // Never in place of a file: the labels stay as they were.
    r = run({"pauses", "--place", "start", "--labels", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, base + ".txt\nこのファイルは既に存在します・・・\n");
    EXPECT_EQ(text(base + ".txt"), "0.000000\t1.300000\t\n1.300000\t3.800000\t\n3.800000\t10.000000\t\n");

    const std::string cue = (dir.path() / "sheet.cue").string();
    r = run({"pauses", "--output", cue, file});
    EXPECT_EQ(r.out, cue + "\n");
    EXPECT_EQ(text(cue), "FILE \"speech.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                         "  TRACK 02 AUDIO\n    INDEX 01 00:01:23\n  TRACK 03 AUDIO\n    INDEX 01 00:03:60\n");

    // The cut at the pauses: from 0, the parts joined are the whole file.
    std::filesystem::create_directory(dir.path() / "parts");
    r = run({"cut", "--short-names", "--at-pauses", "--place", "middle", file, (dir.path() / "parts").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    Bytes joined;
    for (const char* part : {"speech_00000.wav", "speech_01000.wav", "speech_03000.wav"}) {
        const Bytes data = DataOf(ReadFileBytes((dir.path() / "parts" / part).string()));
        joined.insert(joined.end(), data.begin(), data.end());
    }
    EXPECT_EQ(joined, spec.data);

    // A label file's texts name the parts; a time beyond the end is left out with a notice.
    const std::string labels = dir.write("labels.txt", Bytes{});
    std::ofstream(labels) << "0.5\t1.3\tintro\n3.8\t10\ttalk/main\n12.0\t13.0\tlate\n";
    std::filesystem::create_directory(dir.path() / "named");
    r = run({"cut", "--short-names", "--times-from", labels, file, (dir.path() / "named").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("タイムでない行と、ファイルの長さを超えるタイム 1 件は除きました。"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "named" / "speech_00500_intro.wav"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "named" / "speech_03800_talk_main.wav"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "named"), {}), 2);
}
