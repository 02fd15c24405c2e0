#include "ChannelBatch.h"

#include <array>
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
#include "HeadTexts.h"
#include "OutputNames.h"
#include "OutputPublish.h"
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

const char* SuffixOf(ChannelJob job)
{
    switch (job) {
    case ChannelJob::Separate: return "_lr";
    case ChannelJob::Reverse: return "_RV";
    case ChannelJob::Fmt: break;
    }
    return "_fmt";
}

// One output of a source: the names it may take and the draft it is built in.
struct Side {
    std::optional<OutputNaming> naming;
    OutputDraft draft;
    WavInfoRecord info;  // read from the finished draft
    std::string infoError;
    bool built = false;
};

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
        : job_(job), texts_(TextsOf(job)), folder_(folder), settings_(s), hooks_(h), ask_(ask), names_(folder)
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

    // The proposed outputs of a source, or none when every numbered name is taken.
    std::optional<std::vector<std::string>> proposed(const std::string& source)
    {
        if (job_ == ChannelJob::Separate) {
            pairIndex_ = -1;
            auto pair = SeparationOutputNames(folder_, source, names_, pairIndex_);
            if (!pair) return std::nullopt;
            return std::vector<std::string>{pair->first, pair->second};
        }
        auto name = job_ == ChannelJob::Reverse ? ReversalOutputName(folder_, source) : FmtOutputName(folder_, source);
        if (!name) return std::nullopt;
        return std::vector<std::string>{*name};
    }

    void noFreeName(const std::string& source)
    {
        error(ConvertTexts::NoFreeName + folder_ + "\n" + PatternOf(job_, fs::path(source).stem().string()) + "\n" +
              ConvertTexts::SkipFile);
    }

    // Every output of the source is built under a temporary name first; the
    // finished ones then take their names.
    void source(const std::string& path)
    {
        const std::optional<std::vector<std::string>> outputs = proposed(path);
        if (!outputs) {
            result_.failed += OutputsPerSource(job_);
            noFreeName(path);
            return;
        }
        hooks_.status(texts_.progress + path);
        std::array<Side, 2> sides;
        if (job_ == ChannelJob::Separate && !settings_.ownNames)
            buildPair(path, *outputs, sides);
        else
            for (size_t side = 0; side < outputs->size() && !result_.stopped; ++side) {
                sides[side].naming = chosen(path, (*outputs)[side], side);
                if (sides[side].naming) build(path, side, sides[side]);
            }
        if (job_ == ChannelJob::Separate && !settings_.ownNames && sides[0].built && sides[1].built)
            publishPair(path, sides);
        else
            for (Side& side : sides)
                if (side.built) publish(path, side);
    }

    // The names of an output after the save-name question; none when it is skipped.
    std::optional<OutputNaming> chosen(const std::string& source, const std::string& proposed, size_t side)
    {
        if (!settings_.ownNames) return NamingOf(proposed, folder_, source, SuffixOf(job_));
        const std::string answer = ask_ ? ask_(source, proposed, texts_.titles[side]) : proposed;
        if (answer == "@") result_.stopped = true;
        if (result_.stopped || answer.empty()) return std::nullopt;
        const std::string lowered = LowerCaseExtension(answer);
        if (!SameFile(lowered, source)) return ChosenNaming(lowered, SuffixOf(job_));
        skip(lowered + "\n" + ConvertTexts::NotOntoSource);
        return std::nullopt;
    }

    // True when the free space holds the output; otherwise asks and skips it.
    bool fits(const std::string& source, const std::string& folder, size_t side)
    {
        std::string err;
        GetWavInfo(source, err);
        if (!err.empty()) return true;  // the engine reports the unreadable source
        const int64_t estimate = job_ == ChannelJob::Separate ? WavInfo.HalfDataEnd : WavInfo.DataEnd;
        const std::string shortage = FreeSpaceShortage(folder.empty() ? "." : folder, estimate, texts_.sizeLabels[side]);
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

    // Checks the room for an output and starts its draft; false (the failure
    // shown) when it is not to be built.
    bool start(const std::string& source, size_t index, Side& side)
    {
        if (!fits(source, side.naming->folder, index) || result_.stopped) return false;
        if (BeginDraft(side.draft, *side.naming)) return true;
        finish(source, side,
               HeadTexts(job_ == ChannelJob::Separate ? "LR" : job_ == ChannelJob::Reverse ? "RV" : "FC")
                   .createFailed(side.naming->first));
        return false;
    }

    // Takes the engine's outcome for a started output: the failure shown and
    // the draft dropped, or the output built.
    void finish(const std::string& source, Side& side, std::string err)
    {
        if (!err.empty()) {
            err = NamedAsOutput(err, side.draft, side.naming->first);
            side.draft.discard();
            skip(texts_.failurePrefix + err + "\n" + source);
            return;
        }
        GetWavInfo(side.draft.path(), side.infoError);
        side.info = WavInfo;
        side.built = true;
    }

    void build(const std::string& source, size_t index, Side& side)
    {
        if (!start(source, index, side)) return;
        std::string err;
        engine(source, side.draft.path(), index, err);
        finish(source, side, err);
    }

    // Both channels of a separation under the proposed names, written in one
    // pass over the source; each side is checked, reported and kept as build()
    // does it for one.
    void buildPair(const std::string& source, const std::vector<std::string>& outputs, std::array<Side, 2>& sides)
    {
        std::array<bool, 2> started{};
        for (size_t i = 0; i < 2 && !result_.stopped; ++i) {
            sides[i].naming = NamingOf(outputs[i], folder_, source, SuffixOf(job_));
            started[i] = start(source, i, sides[i]);
        }
        if (result_.stopped || !(started[0] || started[1])) return;
        std::array<std::string, 2> errors;
        WavSplitChannels(source, started[0] ? sides[0].draft.path() : "", started[1] ? sides[1].draft.path() : "",
                         errors[0], errors[1]);
        for (size_t i = 0; i < 2 && !result_.stopped; ++i)
            if (started[i]) finish(source, sides[i], errors[i]);
    }

    void publish(const std::string& source, Side& side)
    {
        const std::optional<std::string> name = PublishDraft(side.draft, *side.naming);
        if (!name) {
            ++result_.failed;
            noFreeName(source);
            return;
        }
        written(*name, side);
    }

    // Left and right take the names of one pair, both free at that moment;
    // when the right one is taken meanwhile, the left one is taken back and
    // the next pair is tried.
    void publishPair(const std::string& source, std::array<Side, 2>& sides)
    {
        std::optional<std::pair<std::string, std::string>> pair{{sides[0].naming->first, sides[1].naming->first}};
        for (; pair; ++pairIndex_, pair = SeparationOutputNames(folder_, source, names_, pairIndex_)) {
            const OutputDraft::Publish left = sides[0].draft.publish(pair->first);
            if (left == OutputDraft::Publish::Failed) break;
            if (left == OutputDraft::Publish::Taken) continue;
            const OutputDraft::Publish right = sides[1].draft.publish(pair->second);
            if (right == OutputDraft::Publish::Done) {
                written(pair->first, sides[0]);
                written(pair->second, sides[1]);
                return;
            }
            if (right == OutputDraft::Publish::Failed || !sides[0].draft.withdraw(pair->first)) {
                written(pair->first, sides[0]);
                return publish(source, sides[1]);
            }
        }
        result_.failed += 2;
        noFreeName(source);
    }

    void written(const std::string& target, const Side& side)
    {
        ++result_.written;
        names_.add(target);
        result_.lastFolder = YenCut(fs::path(target).parent_path().string());
        if (!side.infoError.empty()) {
            ++result_.failed;
            error(ConvertTexts::ReReadFailed + side.infoError + "\n" + target);
            hooks_.log(target);
        } else {
            hooks_.log(BatchLogLine(side.info, target));
        }
    }

    ChannelJob job_;
    const ChannelBatchTexts& texts_;
    std::string folder_;
    const ChannelBatchSettings& settings_;
    const RunHooks& hooks_;
    const AskSaveName& ask_;
    ChannelBatchResult result_;
    FolderNames names_;
    int pairIndex_ = -1;  // the number of the separation pair last proposed; -1 for the plain pair
};

}  // namespace

int OutputsPerSource(ChannelJob job) { return job == ChannelJob::Separate ? 2 : 1; }

ChannelBatchResult ChannelBatch(ChannelJob job, const std::vector<std::string>& sources,
                                const std::string& outputFolder, const ChannelBatchSettings& settings,
                                const RunHooks& hooks, const AskSaveName& askSaveName)
{
    return ChannelRun(job, outputFolder, settings, hooks, askSaveName).run(sources);
}
