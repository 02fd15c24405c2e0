#include "CliPrompt.h"

#include "CliOutput.h"
#include "EngineHost.h"

CliPrompt::CliPrompt(std::FILE* err)
    : err_(err), engineInfo_(engineHost().infoTM), engineError_(engineHost().error)
{
    engineHost().infoTM = [this](const std::string& text, int def) { return MKInfoTM(text, def); };
    engineHost().error = [this](const std::string& text, int def) { return MKError(text, def); };
}

CliPrompt::~CliPrompt()
{
    flush();
    engineHost().infoTM = engineInfo_;
    engineHost().error = engineError_;
}

int CliPrompt::show(PromptKind, const std::string& text, int defaultAnswer, int)
{
    flush();
    last_ = text;
    held_ = true;
    return defaultAnswer;
}

std::string CliPrompt::takeLast()
{
    if (!held_) return "";
    held_ = false;
    const std::string text = (printed_ ? "\n" : "") + last_;
    printed_ = true;
    return text;
}

void CliPrompt::flush()
{
    if (!held_) return;
    const std::string text = takeLast();
    std::fputs(text.c_str(), err_);
    std::fputc('\n', err_);
}

void RunBatchCommand(std::FILE* out, std::string& ErrorText, const std::function<bool(const RunHooks&)>& run)
{
    CliPrompt prompt(stderr);
    RunHooks hooks{prompt};
    hooks.log = [out](const std::string& line) { PrintLine(out, line); };
    const bool whole = run(hooks);
    std::fflush(out);
    if (!whole) ErrorText = prompt.takeLast();
}
