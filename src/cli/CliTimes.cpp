#include "CliTimes.h"

namespace {

constexpr int MaxSeconds = 86400;

int Number(const CommandArgs& args, size_t& at, const std::string& option)
{
    if (at >= args.size()) throw UsageError(option + " needs a number");
    const std::string word = args.text(at++);
    auto n = ParseInteger(word, 0, MaxSeconds);
    if (!n) throw UsageError(option + " takes 0 to " + std::to_string(MaxSeconds) + ", not '" + word + "'");
    return static_cast<int>(*n);
}

}  // namespace

size_t ReadBatchTimes(const CommandArgs& args, const std::string& command, BatchTimes& times,
                      const MoreOptions& more)
{
    size_t at = 0;
    while (at < args.size() && args.text(at).starts_with("--")) {
        const std::string option = args.text(at++);
        if (option == "--head") {
            times.headSeconds = Number(args, at, option);
            times.headTenths = Number(args, at, option);
        } else if (option == "--tail") {
            times.tailSeconds = Number(args, at, option);
            times.tailTenths = Number(args, at, option);
        } else if (option == "--fade-in") {
            times.fadeInSeconds = Number(args, at, option);
        } else if (option == "--fade-out") {
            times.fadeOutSeconds = Number(args, at, option);
        } else if (!more || !more(option, at)) {
            throw UsageError(command + " has no option '" + option + "'");
        }
    }
    return at;
}

std::string RequiredFolder(const std::string& folder, const std::string& command)
{
    // An empty folder would put the outputs in whatever folder the command
    // happens to run in, or at the root.
    if (folder.empty()) throw UsageError(command + ": OUTDIR must not be empty");
    return folder;
}

BatchCall ReadBatchCall(CommandArgs& args, size_t at, const std::string& command)
{
    if (at >= args.size() || args.size() - at < 2) throw UsageError(command + " needs OUTDIR and at least one SOURCE");
    BatchCall call;
    call.outputFolder = RequiredFolder(args.text(at++), command);
    while (at < args.size()) call.sources.push_back(args.take(at++));
    return call;
}
