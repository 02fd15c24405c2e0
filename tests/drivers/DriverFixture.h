#pragma once
// Shared set-up of the driver tests: a scratch folder, test files, and a
// prompt that records every box and answers as scripted.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "ConvertDriver.h"
#include "TestWav.h"

struct Shown {
    PromptKind kind;
    std::string text;
    int defaultAnswer;
};

class ScriptedPrompt : public Prompt {
public:
    std::vector<Shown> shown;
    std::deque<int> answers;  // taken in order; the default answer once they run out

    int show(PromptKind kind, const std::string& text, int defaultAnswer, int) override
    {
        shown.push_back({kind, text, defaultAnswer});
        if (answers.empty()) return defaultAnswer;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const auto& s : shown) all.push_back(s.text);
        return all;
    }
};

class DriverTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    std::vector<std::string> logLines;
    RunHooks hooks{prompt};

    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "out");
        hooks.log = [this](const std::string& line) { logLines.push_back(line); };
    }

    std::string outFolder() const { return dir.file("out"); }
    std::string out(const std::string& name) const { return (dir.path() / "out" / name).string(); }

    // 16-bit stereo at 44.1 kHz where every sample holds `value`.
    std::string constant(const std::string& name, size_t frames, int16_t value = 1000)
    {
        WavSpec spec;
        for (size_t i = 0; i < frames * 2; ++i) AppendU16(spec.data, static_cast<uint16_t>(value));
        return dir.write(name, spec.build());
    }
};
