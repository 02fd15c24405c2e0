#include "CliCommands.h"

#include <algorithm>

#include "CliOutput.h"
#include "WavEngine.h"

namespace {

using Args = CommandArgs;

void runInfo(const Args& a, std::string& err, std::FILE* out)
{
    GetWavInfo(a.text(0), err);
    if (err.empty()) PrintWavInfo(out, WavInfo);
}

void runHeadSilence(const Args& a, std::string& err, std::FILE*)
{
    AddHeadSilence(a.text(0), a.text(1), a.int32(2), a.int32(3), err);
}

void runTailSilence(const Args& a, std::string& err, std::FILE*)
{
    AddTailSilence(a.text(0), a.int32(1), a.int32(2), err);
}

void runFade(const Args& a, std::string& err, std::FILE*)
{
    FadeInOut(a.text(0), err, a.int64(1), a.int64(2), a.int64(3), a.int64(4));
}

void runCopy(const Args& a, std::string& err, std::FILE*) { CopyWav(a.text(0), a.text(1), err); }

void runAppend(const Args& a, std::string& err, std::FILE*) { WavAppend(a.text(0), a.text(1), err); }

bool leftChosen(const std::string& side)
{
    if (side == "left") return true;
    if (side == "right") return false;
    throw UsageError("split takes left or right, not '" + side + "'");
}

void runSplit(const Args& a, std::string& err, std::FILE*)
{
    WavSplitChannel(a.text(0), a.text(1), leftChosen(a.text(2)), err);
}

void runSwap(const Args& a, std::string& err, std::FILE*) { WavSwapChannels(a.text(0), a.text(1), err); }

void runFmt16(const Args& a, std::string& err, std::FILE*) { WavFmt18To16(a.text(0), a.text(1), err); }

void runCheckSize(const Args& a, std::string& err, std::FILE*)
{
    CheckOutputSize(a.text(0), a.text(1), err, a.int64(2), a.int64(3), a.int64(4), a.int64(5));
}

}  // namespace

size_t CliCommand::paramCount() const
{
    return static_cast<size_t>(std::count(params.begin(), params.end(), ' ')) + (params.empty() ? 0 : 1);
}

const std::vector<CliCommand>& CliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"info", "FILE", runInfo},
        {"head-silence", "SOURCE TARGET SECONDS TENTHS", runHeadSilence},
        {"tail-silence", "FILE SECONDS TENTHS", runTailSilence},
        {"fade", "FILE FADE_IN FADE_OUT HEAD_SECONDS HEAD_TENTHS", runFade},
        {"copy", "SOURCE TARGET", runCopy},
        {"append", "SOURCE TARGET", runAppend},
        {"split", "SOURCE TARGET left|right", runSplit},
        {"swap", "SOURCE TARGET", runSwap},
        {"fmt16", "SOURCE TARGET", runFmt16},
        {"check-size", "SOURCE TARGET HEAD_SECONDS HEAD_TENTHS TAIL_SECONDS TAIL_TENTHS", runCheckSize},
    };
    return commands;
}

void RunCommand(const std::string& name, const std::vector<std::string>& args,
                std::string& ErrorText, std::FILE* out)
{
    const auto& commands = CliCommands();
    auto command = std::find_if(commands.begin(), commands.end(),
                                [&](const CliCommand& c) { return c.name == name; });
    if (command == commands.end()) throw UsageError("unknown command '" + name + "'");
    if (args.size() != command->paramCount())
        throw UsageError(name + " takes " + std::to_string(command->paramCount()) + " arguments: " +
                         std::string(command->params));
    command->run(CommandArgs(args), ErrorText, out);
}

std::string UsageText()
{
    std::string text =
        "usage: vantro-wav [--work-buffer BYTES] COMMAND ARGS...\n"
        "       vantro-wav --help\n"
        "commands:\n";
    for (const auto& c : CliCommands()) text += "  " + std::string(c.name) + " " + std::string(c.params) + "\n";
    text +=
        "Numbers are signed decimal integers. On failure the engine's message goes to\n"
        "standard error and the exit status is 1; wrong usage exits with 2.\n";
    return text;
}
