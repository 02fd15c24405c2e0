#include "TimeFiles.h"

#include <string_view>

namespace {

// Splits on CR LF, CR or LF; a break at the very end adds no empty line.
void AppendLines(std::string_view text, std::vector<std::string>& lines)
{
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size() || text.empty()) lines.emplace_back(text.substr(start));
}

std::vector<std::string> SplitLines(const std::vector<std::string>& given)
{
    std::vector<std::string> lines;
    lines.reserve(given.size());
    for (const auto& line : given) AppendLines(line, lines);
    return lines;
}

}  // namespace

TimeFilePaths TimeFilesOf(const std::string& programFolder, const std::string& SaveBase)
{
    return {programFolder + SaveBase + ".QDX", programFolder + SaveBase + ".STA"};
}

bool UsableSaveBase(const std::string& base)
{
    return !base.empty() && base != "." && base != ".." && base.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

RegisteredTimes ReadTimeFiles(const std::vector<std::string>& qdxLines, const std::vector<std::string>& staLines)
{
    const auto qdx = SplitLines(qdxLines);
    const auto sta = SplitLines(staLines);
    std::vector<std::string> times, codes;
    for (size_t i = 0; i < qdx.size(); ++i) {
        if (!ReadEntryTime(qdx[i])) continue;
        times.push_back(qdx[i]);
        codes.push_back(i < sta.size() ? sta[i] : std::string());
    }
    RegisteredTimes registered;
    registered.assign(std::move(times), std::move(codes));
    return registered;
}

std::vector<std::string> QdxLines(const RegisteredTimes& times) { return times.times(); }

std::vector<std::string> StaLines(const RegisteredTimes& times) { return times.StartList(); }
