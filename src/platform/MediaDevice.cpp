#include "MediaDevice.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>

// One open file: the range still present after deletes, in milliseconds of
// the file (originMs, endMs) and in frames (firstFrame, endFrame), and its play.
struct MediaDevice::Session {
    std::string path;
    WaveLayout layout;
    int64_t originMs = 0, endMs = 0;
    uint64_t firstFrame = 0, endFrame = 0;
    uint64_t stoppedAt = 0;              // the position while not playing
    uint64_t playEnd = 0;                // the frame the current play ends at
    std::unique_ptr<SoundOutput> output;
    std::unique_ptr<SoundOutput> retired;  // an output that failed, kept until its call returned
    bool playing = false;
    bool notifyPending = false;
    std::shared_ptr<bool> playDone;      // set when the current play ends
    unsigned generation = 0;             // tells a finished play from a later one

    int64_t lengthMs() const { return endMs - originMs; }

    // The frame at a position; positions from the length onwards are the end.
    uint64_t frameAt(int64_t ms) const
    {
        if (ms >= lengthMs()) return endFrame;
        const uint64_t f = static_cast<uint64_t>(originMs + ms) * layout.sampleRate / 1000;
        return std::clamp(f, firstFrame, endFrame);
    }

    int64_t msAt(uint64_t frame) const
    {
        const int64_t ms = static_cast<int64_t>(frame * 1000 / layout.sampleRate) - originMs;
        return std::clamp<int64_t>(ms, 0, lengthMs());
    }

    uint64_t position() const { return playing ? output->position() : stoppedAt; }
};

MediaDevice::MediaDevice(OutputFactory makeOutput, QObject* parent) : QObject(parent), makeOutput_(makeOutput) {}

MediaDevice::~MediaDevice()
{
    for (auto& [alias, session] : sessions_)
        if (session->playing) session->output->stop();
}

int MediaDevice::send(const std::string& text, std::string& reply)
{
    reply.clear();
    const MediaCommand command = ParseMediaCommand(text);
    if (!command.wellFormed) return MediaUnknownCommand;
    if (command.verb == "open") {
        const int code = open(command);
        if (code == MediaOk && command.notify) post(NotifySuccessful);
        return code;
    }

    static const std::map<std::string, int (MediaDevice::*)(Session&, const MediaCommand&, std::string&)> verbs = {
        {"close", &MediaDevice::close}, {"set", &MediaDevice::set},     {"status", &MediaDevice::status},
        {"play", &MediaDevice::play},   {"stop", &MediaDevice::stop},   {"delete", &MediaDevice::erase},
        {"save", &MediaDevice::save},
    };
    const auto verb = verbs.find(command.verb);
    if (verb == verbs.end()) return MediaUnknownCommand;
    const auto session = sessions_.find(command.alias);
    if (session == sessions_.end()) return MediaUnknownAlias;
    const int code = (this->*verb->second)(*session->second, command, reply);
    if (code == MediaOk && command.notify && command.verb != "play") post(NotifySuccessful);
    return code;
}

int MediaDevice::open(const MediaCommand& command)
{
    if (!command.words.empty()) return MediaUnknownCommand;
    if (sessions_.count(command.alias)) return MediaAliasInUse;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(command.path, ec)) return MediaFileNotFound;
    const auto layout = ReadWaveLayout(command.path);
    if (!layout) return MediaUnplayableFile;

    auto s = std::make_unique<Session>();
    s->path = command.path;
    s->layout = *layout;
    s->endFrame = layout->frameCount;
    s->endMs = static_cast<int64_t>(layout->frameCount * 1000 / layout->sampleRate);
    sessions_[command.alias] = std::move(s);
    return MediaOk;
}

int MediaDevice::close(Session& s, const MediaCommand& command, std::string&)
{
    if (!command.words.empty()) return MediaUnknownCommand;
    endPlay(s, NotifyAborted);
    sessions_.erase(command.alias);  // s is gone from here on
    return MediaOk;
}

int MediaDevice::set(Session&, const MediaCommand& command, std::string&)
{
    const auto& w = command.words;
    const bool ms = w.size() == 3 && w[0] == "time" && w[1] == "format" && (w[2] == "ms" || w[2] == "milliseconds");
    return ms ? MediaOk : MediaUnknownCommand;
}

int MediaDevice::status(Session& s, const MediaCommand& command, std::string& reply)
{
    if (command.words.size() != 1) return MediaUnknownCommand;
    const std::string& item = command.words.front();
    int64_t value;
    if (item == "length") value = s.lengthMs();
    else if (item == "position") value = s.msAt(s.position());
    else if (item == "samplespersec") value = s.layout.sampleRate;
    else if (item == "bitspersample") value = s.layout.bitsPerSample;
    else if (item == "channels") value = s.layout.channels;
    else return MediaUnknownCommand;
    reply = std::to_string(value);
    return MediaOk;
}

int MediaDevice::play(Session& s, const MediaCommand& command, std::string&)
{
    const KeywordValue from = FindKeywordValue(command, "from");
    const KeywordValue to = FindKeywordValue(command, "to");
    if (!from.ok || !to.ok || command.words.size() != 2u * from.found + 2u * to.found) return MediaUnknownCommand;
    const int64_t start = from.found ? from.value : s.msAt(s.position());
    const int64_t end = to.found ? to.value : s.lengthMs();
    if (start > s.lengthMs() || end > s.lengthMs() || start > end) return MediaOutOfRange;

    endPlay(s, NotifySuperseded);
    const uint64_t first = s.frameAt(start);
    s.playEnd = s.frameAt(end);
    s.output = makeOutput_(s.layout);
    ++s.generation;
    if (!startOutput(s, first)) return MediaOutputFailed;
    s.playing = true;
    s.notifyPending = command.notify;
    s.playDone = std::make_shared<bool>(false);
    if (command.wait) {
        const auto done = s.playDone;
        while (!*done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return MediaOk;
}

int MediaDevice::stop(Session& s, const MediaCommand& command, std::string&)
{
    if (!command.words.empty()) return MediaUnknownCommand;
    endPlay(s, NotifyAborted);
    return MediaOk;
}

int MediaDevice::erase(Session& s, const MediaCommand& command, std::string&)
{
    const KeywordValue from = FindKeywordValue(command, "from");
    const KeywordValue to = FindKeywordValue(command, "to");
    if (from.found == to.found || !from.ok || !to.ok || command.words.size() != 2) return MediaUnknownCommand;
    const int64_t at = from.found ? from.value : to.value;
    if (at > s.lengthMs()) return MediaOutOfRange;
    endPlay(s, NotifyAborted);

    if (to.found) {
        // Through N inclusive: the new beginning is N + 1 ms.
        const int64_t origin = std::min(s.originMs + at + 1, s.endMs);
        s.firstFrame = origin >= s.endMs ? s.endFrame : std::max(s.firstFrame, s.frameAt(at + 1));
        s.originMs = origin;
    } else if (at < s.lengthMs()) {
        s.endFrame = s.frameAt(at);
        s.endMs = s.originMs + at;
    }
    s.stoppedAt = s.firstFrame;
    return MediaOk;
}

int MediaDevice::save(Session& s, const MediaCommand& command, std::string&)
{
    if (!command.words.empty() || command.path.empty()) return MediaUnknownCommand;
    endPlay(s, NotifyAborted);
    const std::string error = SaveWaveRange(s.path, s.layout, s.firstFrame, s.endFrame, command.path);
    return error.empty() ? MediaOk : MediaSaveFailed;
}

// Starts the session's output on [first, playEnd). An output that cannot
// start gives way to the silent clock: the play is not heard, but it runs
// and ends on time.
bool MediaDevice::startOutput(Session& s, uint64_t first)
{
    const unsigned generation = s.generation;
    auto finished = [this, &s, generation](bool playedToEnd) { outputEnded(s, generation, playedToEnd); };
    const bool started = s.output->start(s.path, s.layout, first, s.playEnd, finished);
    noteSilence(s.output->silence());
    if (started) return true;
    s.retired = std::move(s.output);
    s.output = SilentOutput(s.layout);
    return s.output->start(s.path, s.layout, first, s.playEnd, finished);
}

// The output ended by itself. An output that lost its sound server hands
// the rest of the play to the silent clock from where it stood, so the play
// still ends on time and what follows it runs as usual.
void MediaDevice::outputEnded(Session& s, unsigned generation, bool playedToEnd)
{
    if (s.generation != generation) return;
    const Silence reason = s.output->silence();
    if (playedToEnd || reason == Silence::None) {
        endPlay(s, playedToEnd ? NotifySuccessful : NotifyFailure);
        return;
    }
    noteSilence(reason);
    const uint64_t at = s.output->position();
    s.retired = std::move(s.output);  // its call is still on the stack
    s.output = SilentOutput(s.layout);
    if (!startOutput(s, at)) endPlay(s, NotifyFailure);
}

// The first play that is not heard tells the user why, once.
void MediaDevice::noteSilence(Silence reason)
{
    if (reason == Silence::None || silenceNoticed_) return;
    silenceNoticed_ = true;
    QMetaObject::invokeMethod(
        this, [this, text = SilenceNotice(reason)] { if (silenceNotice_) silenceNotice_(text); },
        Qt::QueuedConnection);
}

// Ends the current play, if any, and reports it with `code` when its
// completion was asked for.
void MediaDevice::endPlay(Session& s, int code)
{
    if (!s.playing) return;
    s.stoppedAt = code == NotifySuccessful ? s.output->position() : s.position();
    s.output->stop();
    s.playing = false;
    ++s.generation;
    if (s.playDone) *s.playDone = true;
    if (s.notifyPending) post(code);
    s.notifyPending = false;
}

void MediaDevice::post(int code)
{
    QMetaObject::invokeMethod(
        this, [this, code] { if (notifier_) notifier_(code); }, Qt::QueuedConnection);
}
