#pragma once
// Steps that the routines writing one WAV file from another share: the
// error-text frame of a call, opening and walking a file's head, creating the
// target and writing its head.
#include <cstdint>
#include <new>
#include <string>

#include "HeadTexts.h"
#include "WavFile.h"
#include "WavHead.h"

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

// Opens a file and reads its head up to the first sample byte (the open
// message, then the checks of ReadWavHead).
bool OpenAndWalk(WavFile& file, const std::string& path, WavFile::Mode mode, const HeadTexts& texts,
                 WavHead& head, std::string& err, WalkOptions options = {});

// Creates (or replaces) a target file.
bool CreateTarget(WavFile& out, const std::string& path, const HeadTexts& texts, std::string& err);

// Writes the first headBytes of a source's head, then "data" and a size of 0;
// false when any of it was not written whole.
bool WriteTargetHead(WavFile& out, const WavHead& head, int64_t headBytes);
