#include "CliConvert.h"

#include <vector>

#include "CliOutput.h"
#include "CliPrompt.h"
#include "ConvertDriver.h"

namespace {

constexpr int MaxSeconds = 86400;

struct ConvertCall {
    ConvertSettings settings;
    std::string outputFolder;
    std::vector<std::string> sources;
};

class Reader {
public:
    explicit Reader(const CommandArgs& args) : args_(args) {}

    bool atOption() const { return at_ < args_.size() && args_.text(at_).starts_with("--"); }
    bool more() const { return at_ < args_.size(); }
    std::string text() { return args_.text(at_++); }
    int number(const std::string& option)
    {
        if (!more()) throw UsageError(option + " needs a number");
        const std::string word = text();
        auto n = ParseInteger(word, 0, MaxSeconds);
        if (!n) throw UsageError(option + " takes 0 to " + std::to_string(MaxSeconds) + ", not '" + word + "'");
        return static_cast<int>(*n);
    }

private:
    const CommandArgs& args_;
    size_t at_ = 0;
};

void ReadOption(Reader& r, ConvertSettings& s)
{
    const std::string option = r.text();
    if (option == "--head") {
        s.headSeconds = r.number(option);
        s.headTenths = r.number(option);
    } else if (option == "--tail") {
        s.tailSeconds = r.number(option);
        s.tailTenths = r.number(option);
    } else if (option == "--fade-in") {
        s.fadeInSeconds = r.number(option);
    } else if (option == "--fade-out") {
        s.fadeOutSeconds = r.number(option);
    } else {
        throw UsageError("convert has no option '" + option + "'");
    }
}

ConvertCall ReadCall(const CommandArgs& args)
{
    ConvertCall call;
    Reader r(args);
    while (r.atOption()) ReadOption(r, call.settings);
    if (!r.more()) throw UsageError("convert needs OUTDIR and at least one SOURCE");
    call.outputFolder = r.text();
    while (r.more()) call.sources.push_back(r.text());
    if (call.sources.empty()) throw UsageError("convert needs at least one SOURCE");
    return call;
}

}  // namespace

void RunConvert(const CommandArgs& args, std::string& ErrorText, std::FILE* out)
{
    const ConvertCall call = ReadCall(args);
    CliPrompt prompt(stderr);
    RunHooks hooks{prompt};
    hooks.log = [out](const std::string& line) { PrintLine(out, line); };
    const ConvertResult result = ConvertBatch(call.sources, call.outputFolder, call.settings, hooks);
    const bool whole = result.started && !result.stopped && result.failed == 0 &&
                       result.converted == static_cast<int>(call.sources.size());
    std::fflush(out);
    if (!whole) ErrorText = prompt.takeLast();
}
