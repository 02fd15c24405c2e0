#include "CliCut.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "CliListFile.h"
#include "CliPauses.h"
#include "CliPrompt.h"
#include "CliTimes.h"
#include "CutLogLine.h"
#include "CutPlan.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "PartNames.h"
#include "PauseScan.h"
#include "TimeExchange.h"
#include "TimeExchangeTexts.h"
#include "WaveRange.h"

namespace {

struct CutCall {
    bool shortNames = false;
    bool minutes = false;
    std::string category;
    bool atPauses = false;
    PauseOptions pauseOptions;
    PausePlacement placement;
    std::string timesFile;     // empty: none
    std::string source;
    std::string outputFolder;  // with a trailing separator
    std::vector<ExchangedTime> times;  // the TIMEs given, without names
};

std::vector<ExchangedTime> GivenTimes(const CommandArgs& args, size_t at)
{
    std::vector<ExchangedTime> times;
    for (; at < args.size(); ++at) {
        const auto t = ReadEntryTime(args.text(at));
        if (!t) throw UsageError("cut: TIME takes milliseconds or minutes.milliseconds, not '" + args.text(at) + "'");
        times.push_back({*t, {}});
    }
    return times;
}

// The cut's entries: the times ascending, each once (a named one before an
// unnamed one of the same time), as plain entry texts of the widest time, so
// that their text order is their time order; and the name of each.
struct CutEntries {
    std::vector<std::string> texts;
    std::vector<std::string> names;
};

CutEntries EntriesOf(std::vector<ExchangedTime> times)
{
    std::stable_sort(times.begin(), times.end(), [](const ExchangedTime& a, const ExchangedTime& b) {
        return a.ms != b.ms ? a.ms < b.ms : !a.name.empty() && b.name.empty();
    });
    times.erase(std::unique(times.begin(), times.end(),
                            [](const ExchangedTime& a, const ExchangedTime& b) { return a.ms == b.ms; }),
                times.end());
    CutEntries entries;
    const TimeFormat wide = MakeTimeFormat(times.empty() ? 0 : times.back().ms, false);
    for (const ExchangedTime& t : times) {
        entries.texts.push_back(TimeEntryText(t.ms, wide));
        entries.names.push_back(CategoryNameOf(t.name));
    }
    return entries;
}

CutCall ReadCutCall(const CommandArgs& args)
{
    CutCall call;
    size_t at = 0;
    while (at < args.size() && args.text(at).starts_with("--")) {
        if (call.atPauses && ReadPauseOption(args, at, call.pauseOptions, call.placement)) continue;
        const std::string option = args.text(at++);
        if (option == "--at-pauses") {
            call.atPauses = true;
        } else if (option == "--times-from") {
            if (at >= args.size() || args.text(at).empty()) throw UsageError("--times-from needs a FILE");
            call.timesFile = args.text(at++);
        } else if (option == "--short-names") {
            call.shortNames = true;
        } else if (option == "--minutes") {
            call.minutes = true;
        } else if (option == "--category") {
            if (at >= args.size()) throw UsageError("--category needs a NAME");
            call.category = args.text(at++);
        } else {
            throw UsageError("cut has no option '" + option + "'");
        }
    }
    const bool timesElsewhere = call.atPauses || !call.timesFile.empty();
    if (args.size() < at + (timesElsewhere ? 2 : 3))
        throw UsageError(timesElsewhere ? "cut needs SOURCE and OUTDIR"
                                        : "cut needs SOURCE, OUTDIR and at least one TIME (or --at-pauses, --times-from)");
    call.source = args.text(at++);
    call.outputFolder = RequiredFolder(args.text(at++), "cut");
    if (!call.outputFolder.ends_with('/')) call.outputFolder += '/';
    call.times = GivenTimes(args, at);
    return call;
}

// Milliseconds to frames as the media device maps them: floor(ms x rate / 1000),
// the end of the data for times past it (tested first, so no product overflows).
uint64_t FrameAt(int64_t ms, const WaveLayout& layout)
{
    if (static_cast<uint64_t>(ms) > layout.frameCount * 1000 / layout.sampleRate) return layout.frameCount;
    return std::min(static_cast<uint64_t>(ms) * layout.sampleRate / 1000, layout.frameCount);
}

int64_t LengthMs(uint64_t frames, const WaveLayout& layout)
{
    return static_cast<int64_t>(frames * 1000 / layout.sampleRate);
}

class SourceCut {
public:
    SourceCut(const CutCall& call, CutEntries entries, const WaveLayout& layout, const RunHooks& hooks)
        : call_(call), entries_(std::move(entries)), layout_(layout), hooks_(hooks),
          format_(MakeTimeFormat(LengthMs(layout.frameCount, layout), call.minutes))
    {
        SetCutFile(work_, call.source);
        const auto now = std::chrono::system_clock::now();
        prefix_ = NamePrefix(call.outputFolder, work_.SaveBase, call.shortNames, now);
    }

    // Writes every part; true when all were written.
    bool run()
    {
        const std::array<std::string, ColourCodeCount> categories{call_.category};
        CutRequest request;
        request.entries = &entries_.texts;
        request.selected.assign(entries_.texts.size(), true);
        request.CategoryNames = &categories;
        bool whole = true;
        for (CutPart& part : PlanCut(request)) {
            const std::string& name = entries_.names[static_cast<size_t>(part.index)];
            if (!name.empty()) part.category = name;
            if (!cutPart(part)) {
                whole = false;
                hooks_.prompt.MKError(call_.source + "\n" + CutTexts::SelectedTimeText + std::to_string(part.CutFrom) +
                                      "\n" + CutTexts::CutFailedText);
            }
        }
        hooks_.prompt.MKInfoTM(CutTexts::CutDoneText);
        return whole;
    }

private:
    bool cutPart(const CutPart& part)
    {
        const uint64_t first = FrameAt(part.CutFrom, layout_);
        const uint64_t end = part.CutTo < 0 ? layout_.frameCount : FrameAt(part.CutTo, layout_);
        const std::string name =
            PartName(call_.outputFolder, prefix_, part.CutFrom, format_, part.category, work_.SaveExt);
        // A part beyond the end of the file holds nothing and is not written.
        const auto path = first < layout_.frameCount ? savePart(first, end, PartNaming(name)) : std::nullopt;
        if (!path) {
            hooks_.prompt.MKError(name + "\n" + CutTexts::CutFailedText);
            return false;
        }
        const std::string length = CutLengthText(LengthMs(end - first, layout_), call_.minutes);
        hooks_.log(CutLogLine(*path, length, std::chrono::system_clock::now()));
        return true;
    }

    // Writes the frames under a temporary name; the whole part then takes the
    // first free name of its naming, which is returned.
    std::optional<std::string> savePart(uint64_t first, uint64_t end, const OutputNaming& naming)
    {
        OutputDraft draft;
        if (!BeginDraft(draft, naming) || !SaveWaveRange(call_.source, layout_, first, end, draft.path()).empty())
            return std::nullopt;
        return PublishDraft(draft, naming);
    }

    const CutCall& call_;
    const CutEntries entries_;
    const WaveLayout& layout_;
    const RunHooks& hooks_;
    CutWorkState work_;
    TimeFormat format_;
    std::string prefix_;
};

// The times of --times-from, those beyond the end left out with a notice.
bool AddFileTimes(const CutCall& call, int64_t length, const RunHooks& hooks, std::vector<ExchangedTime>& times)
{
    if (call.timesFile.empty()) return true;
    std::string error;
    const auto lines = ListFileLines(call.timesFile, error);
    if (!lines) {
        hooks.prompt.MKError(error);
        return false;
    }
    const TimesRead read = ReadTimesFile(*lines, length);
    times.insert(times.end(), read.times.begin(), read.times.end());
    if (read.leftOut > 0) {
        std::string notice = TimeExchangeTexts::TimesLeftOut;
        hooks.prompt.MKInfo(notice.replace(notice.find("%1"), 2, std::to_string(read.leftOut)));
    }
    return true;
}

// 0 and the times the pauses of the source propose, for --at-pauses.
bool AddPauseTimes(const CutCall& call, const RunHooks& hooks, std::vector<ExchangedTime>& times)
{
    if (!call.atPauses) return true;
    PauseScanResult result;
    std::string error;
    FindPauses(call.source, call.pauseOptions, result, error);
    if (!error.empty()) {
        hooks.prompt.MKError(error);
        return false;
    }
    times.push_back({0, {}});
    for (const int64_t t : PauseTimes(result, call.placement)) times.push_back({t, {}});
    return true;
}

bool CutSource(const CutCall& call, const RunHooks& hooks)
{
    std::error_code ec;
    if (!std::filesystem::exists(call.source, ec)) {
        hooks.prompt.MKInfoTM(call.source + "\n" + CutTexts::CutFileGoneText);
        return false;
    }
    const auto layout = ReadWaveLayout(call.source);
    if (!layout) {
        hooks.prompt.MKError(CutTexts::CutOpenErrorText + call.source + "\n" + CutTexts::CutOpenFailedText);
        return false;
    }
    std::vector<ExchangedTime> times = call.times;
    if (!AddFileTimes(call, LengthMs(layout->frameCount, *layout), hooks, times) || !AddPauseTimes(call, hooks, times))
        return false;
    if (times.empty()) {
        hooks.prompt.MKInfoTM(CutTexts::NoTimesText);
        return false;
    }
    return SourceCut(call, EntriesOf(std::move(times)), *layout, hooks).run();
}

}  // namespace

void RunCut(CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const CutCall call = ReadCutCall(args);
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) { return CutSource(call, hooks); });
}
