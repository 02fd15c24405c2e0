#include "CliPauses.h"

#include <optional>
#include <vector>

#include "CliOutput.h"
#include "CliSilenceCut.h"
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

}  // namespace

PauseOptions ReadPauseOptions(const CommandArgs& args, size_t& at, PausePlacement& placement)
{
    PauseOptions options;
    placement = {};
    while (at < args.size()) {
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
            break;
        }
    }
    return options;
}

void RunPauses(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    size_t at = 0;
    PausePlacement placement;
    const PauseOptions options = ReadPauseOptions(args, at, placement);
    if (at < args.size() && args.text(at).starts_with("--"))
        throw UsageError("pauses has no option '" + args.text(at) + "'");
    if (args.size() != at + 1) throw UsageError("pauses takes one FILE after its options");
    PauseScanResult result;
    FindPauses(args.text(at), options, result, ErrorText);
    if (ErrorText.empty()) printTimes(out, result, PauseTimes(result, placement));
}
