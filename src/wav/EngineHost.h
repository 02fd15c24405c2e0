#pragma once
// What the engine asks of the program that hosts it: letting the user interface
// process pending messages, and showing a notice or an error through the
// program's message box. Everything defaults to a silent host that answers
// every box with the caller's default answer, as a count-down would.
#include <functional>
#include <string>

struct EngineHost {
    // Lets the user interface process pending messages (repaint, stop buttons).
    std::function<void()> processPendingMessages = [] {};
    // A notice with a count-down (MKInfoTM); returns the answer.
    std::function<int(const std::string& text, int defaultAnswer)> infoTM =
        [](const std::string&, int defaultAnswer) { return defaultAnswer; };
    // An error with OK / Abort and a count-down (MKError); returns the answer.
    std::function<int(const std::string& text, int defaultAnswer)> error =
        [](const std::string&, int defaultAnswer) { return defaultAnswer; };
};

// The one host of this process.
EngineHost& engineHost();

// Shorthand for engineHost().processPendingMessages().
void ProcessPendingMessages();
