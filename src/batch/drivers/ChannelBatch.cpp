#include "ChannelBatch.h"

#include <filesystem>
#include <optional>

#include "BatchLogLine.h"
#include "Channels.h"
#include "ChannelBatchTexts.h"
#include "ChannelOutputNames.h"
#include "ConvertTexts.h"
#include "RunFrame.h"
#include "Fmt16.h"
#include "FreeSpace.h"
#include "OutputNames.h"
#include "SizeChecks.h"
#include "WavFile.h"
#include "WavInfo.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;

namespace {

const ChannelBatchTexts& TextsOf(ChannelJob job)
{
    switch (job) {
    case ChannelJob::Separate: return ChannelTexts::Separation;
    case ChannelJob::Reverse: return ChannelTexts::Reversal;
    case ChannelJob::Fmt: break;
    }
    return ChannelTexts::Fmt;
}

// The proposed outputs of a source, or none when every numbered name is taken.
std::optional<std::vector<std::string>> OutputsOf(ChannelJob job, const std::string& folder,
                                                  const std::string& source)
{
    if (job == ChannelJob::Separate) {
        auto pair = SeparationOutputNames(folder, source);
        if (!pair) return std::nullopt;
        return std::vector<std::string>{pair->first, pair->second};
    }
    auto name = job == ChannelJob::Reverse ? ReversalOutputName(folder, source) : FmtOutputName(folder, source);
    if (!name) return std::nullopt;
    return std::vector<std::string>{*name};
}

std::string PatternOf(ChannelJob job, const std::string& base)
{
    switch (job) {
    case ChannelJob::Separate: return NumberedPattern(base, "_lr", 3, "_L.wav");
    case ChannelJob::Reverse: return NumberedPattern(base, "_RV", 3, ".wav");
    case ChannelJob::Fmt: break;
    }
    return NumberedPattern(base, "_fmt", 3, ".wav");
}

// One batch run's state and steps.
class ChannelRun {
public:
    ChannelRun(ChannelJob job, const std::string& folder, const ChannelBatchSettings& s, const RunHooks& h,
               const AskSaveName& ask)
        : job_(job), texts_(TextsOf(job)), folder_(folder), settings_(s), hooks_(h), ask_(ask)
    {
    }

    ChannelBatchResult run(const std::vector<std::string>& sources)
    {
        result_.started = CheckWorkBuffer();
        if (!result_.started) return result_;
        hooks_.status(texts_.start);
        RunSteps(sources.size(), hooks_, result_.stopped, [&](size_t i) { source(sources[i]); });
        ShowRunEnd(hooks_, result_.stopped, result_.written,
                   {texts_.end, texts_.summaryHead, texts_.countText, texts_.countLead}, result_.lastFolder);
        return result_;
    }

private:
    // An error box; Abort stops the run.
    void error(const std::string& text) { ShowError(hooks_.prompt, text, result_.stopped); }
    void skip(const std::string& text) { LeaveFileOut(hooks_.prompt, text, result_.failed, result_.stopped); }

    void source(const std::string& path)
    {
        const std::optional<std::vector<std::string>> outputs = OutputsOf(job_, folder_, path);
        if (!outputs) {
            result_.failed += OutputsPerSource(job_);
            error(ConvertTexts::NoFreeName + folder_ + "\n" + PatternOf(job_, fs::path(path).stem().string()) +
                  "\n" + ConvertTexts::SkipFile);
            return;
        }
        hooks_.status(texts_.progress + path);
        for (size_t side = 0; side < outputs->size() && !result_.stopped; ++side)
            output(path, chosen(path, (*outputs)[side], side), side);
    }

    // The output path after the save-name question; "" when it is skipped.
    std::string chosen(const std::string& source, const std::string& proposed, size_t side)
    {
        if (!settings_.ownNames) return proposed;
        const std::string answer = ask_ ? ask_(source, proposed, texts_.titles[side]) : proposed;
        if (answer == "@") result_.stopped = true;
        if (result_.stopped || answer.empty()) return "";
        const std::string lowered = LowerCaseExtension(answer);
        if (!SameFile(lowered, source)) return lowered;
        skip(lowered + "\n" + ConvertTexts::NotOntoSource);
        return "";
    }

    // True when the free space holds the output; otherwise asks and skips it.
    bool fits(const std::string& source, const std::string& target, size_t side)
    {
        std::string err;
        GetWavInfo(source, err);
        if (!err.empty()) return true;  // the engine reports the unreadable source
        const int64_t estimate = job_ == ChannelJob::Separate ? WavInfo.HalfDataEnd : WavInfo.DataEnd;
        const std::string shortage =
            FreeSpaceShortage(fs::path(target).parent_path().string(), estimate, texts_.sizeLabels[side]);
        if (shortage.empty()) return true;
        skip(texts_.failurePrefix + shortage + "\n" + source);
        return false;
    }

    void engine(const std::string& source, const std::string& target, size_t side, std::string& err)
    {
        switch (job_) {
        case ChannelJob::Separate: WavSplitChannel(source, target, side == 0, err); return;
        case ChannelJob::Reverse: WavSwapChannels(source, target, err); return;
        case ChannelJob::Fmt: WavFmt18To16(source, target, err); return;
        }
    }

    void output(const std::string& source, const std::string& target, size_t side)
    {
        if (target.empty() || !fits(source, target, side) || result_.stopped) return;
        std::string err;
        engine(source, target, side, err);
        // A failed engine leaves no target behind and keeps a file that was
        // there before, so nothing is deleted here.
        if (!err.empty()) {
            skip(texts_.failurePrefix + err + "\n" + source);
            return;
        }
        ++result_.written;
        result_.lastFolder = YenCut(fs::path(target).parent_path().string());
        GetWavInfo(target, err);
        if (!err.empty()) {
            ++result_.failed;
            error(ConvertTexts::ReReadFailed + err + "\n" + target);
            hooks_.log(target);
        } else {
            hooks_.log(BatchLogLine(WavInfo, target));
        }
    }

    ChannelJob job_;
    const ChannelBatchTexts& texts_;
    std::string folder_;
    const ChannelBatchSettings& settings_;
    const RunHooks& hooks_;
    const AskSaveName& ask_;
    ChannelBatchResult result_;
};

}  // namespace

int OutputsPerSource(ChannelJob job) { return job == ChannelJob::Separate ? 2 : 1; }

ChannelBatchResult ChannelBatch(ChannelJob job, const std::vector<std::string>& sources,
                                const std::string& outputFolder, const ChannelBatchSettings& settings,
                                const RunHooks& hooks, const AskSaveName& askSaveName)
{
    return ChannelRun(job, outputFolder, settings, hooks, askSaveName).run(sources);
}
