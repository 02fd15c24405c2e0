#include "RenameDriver.h"

#include <filesystem>

#include "ConvertTexts.h"
#include "OutputNames.h"
#include "RenameTexts.h"
#include "RunFrame.h"
#include "SizeChecks.h"

namespace fs = std::filesystem;
using namespace RenameTexts;

namespace {

// The name part of a rename line's text: what follows its last separator,
// "/" or "\" (lists written on other systems use the latter).
std::string NamePart(const std::string& text)
{
    const size_t sep = text.find_last_of("/\\");
    return sep == std::string::npos ? text : text.substr(sep + 1);
}

bool UsableName(const std::string& name) { return !name.empty() && name != "." && name != ".."; }

// Renames `from` inside its own folder; the new path, or none when refused.
std::optional<std::string> RenameInFolder(const std::string& from, const std::string& text)
{
    const std::string name = NamePart(text);
    if (!UsableName(name)) return std::nullopt;
    const std::string to = (fs::path(from).parent_path() / name).string();
    if (!MoveNoReplace(from, to)) return std::nullopt;
    return to;
}


}  // namespace

RenameResult RenameBatch(const std::vector<std::string>& lines, const RunHooks& hooks)
{
    RenameResult result;
    result.started = CheckWorkBuffer();
    if (!result.started) return result;
    hooks.status(Started);
    std::optional<std::string> pending;  // the last file named since the previous rename line
    RunSteps(lines.size(), hooks, result.stopped, [&](size_t i) {
        const std::string& line = lines[i];
        if (!line.starts_with('>')) {
            if (!line.empty()) pending = line;
        } else if (pending) {
            const std::optional<std::string> renamed = RenameInFolder(*pending, line.substr(1));
            if (renamed) hooks.log(*renamed);
            ++(renamed ? result.renamed : result.refused);
            pending.reset();
        }
    });
    ShowRunEnd(hooks, result.stopped, result.renamed, {Finished, SummaryHead, SummaryCount});
    return result;
}

std::optional<std::string> NextRenameName(const std::string& folder, int& counter)
{
    return NextNumberedName(folder, "RN", 4, ".wav", counter);
}

std::string RenameNamesTaken(const std::string& folder)
{
    return ConvertTexts::NoFreeName + folder + "\n" + NumberedPattern("RN", "", 4, ".wav");
}
