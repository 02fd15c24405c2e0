#include "RunEnd.h"

#include "ConvertTexts.h"

void ShowRunEnd(const RunHooks& hooks, bool stopped, int count, const RunEndTexts& texts)
{
    if (stopped) hooks.prompt.MKInfoTM(ConvertTexts::Stopped);
    hooks.status(texts.finished);
    hooks.prompt.MKInfoTM(count > 0 ? texts.summaryHead + std::to_string(count) + texts.countText + "\n" +
                                          ConvertTexts::SummaryThanks
                                    : texts.summaryHead + ConvertTexts::NothingSelected);
}
