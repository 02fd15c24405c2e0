#pragma once
// Test support for the routines that write one WAV file from another: a
// temporary folder, the engine's seams reset after every test, and a runner
// that checks the source is left exactly as it was.
#include "EngineTest.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "TestWav.h"
#include "WavFile.h"
#include "WorkBuffers.h"

using Routine = std::function<void(const std::string& source, const std::string& target, std::string& err)>;

class CopyRoutineTest : public EngineTest {
protected:
    // Writes the source, runs the routine into target(), makes sure the source
    // is unchanged and returns the error text.
    std::string run(const Routine& routine, const Bytes& sourceBytes)
    {
        std::string source = dir.write("in.wav", sourceBytes);
        std::string err = "not set";
        routine(source, target(), err);
        FileFaults::reset();
        EXPECT_EQ(ReadFileBytes(source), sourceBytes) << "the source was modified";
        return err;
    }

    std::string source() const { return dir.file("in.wav"); }
    std::string target() const { return dir.file("out.wav"); }
    Bytes output() const { return ReadFileBytes(target()); }
    bool outputExists() const { return std::filesystem::exists(target()); }

    TempDir dir;
};

// The names in a folder: what a routine left behind, temporary files included.
inline std::set<std::string> FolderNames(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// 16-bit stereo at 44100 Hz: 7056 bytes per 40 ms, one block per 8192-byte buffer.
inline WavSpec CdStereo(size_t dataBytes, uint32_t seed = 1)
{
    WavSpec s;
    s.data = NoiseBytes(dataBytes, seed);
    return s;
}

// 8-bit mono at 8000 Hz: 320 bytes per 40 ms, 8000-byte loads in an 8192-byte buffer.
inline WavSpec Mono8k(size_t dataBytes, uint32_t seed = 1)
{
    WavSpec s;
    s.channels = 1;
    s.bits = 8;
    s.sampleRate = 8000;
    s.data = NoiseBytes(dataBytes, seed);
    return s;
}

inline void PutU32At(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The file a normalising writer makes of a source: the same head up to the end
// of `fmt `, then the data chunk alone.
inline WavSpec Normalised(WavSpec s)
{
    s.chunksBetween.clear();
    s.chunksAfter.clear();
    s.riffSizeField = -1;
    return s;
}
