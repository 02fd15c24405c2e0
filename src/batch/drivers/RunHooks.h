#pragma once
// What a batch driver is given besides its rows and settings: the prompt, the
// sink of its log lines, the hook it calls wherever the user interface may
// process pending messages, and the hooks that show its progress and its end.
#include <cstddef>
#include <functional>
#include <string>

#include "Prompt.h"

struct RunHooks {
    Prompt& prompt;
    // Receives each log line of the run, in order.
    std::function<void(const std::string& line)> log = [](const std::string&) {};
    // Lets the user interface process pending messages; true when the stop
    // button was pressed since the last call.
    std::function<bool()> pendingMessages = [] { return false; };
    // The status text of the file at work ("変換中:" + source, ...).
    std::function<void(const std::string& text)> status = [](const std::string&) {};
    // Files done of files to do, after each file.
    std::function<void(size_t done, size_t total)> progress = [](size_t, size_t) {};
    // The work is over (after the stop notice, before the summary): the
    // window puts its screen back as it was before the run and shows the
    // folder last written to (empty when none) in the file browser.
    std::function<void(const std::string& lastFolder)> workDone = [](const std::string&) {};
    // True once the program is closing: a run then keeps no output it has not
    // finished (a join is not finished with the files joined so far).
    std::function<bool()> closing = [] { return false; };
};
