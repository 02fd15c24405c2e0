#include "JoinDriver.h"

#include <filesystem>
#include <optional>

#include "ConvertTexts.h"
#include "JoinCore.h"
#include "JoinTexts.h"
#include "OutputNames.h"
#include "OutputPublish.h"
#include "RunFrame.h"
#include "SizeChecks.h"

namespace fs = std::filesystem;
using namespace JoinTexts;

namespace {

constexpr int64_t Limit4G = int64_t{1} << 32;
constexpr int64_t Limit2G = int64_t{1} << 31;

const JoinWording BatchWording{SizeChecking, Joining, JoinError, Failed, SizeLabel};

// The output's name for the first file joined: the first free numbered name
// after that file in the output folder, or the user's own choice; none when
// the file is skipped or the run stops.
std::optional<OutputNaming> OutputName(const std::string& source, const std::string& folder,
                                       const std::vector<std::string>& sources, const JoinSettings& settings,
                                       const RunHooks& hooks, const AskSaveName& ask, JoinResult& result)
{
    const std::string stem = fs::path(source).stem().string();
    std::optional<std::string> proposed = NumberedName(folder, stem, "_a", 3, ".wav");
    if (!proposed) {
        LeaveOut(ConvertTexts::NoFreeName + folder + "\n" + NumberedPattern(stem, "_a", 3, ".wav") + "\n" +
                     ConvertTexts::SkipFile,
                 hooks.prompt, result);
        return std::nullopt;
    }
    if (!settings.ownNames) return NamingOf(*proposed, folder, source, "_a");
    const std::string chosen = ask ? ask(source, *proposed, SaveNameTitle) : *proposed;
    if (chosen == "@") result.stopped = true;
    if (result.stopped) return std::nullopt;
    if (chosen.empty()) {
        ++result.failed;
        return std::nullopt;
    }
    // Never onto a file being joined: it would be read while overwritten.
    const std::string lowered = LowerCaseExtension(chosen);
    if (IsSource(lowered, sources)) {
        LeaveOut(lowered + "\n" + ConvertTexts::NotOntoSource, hooks.prompt, result);
        return std::nullopt;
    }
    return ChosenNaming(lowered, "_a");
}

}  // namespace

std::string CheckJoinSize(int64_t total, Prompt& prompt)
{
    if (total <= 0) return ZeroSize;
    if (total >= Limit4G) return Beyond4G;
    if (total >= Limit2G && prompt.MKError(Beyond2GWarning, PromptAnswer::OK) != PromptAnswer::OK)
        return Beyond2GStopped;
    return "";
}

JoinResult JoinBatch(const std::vector<std::string>& sources, const std::string& outputFolder,
                     const JoinSettings& settings, const RunHooks& hooks, const AskSaveName& askSaveName)
{
    JoinResult result;
    result.listsSources = settings.listSources;
    result.started = CheckWorkBuffer();
    if (!result.started) return result;
    hooks.status(Started);
    const BatchTimesSource times = settings.readTimes ? settings.readTimes : [&settings] { return BatchTimes(settings); };
    JoinFiles(sources, times, BatchWording, hooks,
              [&](const std::string& source, JoinResult& r) {
                  return OutputName(source, outputFolder, sources, settings, hooks, askSaveName, r);
              },
              result);
    ShowRunEnd(hooks, result.stopped, result.joined, {Finished, SummaryHead, SummaryCount}, result.lastFolder);
    return result;
}
