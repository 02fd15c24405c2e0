#pragma once
// A scripted stand-in for the user in tests: while an MKResponder exists,
// every message-box call answers at once without a window. Each call is
// recorded, and answered with the next scripted answer, or with the call's
// default when the script is used up. A scripted 11 acts as a time-out.
// Calls still take a nesting slot, so a call finding ten busy slots returns 0
// and is not recorded. Responders nest: the newest one answers, and the one
// before it takes over again when it is destroyed.
#include <QString>

#include <deque>
#include <initializer_list>
#include <optional>
#include <vector>

#include "MKRequest.h"

struct MKCall {
    QString kind;                // name of the call, e.g. "MKAsk"
    QString text;
    int defaultAnswer = 0;
    std::optional<int> seconds;  // the seconds MKInfoSec and MKErrorSec were given
};

class MKResponder {
public:
    explicit MKResponder(std::initializer_list<int> answers = {});
    ~MKResponder();
    MKResponder(const MKResponder&) = delete;
    MKResponder& operator=(const MKResponder&) = delete;

    // Adds an answer to the end of the script.
    void script(int answer);
    const std::vector<MKCall>& calls() const { return calls_; }

    // The responder now answering, or null when boxes are shown to the user.
    static MKResponder* installed();

    // Records a call and returns its answer.
    int respond(const MKRequest& request);

private:
    std::deque<int> script_;
    std::vector<MKCall> calls_;
    MKResponder* previous_;
};
