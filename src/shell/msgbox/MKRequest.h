#pragma once
// What one message-box call asks for: the answers a box can give, the kinds
// of box, and the request that the seven calls hand to the box or to the
// scripted responder.
#include <QString>

#include <optional>

// Answers of a box (the usual modal-result numbers).
namespace MKAnswer {
inline constexpr int NotShown = 0;  // ten boxes were already open
inline constexpr int OK = 1;
inline constexpr int Abort = 3;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
inline constexpr int TimeOut = 11;  // the count-down ran out; the call returns its default
}  // namespace MKAnswer

// Kind of a box: plain notice, notice or question with a count-down, error.
enum class MKKind { Plain = 0, Normal = 1, Error = 2 };

struct MKRequest {
    QString operation;                // name of the call, e.g. "MKAsk"
    QString text;                     // the message, lines separated by "\n"
    int defaultAnswer = MKAnswer::OK; // what a time-out answers
    std::optional<int> givenSeconds;  // seconds the caller passed (MKInfoSec, MKErrorSec)
    MKKind kind = MKKind::Plain;
    bool question = false;            // Yes and No instead of OK, question icon
    bool countDown = false;           // the box answers by itself after `seconds`
    int seconds = 0;                  // length of the count-down

    // Abort is offered by error boxes, and only while they count down.
    bool abortShown() const { return kind == MKKind::Error && countDown; }
};
