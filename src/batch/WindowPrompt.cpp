#include "WindowPrompt.h"

#include "Mkdlg.h"

int WindowPrompt::show(PromptKind kind, const std::string& text, int defaultAnswer, int seconds)
{
    const QString message = QString::fromStdString(text);
    switch (kind) {
    case PromptKind::Info: return ::MKInfo(box_, message);
    case PromptKind::InfoTM: return ::MKInfoTM(box_, message, defaultAnswer);
    case PromptKind::Ask: return ::MKAsk(box_, message, defaultAnswer);
    case PromptKind::InfoSec: return ::MKInfoSec(box_, seconds, message, defaultAnswer);
    case PromptKind::Error: return ::MKError(box_, message, defaultAnswer);
    case PromptKind::ErrorAsk: return ::MKErrorAsk(box_, message, defaultAnswer);
    case PromptKind::ErrorSec: return ::MKErrorSec(box_, seconds, message, defaultAnswer);
    }
    return defaultAnswer;
}
