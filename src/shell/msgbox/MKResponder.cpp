#include "MKResponder.h"

namespace {
MKResponder* current = nullptr;
}

MKResponder::MKResponder(std::initializer_list<int> answers)
    : script_(answers), previous_(current)
{
    current = this;
}

MKResponder::~MKResponder()
{
    current = previous_;
}

void MKResponder::script(int answer)
{
    script_.push_back(answer);
}

MKResponder* MKResponder::installed()
{
    return current;
}

int MKResponder::respond(const MKRequest& request)
{
    calls_.push_back({request.operation, request.text, request.defaultAnswer, request.givenSeconds});
    if (script_.empty()) return request.defaultAnswer;
    const int answer = script_.front();
    script_.pop_front();
    return answer;
}
