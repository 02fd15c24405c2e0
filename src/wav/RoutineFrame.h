#pragma once
// The frame every engine routine runs in.
#include <new>
#include <string>

// Runs a routine's body under the engine's error-text rule: ErrorText holds
// the default text on entry, the first failed check's text when the body
// returns false, and is emptied only when the body succeeds. An allocation
// failure ends the body and leaves the default text.
template <class Body>
void RunRoutine(std::string& ErrorText, const std::string& defaultText, Body body)
{
    ErrorText = defaultText;
    try {
        if (body(ErrorText)) ErrorText.clear();
    } catch (const std::bad_alloc&) {
        ErrorText = defaultText;
    }
}
