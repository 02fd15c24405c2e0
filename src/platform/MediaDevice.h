#pragma once
// The in-process media device. It takes the program's command strings
//   open "path" alias NAME, set NAME time format ms, status NAME length |
//   position | samplespersec | bitspersample | channels, play NAME [from N]
//   [to N], stop NAME, close NAME, delete NAME to N | from N, save NAME "path"
// each optionally followed by " wait" or " notify", answers replies as
// decimal texts and returns 0 on success or a MediaError code. A command sent
// with " notify" later posts its completion code through the event loop:
// 1 played to the end of its range, 2 superseded by another play, 4 aborted
// by stop or close, 8 failed.
//
// Positions are milliseconds from the beginning of the open range; a time t
// maps to the frame floor(t x rate / 1000). "delete NAME to N" removes the
// audio before N + 1 ms, "delete NAME from N" the audio from N ms to the end,
// and the positions then count from the new beginning, so the parts of a cut
// made with these commands follow each other frame for frame. The source
// file is only read; "save" writes the remaining range as a new file.
#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "MediaCommand.h"
#include "SoundOutput.h"
#include "WaveRange.h"

enum MediaError : int {
    MediaOk = 0,
    MediaUnknownCommand = 1,   // verb or keyword not understood, or a malformed command
    MediaUnknownAlias = 2,     // no device open under that alias
    MediaAliasInUse = 3,       // open under an alias that is already open
    MediaFileNotFound = 4,
    MediaUnplayableFile = 5,   // not a PCM WAV file this device plays
    MediaOutOfRange = 6,       // a position beyond the open range
    MediaSaveFailed = 7,
    MediaOutputFailed = 8,     // the sound output would not start
};

enum MediaNotify : int {
    NotifySuccessful = 1,
    NotifySuperseded = 2,
    NotifyAborted = 4,
    NotifyFailure = 8,
};

// A plain QObject (no meta-object of its own): it is only the context that
// posted completions run in, and tools using it link nothing but Qt Core.
class MediaDevice : public QObject {
public:
    using Notifier = std::function<void(int code)>;

    // Tools and tests that never want sound pass SilentOutput; the default
    // output is only linked in by callers that use it.
    explicit MediaDevice(OutputFactory makeOutput = &DefaultDeviceOutput, QObject* parent = nullptr);
    ~MediaDevice() override;

    // Runs one command; the reply (a decimal text, or empty) replaces `reply`.
    int send(const std::string& command, std::string& reply);
    // Where completion codes go; they arrive from the event loop, never
    // from inside send().
    void setNotifier(Notifier notifier) { notifier_ = std::move(notifier); }
    // Where the notice goes that plays are not heard and why: given once per
    // device (one per run), from the event loop. Plays go on silently.
    void setSilenceNotice(std::function<void(const std::string& text)> notice) { silenceNotice_ = std::move(notice); }

private:
    struct Session;
    int open(const MediaCommand& command);
    int close(Session& s, const MediaCommand& command, std::string& reply);
    int set(Session& s, const MediaCommand& command, std::string& reply);
    int status(Session& s, const MediaCommand& command, std::string& reply);
    int play(Session& s, const MediaCommand& command, std::string& reply);
    int stop(Session& s, const MediaCommand& command, std::string& reply);
    int erase(Session& s, const MediaCommand& command, std::string& reply);
    int save(Session& s, const MediaCommand& command, std::string& reply);

    bool startOutput(Session& s, uint64_t first);
    void outputEnded(Session& s, unsigned generation, bool playedToEnd);
    void noteSilence(Silence reason);
    void endPlay(Session& s, int code);
    void post(int code);

    OutputFactory makeOutput_;
    Notifier notifier_;
    std::function<void(const std::string&)> silenceNotice_;
    bool silenceNoticed_ = false;
    std::map<std::string, std::unique_ptr<Session>> sessions_;
};
