#pragma once
// The prompt of a batch run on the command line: each message on standard
// error as raw UTF-8, one blank line between messages; every box takes its
// default answer, as its count-down would. While one lives, the engine's own
// boxes go through it too, so that they are spaced the same way.
#include <cstdio>
#include <functional>
#include <string>

#include "Prompt.h"
#include "RunHooks.h"

class CliPrompt : public Prompt {
public:
    explicit CliPrompt(std::FILE* err);
    ~CliPrompt() override;
    CliPrompt(const CliPrompt&) = delete;
    CliPrompt& operator=(const CliPrompt&) = delete;

    int show(PromptKind kind, const std::string& text, int defaultAnswer, int seconds) override;
    // vantro-wav has no stop button: a run stops only on a question's default Abort.
    std::string stopNotice() const override { return StoppedByAbort; }
    static inline const std::string StoppedByAbort = "既定の答え（中止）により処理を中断しました・・・";

    // The last message is held back until the next one comes or the run ends:
    // a failed run hands it to the caller as its error text (which the tool
    // prints last), a run that succeeded prints it here.
    std::string takeLast();
    void flush();

private:
    std::FILE* err_;
    bool printed_ = false;
    bool held_ = false;
    std::string last_;
    std::function<int(const std::string&, int)> engineInfo_, engineError_;
};

// Runs a batch for a command: its log lines go to `out`, its messages to
// standard error through a CliPrompt. `run` returns true when every output
// asked for was written; otherwise the run's last message becomes the
// command's error text.
void RunBatchCommand(std::FILE* out, std::string& ErrorText, const std::function<bool(const RunHooks&)>& run);
