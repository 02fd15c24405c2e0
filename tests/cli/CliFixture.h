#pragma once
// Shared set-up of the vantro-wav tests: a scratch folder, the tool, test files.
#include <gtest/gtest.h>

#include "TestWav.h"
#include "ToolRun.h"

class CliTest : public ::testing::Test {
protected:
    TempDir dir;

    ToolResult run(const std::vector<std::string>& args) { return RunTool(args, dir.path()); }

    // 16-bit stereo noise at 44.1 kHz.
    std::string stereo(const std::string& name, size_t frames, uint32_t seed = 1)
    {
        WavSpec spec;
        spec.data = NoiseBytes(frames * 4, seed);
        return dir.write(name, spec.build());
    }

    // Runs a command that must succeed silently.
    void runOk(const std::vector<std::string>& args)
    {
        ToolResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
    }

    // Runs a command that must fail with exactly this engine message.
    void runFails(const std::vector<std::string>& args, const std::string& message)
    {
        ToolResult r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, message + "\n");
    }
};

// The sample bytes of a file written in the engine's 44-byte layout.
inline Bytes DataOf(const Bytes& wav) { return Bytes(wav.begin() + 44, wav.end()); }
