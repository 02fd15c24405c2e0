#include "Mkdlg.h"

#include <algorithm>

#include "AppMainWindow.h"
#include "MKResponder.h"
#include "mk.h"

TMKBoxDlg::TMKBoxDlg(QObject* parent)
    : QObject(parent)
{
}

bool& TMKBoxDlg::busy(int slot)
{
    static constexpr bool TMKBoxDlg::*flags[MKSlotCount] = {
        &TMKBoxDlg::B0, &TMKBoxDlg::B1, &TMKBoxDlg::B2, &TMKBoxDlg::B3, &TMKBoxDlg::B4,
        &TMKBoxDlg::B5, &TMKBoxDlg::B6, &TMKBoxDlg::B7, &TMKBoxDlg::B8, &TMKBoxDlg::B9};
    return this->*flags[slot];
}

namespace {

int FreeSlot(TMKBoxDlg& box)
{
    for (int slot = 0; slot < MKSlotCount; ++slot) {
        if (!box.busy(slot)) return slot;
    }
    return -1;
}

// Holds a slot for the length of one call and frees it on the way out.
class SlotHold {
public:
    SlotHold(TMKBoxDlg& box, int slot, const MKRequest& request)
        : box_(box), slot_(slot)
    {
        box_.busy(slot_) = true;
        MKSlot& state = box_.CallSlots[slot_];
        state.kind = request.kind;
        state.timerOn = request.countDown;
        state.seconds = QString::number(request.seconds);
    }
    ~SlotHold()
    {
        box_.CallSlots[slot_] = MKSlot{};
        box_.busy(slot_) = false;
    }
    SlotHold(const SlotHold&) = delete;
    SlotHold& operator=(const SlotHold&) = delete;

    MKSlot& state() { return box_.CallSlots[slot_]; }

private:
    TMKBoxDlg& box_;
    int slot_;
};

QWidget* OwnerWindow(const TMKBoxDlg& box)
{
    if (box.SourceHandle) return box.SourceHandle->window();
    return AppMainWindow();
}

// Shows the dialog window modally and returns the button's answer.
int AskUser(TMKBoxDlg& box, MKSlot& slot, const MKRequest& request)
{
    QWidget* owner = OwnerWindow(box);
    QPointer<TMKBox> window = new TMKBox(owner);
    slot.window = window;
    window->setUp(request, box.Title);
    window->placeOver(owner);
    const int answer = window->run();
    slot.window = nullptr;
    // The window is gone already when its owner was destroyed meanwhile; the
    // box then closed without an answer and the caller gets its default.
    const bool answered = !window.isNull();
    delete window;
    if (QWidget* main = AppMainWindow()) main->update();
    return answered ? answer : MKAnswer::TimeOut;
}

int ShowBox(TMKBoxDlg& box, MKRequest request)
{
    const int slot = FreeSlot(box);
    if (slot < 0) return MKAnswer::NotShown;
    request.seconds = std::max(request.seconds, 0);
    SlotHold hold(box, slot, request);
    MKResponder* responder = MKResponder::installed();
    const int answer = responder ? responder->respond(request) : AskUser(box, hold.state(), request);
    return answer == MKAnswer::TimeOut ? request.defaultAnswer : answer;
}

// A plain notice without a count-down; the others build on it.
MKRequest Request(const QString& operation, const QString& text, int defaultAnswer)
{
    MKRequest request;
    request.operation = operation;
    request.text = text;
    request.defaultAnswer = defaultAnswer;
    return request;
}

MKRequest Normal(const TMKBoxDlg& box, const QString& operation, const QString& text,
                 int defaultAnswer, int seconds)
{
    MKRequest request = Request(operation, text, defaultAnswer);
    request.kind = MKKind::Normal;
    request.countDown = box.Timer;
    request.seconds = seconds;
    return request;
}

MKRequest Error(const TMKBoxDlg& box, const QString& operation, const QString& text,
                int defaultAnswer, int seconds)
{
    MKRequest request = Request(operation, text, defaultAnswer);
    request.kind = MKKind::Error;
    request.countDown = box.ERTimer;
    request.seconds = seconds;
    return request;
}

MKRequest Question(MKRequest request)
{
    request.question = true;
    return request;
}

MKRequest WithGivenSeconds(MKRequest request)
{
    request.givenSeconds = request.seconds;
    return request;
}

}  // namespace

int MKInfo(TMKBoxDlg& box, const QString& text)
{
    return ShowBox(box, Request("MKInfo", text, MKAnswer::OK));
}

int MKInfoTM(TMKBoxDlg& box, const QString& text, int defaultAnswer)
{
    return ShowBox(box, Normal(box, "MKInfoTM", text, defaultAnswer, box.TimerCount));
}

int MKAsk(TMKBoxDlg& box, const QString& text, int defaultAnswer)
{
    return ShowBox(box, Question(Normal(box, "MKAsk", text, defaultAnswer, box.TimerCount)));
}

int MKInfoSec(TMKBoxDlg& box, int seconds, const QString& text, int defaultAnswer)
{
    return ShowBox(box, WithGivenSeconds(Normal(box, "MKInfoSec", text, defaultAnswer, seconds)));
}

int MKError(TMKBoxDlg& box, const QString& text, int defaultAnswer)
{
    return ShowBox(box, Error(box, "MKError", text, defaultAnswer, box.ERTimerCount));
}

int MKErrorAsk(TMKBoxDlg& box, const QString& text, int defaultAnswer)
{
    return ShowBox(box, Question(Error(box, "MKErrorAsk", text, defaultAnswer, box.ERTimerCount)));
}

int MKErrorSec(TMKBoxDlg& box, int seconds, const QString& text, int defaultAnswer)
{
    return ShowBox(box, WithGivenSeconds(Error(box, "MKErrorSec", text, defaultAnswer, seconds)));
}
