#include "ConvertDriver.h"

#include <filesystem>
#include <optional>

#include "BatchLogLine.h"
#include "ConvertTexts.h"
#include "RunFrame.h"
#include "OutputFiles.h"
#include "OutputNames.h"
#include "WavEngine.h"
#include "WavFile.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;
using namespace ConvertTexts;

namespace {

// Writes the target as head silence and the kept samples of the source, or
// as a plain copy of them. A target created here and left unfinished is
// removed again.
bool WriteBody(const std::string& source, const std::string& target, const ConvertSettings& s,
               const DataRange& kept, std::string& err)
{
    if (s.headSeconds + s.headTenths <= 0) {
        CopyWavRange(source, target, kept, err);
        return err.empty();
    }
    AddHeadSilence(source, target, s.headSeconds, s.headTenths, err);
    if (!err.empty()) return false;
    WavAppendRange(source, target, kept, err);
    if (err.empty()) return true;
    ProcessPendingMessages();
    RemoveOwnOutput(target);
    ProcessPendingMessages();
    return false;
}

// The fades on the written data, then the tail silence; the target is ours.
void Finish(const std::string& target, const ConvertSettings& s, std::string& err)
{
    if (s.fadeInSeconds > 0 || s.fadeOutSeconds > 0)
        FadeInOut(target, err, s.fadeInSeconds, s.fadeOutSeconds, s.headSeconds, s.headTenths);
    if (err.empty() && s.tailSeconds + s.tailTenths > 0) AddTailSilence(target, s.tailSeconds, s.tailTenths, err);
    StampNow(target);
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

    // The target's name, or none when the file is skipped or the run stops.
    std::optional<std::string> target(const std::string& source)
    {
        std::optional<std::string> proposed = ConvertOutputName(folder_, source);
        if (!proposed) {
            const fs::path name = fs::path(source).filename();
            skip(NoFreeName + folder_ + "\n" + NumberedPattern(name.stem().string(), "_m", 3, ".wav") + "\n" +
                 SkipFile);
            return std::nullopt;
        }
        hooks_.status(Converting + source);
        if (!settings_.ownNames) return proposed;
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
        return lowered;
    }

    void convert(const std::string& source)
    {
        const std::optional<std::string> out = target(source);
        if (!out) return;
        std::string err;
        if (ConvertOneFile(source, *out, settings_, err) == ConvertOutcome::SilentOnly) {
            skip(err + "\n" + SkipFile);
            return;
        }
        if (!err.empty()) {
            skip(Failed + err + "\n" + source);
            ProcessPendingMessages();
            return;
        }
        ++result_.converted;
        result_.lastFolder = YenCut(fs::path(*out).parent_path().string());
        GetWavInfo(*out, err);
        if (!err.empty()) {
            ++result_.failed;
            error(ReRead(err, *out));
            hooks_.log(*out);
        } else {
            hooks_.log(BatchLogLine(WavInfo, *out));
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

ConvertOutcome ConvertOneFile(const std::string& source, const std::string& target,
                              const ConvertSettings& settings, std::string& ErrorText)
{
    ErrorText.clear();
    CheckOutputSize(source, target, ErrorText, settings.headSeconds, settings.headTenths, settings.tailSeconds,
                    settings.tailTenths);
    if (!ErrorText.empty()) return ConvertOutcome::Failed;
    SoundSearch sound;  // the whole data unless the silent ends are cut
    if (settings.silenceCut != SilenceCut::Off) {
        FindSound(source, settings.silenceCut, settings.silenceLevels, sound, ErrorText);
        if (!ErrorText.empty()) return sound.silentOnly ? ConvertOutcome::SilentOnly : ConvertOutcome::Failed;
    }
    if (!WriteBody(source, target, settings, sound.kept, ErrorText)) return ConvertOutcome::Failed;
    Finish(target, settings, ErrorText);
    if (ErrorText.empty()) return ConvertOutcome::Written;
    RemoveOwnOutput(target);
    return ConvertOutcome::Failed;
}

ConvertResult ConvertBatch(const std::vector<std::string>& sources, const std::string& outputFolder,
                           const ConvertSettings& settings, const RunHooks& hooks, const AskSaveName& askSaveName)
{
    return ConvertRun(outputFolder, settings, hooks, askSaveName).run(sources);
}
