#include "ConvertDriver.h"

#include <filesystem>
#include <optional>

#include "BatchLogLine.h"
#include "ConvertTexts.h"
#include "HeadTexts.h"
#include "OnePassConvert.h"
#include "OutputFiles.h"
#include "OutputNames.h"
#include "OutputPublish.h"
#include "RunFrame.h"
#include "WavEngine.h"
#include "WavFile.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;
using namespace ConvertTexts;

namespace {

// The conversion the engine is asked for: silence, kept samples, fades.
ConvertShape ShapeOf(const BatchTimes& t, const DataRange& kept)
{
    ConvertShape shape;
    shape.headSeconds = t.headSeconds;
    shape.headTenths = t.headTenths;
    shape.kept = kept;
    shape.fadeInSeconds = t.fadeInSeconds;
    shape.fadeOutSeconds = t.fadeOutSeconds;
    shape.tailSeconds = t.tailSeconds;
    shape.tailTenths = t.tailTenths;
    return shape;
}

// Converts one source into the draft: in one pass where it takes the source,
// otherwise step by step, every step working on the draft.
ConvertOutcome ConvertIntoDraft(const std::string& source, const std::string& draft, const ConvertSettings& s,
                                const BatchTimes& t, std::string& err)
{
    err.clear();
    CheckOutputSize(source, draft, err, t.headSeconds, t.headTenths, t.tailSeconds, t.tailTenths);
    if (!err.empty()) return ConvertOutcome::Failed;
    SoundSearch sound;  // the whole data unless the silent ends are cut
    if (s.silenceCut != SilenceCut::Off) {
        FindSound(source, s.silenceCut, s.silenceLevels, sound, err);
        if (!err.empty()) return sound.silentOnly ? ConvertOutcome::SilentOnly : ConvertOutcome::Failed;
    }
    const ConvertShape shape = ShapeOf(t, sound.kept);
    if (!(t.headSeconds + t.headTenths > 0 && ConvertInOnePass(source, draft, shape)))
        ConvertStepByStep(source, draft, shape, err);
    if (!err.empty()) return ConvertOutcome::Failed;
    StampNow(draft);
    return ConvertOutcome::Written;
}

// One batch run's state and steps.
class ConvertRun {
public:
    ConvertRun(const std::string& folder, const ConvertSettings& s, const RunHooks& h, const AskSaveName& ask)
        : folder_(folder), settings_(s), hooks_(h), ask_(ask)
    {
    }

    ConvertResult run(const std::vector<std::string>& sources)
    {
        result_.started = CheckWorkBuffer();
        if (!result_.started) return result_;
        hooks_.status(Started);
        RunSteps(sources.size(), hooks_, result_.stopped, [&](size_t i) { convert(sources[i]); });
        ShowRunEnd(hooks_, result_.stopped, result_.converted, {Finished, SummaryHead, SummaryCount},
                   result_.lastFolder);
        return result_;
    }

private:
    // An error box; Abort stops the run after this file.
    void error(const std::string& text) { ShowError(hooks_.prompt, text, result_.stopped); }
    void skip(const std::string& text) { LeaveFileOut(hooks_.prompt, text, result_.failed, result_.stopped); }

    void noFreeName(const std::string& source)
    {
        const fs::path name = fs::path(source).filename();
        skip(NoFreeName + folder_ + "\n" + NumberedPattern(name.stem().string(), "_m", 3, ".wav") + "\n" + SkipFile);
    }

    // The names the output may take, or none when the file is skipped or the run stops.
    std::optional<OutputNaming> naming(const std::string& source)
    {
        std::optional<std::string> proposed = ConvertOutputName(folder_, source);
        if (!proposed) {
            noFreeName(source);
            return std::nullopt;
        }
        hooks_.status(Converting + source);
        if (!settings_.ownNames) return NamingOf(*proposed, folder_, source, "_m");
        const std::string chosen = ask_ ? ask_(source, *proposed, SaveNameTitle) : *proposed;
        if (chosen == "@") result_.stopped = true;
        if (hooks_.pendingMessages()) result_.stopped = true;
        if (result_.stopped || chosen.empty()) {
            if (!result_.stopped) ++result_.failed;
            return std::nullopt;
        }
        const std::string lowered = LowerCaseExtension(chosen);
        if (SameFile(lowered, source)) {
            skip(lowered + "\n" + NotOntoSource);
            return std::nullopt;
        }
        return ChosenNaming(lowered, "_m");
    }

    BatchTimes times() const { return settings_.readTimes ? settings_.readTimes() : BatchTimes(settings_); }

    void convert(const std::string& source)
    {
        const std::optional<OutputNaming> names = naming(source);
        if (!names) return;
        OutputDraft draft;
        std::string err;
        if (!BeginDraft(draft, *names)) {
            skip(Failed + HeadTexts("MF").createFailed(names->first) + "\n" + source);
            return;
        }
        const ConvertOutcome outcome = ConvertIntoDraft(source, draft.path(), settings_, times(), err);
        err = NamedAsOutput(err, draft, names->first);
        if (outcome == ConvertOutcome::SilentOnly) {
            skip(err + "\n" + SkipFile);
            return;
        }
        if (!err.empty()) {
            skip(Failed + err + "\n" + source);
            ProcessPendingMessages();
            return;
        }
        // Read while the output is still only ours: its log line describes what
        // this run wrote, whatever happens to the name afterwards.
        GetWavInfo(draft.path(), err);
        const WavInfoRecord info = WavInfo;
        const std::optional<std::string> out = PublishDraft(draft, *names);
        if (!out) {
            noFreeName(source);
            return;
        }
        ++result_.converted;
        result_.lastFolder = YenCut(fs::path(*out).parent_path().string());
        if (!err.empty()) {
            ++result_.failed;
            error(ReRead(err, *out));
            hooks_.log(*out);
        } else {
            hooks_.log(BatchLogLine(info, *out));
        }
    }

    static std::string ReRead(const std::string& err, const std::string& target)
    {
        return ReReadFailed + err + "\n" + target;
    }

    std::string folder_;
    const ConvertSettings& settings_;
    const RunHooks& hooks_;
    const AskSaveName& ask_;
    ConvertResult result_;
};

}  // namespace

ConvertResult ConvertBatch(const std::vector<std::string>& sources, const std::string& outputFolder,
                           const ConvertSettings& settings, const RunHooks& hooks, const AskSaveName& askSaveName)
{
    return ConvertRun(outputFolder, settings, hooks, askSaveName).run(sources);
}
