#include "RunFrame.h"

#include "ConvertTexts.h"

void RunSteps(size_t count, const RunHooks& hooks, bool& stopped, const std::function<void(size_t)>& step)
{
    for (size_t i = 0; i < count && !stopped; ++i) {
        step(i);
        hooks.progress(i + 1, count);
        if (hooks.pendingMessages()) stopped = true;
    }
}

void ShowError(Prompt& prompt, const std::string& text, bool& stopped, int defaultAnswer)
{
    if (prompt.MKError(text, defaultAnswer) == PromptAnswer::Abort) stopped = true;
}

void LeaveFileOut(Prompt& prompt, const std::string& text, int& failed, bool& stopped, int defaultAnswer)
{
    ++failed;
    ShowError(prompt, text, stopped, defaultAnswer);
}

void ShowRunEnd(const RunHooks& hooks, bool stopped, int count, const RunEndTexts& texts,
                const std::string& lastFolder)
{
    if (stopped) hooks.prompt.MKInfoTM(hooks.prompt.stopNotice());
    hooks.workDone(lastFolder);
    hooks.status(texts.finished);
    hooks.prompt.MKInfoTM(count > 0 ? texts.summaryHead + texts.countLead + std::to_string(count) + texts.countText +
                                          "\n" + ConvertTexts::SummaryThanks
                                    : texts.summaryHead + ConvertTexts::NothingSelected);
}
