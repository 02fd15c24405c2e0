#include "ListJoinDriver.h"

#include <filesystem>
#include <iterator>
#include <optional>
#include <utility>

#include "ConvertTexts.h"
#include "JoinCore.h"
#include "JoinTexts.h"
#include "ListJoinLines.h"
#include "ListJoinTexts.h"
#include "OutputNames.h"
#include "OutputPublish.h"
#include "RunFrame.h"
#include "SizeChecks.h"

namespace fs = std::filesystem;
using namespace ListJoinTexts;

namespace {

const JoinWording ListWording{SizeChecking, Joining, JoinError, Failed, SizeLabel, AskReplace};

// The output's one name, unless it is one of the group's files (Abort to
// that stops the run); a file already there is replaced only when the user
// says Yes.
std::optional<OutputNaming> OutputAllowed(const std::vector<std::string>& group, const std::string& target,
                                          const RunHooks& hooks, JoinResult& joined)
{
    if (IsSource(target, group)) {
        const std::string text = target + "\n" + ConvertTexts::NotOntoSource;
        joined.stopped = hooks.prompt.MKError(text, PromptAnswer::Abort) == PromptAnswer::Abort;
        return std::nullopt;
    }
    OutputNaming naming = NamingOf(target, fs::path(target).parent_path().string(), target, "");
    naming.numbered = false;
    naming.replaceFirst = NameTaken(target);
    if (naming.replaceFirst && hooks.prompt.MKAsk(target + "\n" + AskReplace) != PromptAnswer::Yes)
        return std::nullopt;
    return naming;
}

// Counts a group's output, or its absence as a failure. The group's log lines
// are moved over, not copied: a list of 10,000 files holds them once.
void AddGroup(JoinResult& joined, ListJoinResult& result)
{
    result.failed += joined.failed;
    result.stopped = result.stopped || joined.stopped;
    if (result.usedLines.empty())
        result.usedLines = std::move(joined.usedLines);
    else
        result.usedLines.insert(result.usedLines.end(), std::make_move_iterator(joined.usedLines.begin()),
                                std::make_move_iterator(joined.usedLines.end()));
    if (joined.output.empty()) {
        ++result.failed;
        return;
    }
    ++result.outputs;
    result.lastFolder = joined.lastFolder;
}

}  // namespace

void JoinListGroup(const std::vector<std::string>& group, const std::string& output, const BatchTimes& times,
                   const RunHooks& hooks, ListJoinResult& result)
{
    const std::string target = LowerCaseExtension(output);
    JoinResult joined;
    joined.listsSources = result.listsSources;
    const BatchTimesSource fixed = [&times] { return times; };
    // An empty group writes nothing: the size check says so, with no question first.
    const std::optional<OutputNaming> naming =
        group.empty() ? std::optional(NamingOf(target, "", target, "")) : OutputAllowed(group, target, hooks, joined);
    if (naming)
        JoinFiles(group, fixed, ListWording, hooks, [&](const std::string&, JoinResult&) { return naming; }, joined);
    AddGroup(joined, result);
}

ListJoinResult ListJoinBatch(const std::vector<std::string>& lines, const BatchTimes& times, const RunHooks& hooks,
                             bool listSources)
{
    ListJoinResult result;
    result.listsSources = listSources;
    result.started = CheckWorkBuffer();
    if (!result.started) return result;
    hooks.status(Started);
    RunHooks groupHooks = hooks;  // the run's progress counts lines, not a group's files
    groupHooks.progress = [](size_t, size_t) {};
    std::vector<std::string> group;
    RunSteps(lines.size(), hooks, result.stopped, [&](size_t i) {
        const ListJoinLine line = ReadListJoinLine(lines[i]);
        group.insert(group.end(), line.files.begin(), line.files.end());
        if (line.output && !(line.combined && group.empty())) {
            JoinListGroup(group, *line.output, times, groupHooks, result);
            group.clear();
        }
    });
    ShowRunEnd(hooks, result.stopped, result.outputs, {Finished, SummaryHead, JoinTexts::SummaryCount},
               result.lastFolder);
    return result;
}
