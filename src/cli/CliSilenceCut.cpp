#include "CliSilenceCut.h"

namespace {

constexpr int MaxLevel8 = 127;
constexpr int MaxLevel16 = 32767;

SilenceCut cutNamed(const std::string& word, const std::string& what)
{
    if (word == "both") return SilenceCut::Both;
    if (word == "head") return SilenceCut::Head;
    if (word == "tail") return SilenceCut::Tail;
    throw UsageError(what + " takes both, head or tail, not '" + word + "'");
}

int level(const std::string& word, int max, const std::string& what)
{
    auto n = ParseInteger(word, 1, max);
    if (!n) throw UsageError(what + " takes 1 to " + std::to_string(max) + ", not '" + word + "'");
    return static_cast<int>(*n);
}

}  // namespace

bool ReadSilenceCutOption(const CommandArgs& args, const std::string& option, size_t& at, SilenceCut& cut,
                          SilenceLevels& levels)
{
    if (option != "--silence-cut" && option != "--level8" && option != "--level16") return false;
    if (at >= args.size()) throw UsageError(option + " needs a value");
    const std::string& word = args.text(at++);
    if (option == "--silence-cut")
        cut = cutNamed(word, option);
    else if (option == "--level8")
        levels.level8 = level(word, MaxLevel8, option);
    else
        levels.level16 = level(word, MaxLevel16, option);
    return true;
}

void RunTrimSilence(CommandArgs& args, std::string& ErrorText, std::FILE*)
{
    const SilenceCut cut = cutNamed(args.text(2), "trim-silence");
    const SilenceLevels levels{level(args.text(3), MaxLevel8, "LEVEL8"), level(args.text(4), MaxLevel16, "LEVEL16")};
    TrimSilence(args.text(0), args.text(1), cut, levels, ErrorText);
}
