#include "CliCut.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "CliPrompt.h"
#include "CliTimes.h"
#include "CutLogLine.h"
#include "CutPlan.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "PartNames.h"
#include "WaveRange.h"

namespace {

struct CutCall {
    bool shortNames = false;
    bool minutes = false;
    std::string category;
    std::string source;
    std::string outputFolder;  // with a trailing separator
    std::vector<std::string> times;  // entry texts, ascending, each once
};

std::vector<std::string> SortedTimes(const CommandArgs& args, size_t at)
{
    std::vector<int64_t> times;
    for (; at < args.size(); ++at) {
        const auto t = ReadEntryTime(args.text(at));
        if (!t) throw UsageError("cut: TIME takes milliseconds or minutes.milliseconds, not '" + args.text(at) + "'");
        times.push_back(*t);
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    // Plain entry texts of the widest time: their text order is their time order.
    const TimeFormat wide = MakeTimeFormat(times.back(), false);
    std::vector<std::string> entries;
    for (int64_t t : times) entries.push_back(TimeEntryText(t, wide));
    return entries;
}

CutCall ReadCutCall(const CommandArgs& args)
{
    CutCall call;
    size_t at = 0;
    while (at < args.size() && args.text(at).starts_with("--")) {
        const std::string option = args.text(at++);
        if (option == "--short-names") {
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
    if (args.size() < at + 3) throw UsageError("cut needs SOURCE, OUTDIR and at least one TIME");
    call.source = args.text(at++);
    call.outputFolder = RequiredFolder(args.text(at++), "cut");
    if (!call.outputFolder.ends_with('/')) call.outputFolder += '/';
    call.times = SortedTimes(args, at);
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
    SourceCut(const CutCall& call, const WaveLayout& layout, const RunHooks& hooks)
        : call_(call), layout_(layout), hooks_(hooks),
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
        request.entries = &call_.times;
        request.selected.assign(call_.times.size(), true);
        request.CategoryNames = &categories;
        bool whole = true;
        for (const CutPart& part : PlanCut(request))
            if (!cutPart(part)) {
                whole = false;
                hooks_.prompt.MKError(call_.source + "\n" + CutTexts::SelectedTimeText + std::to_string(part.CutFrom) +
                                      "\n" + CutTexts::CutFailedText);
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
    const WaveLayout& layout_;
    const RunHooks& hooks_;
    CutWorkState work_;
    TimeFormat format_;
    std::string prefix_;
};

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
    return SourceCut(call, *layout, hooks).run();
}

}  // namespace

void RunCut(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const CutCall call = ReadCutCall(args);
    RunBatchCommand(out, ErrorText, [&](const RunHooks& hooks) { return CutSource(call, hooks); });
}
