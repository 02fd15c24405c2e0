#include "ListJoinLines.h"

#include <algorithm>
#include <filesystem>

#include "ConvertTexts.h"
#include "OutputNames.h"

namespace {

const char* const Blanks = " \t";

// The blank-separated words of a text.
std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    for (size_t at = text.find_first_not_of(Blanks); at != std::string::npos;
         at = text.find_first_not_of(Blanks, at)) {
        const size_t end = text.find_first_of(Blanks, at);
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

bool Blank(const std::string& text) { return text.find_first_not_of(Blanks) == std::string::npos; }

}  // namespace

ListJoinLine ReadListJoinLine(const std::string& line)
{
    ListJoinLine read;
    if (line.empty()) return read;
    if (line.front() == '>') {
        const std::string output = line.substr(1);
        if (!Blank(output)) read.output = output;
        return read;
    }
    const size_t mark = line.find('>', 1);
    if (mark == std::string::npos) {
        read.files.push_back(line);
        return read;
    }
    const std::vector<std::string> after = Words(line.substr(mark + 1));
    if (after.empty()) return read;
    read.combined = true;
    read.files = Words(line.substr(0, mark));
    read.output = after.front();
    return read;
}

std::optional<size_t> InsertionIndex(size_t k, int step, size_t count)
{
    if (step <= 0) return count;
    const size_t index = (k + 1) * (static_cast<size_t>(step) + 1) - 1;
    if (index > count) return std::nullopt;
    return index;
}

std::optional<std::string> NextListJoinName(const std::string& folder, int& counter,
                                            const std::vector<std::string>& lines)
{
    std::vector<std::string> outputs;
    for (const std::string& line : lines)
        if (std::optional<std::string> output = ReadListJoinLine(line).output) outputs.push_back(*output);
    const auto listed = [&](const std::string& name) {
        return std::find(outputs.begin(), outputs.end(), name) != outputs.end();
    };
    return NextNumberedName(folder, "KL", 4, ".wav", counter, listed);
}

std::string ListJoinNamesTaken(const std::string& folder)
{
    return ConvertTexts::NoFreeName + folder + "\n" + NumberedPattern("KL", "", 4, ".wav");
}
