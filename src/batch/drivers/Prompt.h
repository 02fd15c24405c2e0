#pragma once
// How a batch driver talks to the user: the seven message-box calls. The
// window binds them to its message box; vantro-wav prints each text and takes
// the default answer, as a count-down would.
#include <string>

#include "ConvertTexts.h"

namespace PromptAnswer {
inline constexpr int OK = 1;
inline constexpr int Abort = 3;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace PromptAnswer

enum class PromptKind { Info, InfoTM, Ask, InfoSec, Error, ErrorAsk, ErrorSec };

class Prompt {
public:
    virtual ~Prompt() = default;

    // Shows one box and returns the answer. `seconds` is the count-down the
    // caller gave (InfoSec, ErrorSec), otherwise 0.
    virtual int show(PromptKind kind, const std::string& text, int defaultAnswer, int seconds) = 0;

    // The notice that ends a stopped run: a stop button's, where there is one.
    virtual std::string stopNotice() const { return ConvertTexts::Stopped; }

    int MKInfo(const std::string& text) { return show(PromptKind::Info, text, PromptAnswer::OK, 0); }
    int MKInfoTM(const std::string& text, int defaultAnswer = PromptAnswer::OK)
    {
        return show(PromptKind::InfoTM, text, defaultAnswer, 0);
    }
    int MKAsk(const std::string& text, int defaultAnswer = PromptAnswer::No)
    {
        return show(PromptKind::Ask, text, defaultAnswer, 0);
    }
    int MKInfoSec(int seconds, const std::string& text, int defaultAnswer = PromptAnswer::OK)
    {
        return show(PromptKind::InfoSec, text, defaultAnswer, seconds);
    }
    int MKError(const std::string& text, int defaultAnswer = PromptAnswer::OK)
    {
        return show(PromptKind::Error, text, defaultAnswer, 0);
    }
    int MKErrorAsk(const std::string& text, int defaultAnswer = PromptAnswer::Yes)
    {
        return show(PromptKind::ErrorAsk, text, defaultAnswer, 0);
    }
    int MKErrorSec(int seconds, const std::string& text, int defaultAnswer = PromptAnswer::OK)
    {
        return show(PromptKind::ErrorSec, text, defaultAnswer, seconds);
    }
};
