#include "CliPauses.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "CliOutput.h"
#include "CliSilenceCut.h"
#include "RegisteredTimes.h"
#include "TimeExchange.h"
#include "TimeExchangeTexts.h"
#include "TimeFormat.h"

namespace {

// Seconds with up to three decimals ("1", "1.0", ".5", "0.25") as milliseconds;
// nothing when the text is no such number.
std::optional<int64_t> secondsAsMs(const std::string& text)
{
    const size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
    auto digits = [](const std::string& s) { return s.find_first_not_of("0123456789") == std::string::npos; };
    if ((whole.empty() && decimals.empty()) || whole.size() > 9 || decimals.size() > 3 || !digits(whole) ||
        !digits(decimals))
        return std::nullopt;
    int64_t ms = 0;
    for (char c : whole) ms = ms * 10 + (c - '0');
    ms *= 1000;
    int64_t scale = 100;
    for (char c : decimals) {
        ms += (c - '0') * scale;
        scale /= 10;
    }
    return ms;
}

// The seconds that follow `what` at `at`, moving past them.
int64_t secondsAt(const CommandArgs& args, size_t& at, const std::string& what, int64_t least)
{
    if (at >= args.size()) throw UsageError(what + " needs a number of seconds");
    const std::string& word = args.text(at++);
    const auto ms = secondsAsMs(word);
    if (!ms || *ms < least)
        throw UsageError(what + " takes seconds like 1.0 or 0.25 (up to three decimals" +
                         std::string(least > 0 ? ", above 0" : "") + "), not '" + word + "'");
    return *ms;
}

PausePlacement placementAt(const CommandArgs& args, size_t& at)
{
    if (at >= args.size()) throw UsageError("--place needs start, middle or before-sound S");
    const std::string& word = args.text(at++);
    if (word == "start") return {PausePlace::Start};
    if (word == "middle") return {PausePlace::Middle};
    if (word == "before-sound") return {PausePlace::BeforeSound, secondsAt(args, at, "--place before-sound", 0)};
    throw UsageError("--place takes start, middle or before-sound S, not '" + word + "'");
}

// One line per time: its milliseconds, a tab, and its entry text for the file's length.
void printTimes(std::FILE* out, const PauseScanResult& result, const std::vector<int64_t>& times)
{
    const TimeFormat format = MakeTimeFormat(result.frames * 1000 / result.sampleRate, false);
    for (int64_t t : times) PrintLine(out, std::to_string(t) + "\t" + TimeEntryText(t, format));
}

// What the command writes: the times, or the parts as labels or a cue sheet.
enum class Written { Times, Labels, Cue };

struct PausesCall {
    PauseOptions options;
    PausePlacement placement;
    Written written = Written::Times;
    std::string output;  // the file to write; empty: beside FILE
    std::string file;
};

// FILE's name with the extension of what is written (".txt" labels, ".cue").
std::string NextTo(const std::string& file, Written written)
{
    return std::filesystem::path(file).replace_extension(written == Written::Cue ? ".cue" : ".txt").string();
}

// The parts the times cut, from 0 to the end of the file, as label or cue lines.
std::vector<std::string> partLines(const PausesCall& call, const PauseScanResult& result,
                                   const std::vector<int64_t>& times)
{
    const int64_t length = result.frames * 1000 / result.sampleRate;
    const TimeFormat format = MakeTimeFormat(length, false);
    RegisteredTimes registered;
    registered.RegisterEntry(TimeEntryText(0, format), "", false);
    for (int64_t t : times) registered.RegisterEntry(TimeEntryText(t, format), "", false);
    const std::vector<ExportPart> parts = ExportParts(registered, {}, false, length);
    if (call.written == Written::Labels) return LabelLines(parts);
    if (parts.size() > static_cast<size_t>(MaxCueTracks)) {
        std::string notice = TimeExchangeTexts::CueTracksLeftOut;
        notice.replace(notice.find("%1"), 2, std::to_string(parts.size() - MaxCueTracks));
        std::fprintf(stderr, "%s\n", notice.c_str());
    }
    return CueLines(call.file, parts);
}

// The options in any order, then FILE.
PausesCall ReadPausesCall(const CommandArgs& args)
{
    PausesCall call;
    size_t at = 0;
    while (at < args.size() && args.text(at).starts_with("--")) {
        if (ReadPauseOption(args, at, call.options, call.placement)) continue;
        const std::string option = args.text(at++);
        if (option == "--labels" || option == "--cue") {
            call.written = option == "--cue" ? Written::Cue : Written::Labels;
        } else if (option == "--output") {
            if (at >= args.size() || args.text(at).empty()) throw UsageError("--output needs a PATH");
            call.output = args.text(at++);
        } else {
            throw UsageError("pauses has no option '" + option + "'");
        }
    }
    if (!call.output.empty() && call.written == Written::Times)
        call.written = NextTo(call.output, Written::Cue) == call.output ? Written::Cue : Written::Labels;
    if (args.size() != at + 1) throw UsageError("pauses takes one FILE after its options");
    call.file = args.text(at);
    return call;
}

}  // namespace

bool ReadPauseOption(const CommandArgs& args, size_t& at, PauseOptions& options, PausePlacement& placement)
{
    if (at >= args.size()) return false;
    const std::string option = args.text(at);
    SilenceCut unused = SilenceCut::Off;
    if (option == "--min-pause") {
        ++at;
        options.minPauseMs = secondsAt(args, at, option, 1);
    } else if (option == "--place") {
        ++at;
        placement = placementAt(args, at);
    } else if (option == "--level8" || option == "--level16") {
        ++at;
        ReadSilenceCutOption(args, option, at, unused, options.levels);
    } else {
        return false;
    }
    return true;
}

PauseOptions ReadPauseOptions(const CommandArgs& args, size_t& at, PausePlacement& placement)
{
    PauseOptions options;
    placement = {};
    while (ReadPauseOption(args, at, options, placement)) {
    }
    return options;
}

void RunPauses(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const PausesCall call = ReadPausesCall(args);
    PauseScanResult result;
    FindPauses(call.file, call.options, result, ErrorText);
    if (!ErrorText.empty()) return;
    const std::vector<int64_t> times = PauseTimes(result, call.placement);
    if (call.written == Written::Times) {
        printTimes(out, result, times);
        return;
    }
    const std::string path = call.output.empty() ? NextTo(call.file, call.written) : call.output;
    if (WriteNewTextFile(path, partLines(call, result, times), ErrorText)) PrintLine(out, path);
}
