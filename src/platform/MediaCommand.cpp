#include "MediaCommand.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

struct Word {
    std::string text;
    bool quoted = false;
};

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Splits at blanks; a double quote opens a word that runs to the next quote.
bool SplitWords(const std::string& text, std::vector<Word>& words)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) { ++i; continue; }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string::npos) return false;
            words.push_back({text.substr(i + 1, close - i - 1), true});
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != '"') ++end;
        words.push_back({text.substr(i, end - i), false});
        i = end;
    }
    return true;
}

// "open "path" alias NAME": the path is the first word, the alias follows "alias".
bool TakeOpen(std::vector<Word>& rest, MediaCommand& command)
{
    if (rest.size() < 3 || Lower(rest[1].text) != "alias") return false;
    command.path = rest[0].text;
    command.alias = Lower(rest[2].text);
    rest.erase(rest.begin(), rest.begin() + 3);
    return true;
}

}  // namespace

MediaCommand ParseMediaCommand(const std::string& text)
{
    MediaCommand command;
    std::vector<Word> words;
    if (!SplitWords(text, words) || words.size() < 2) return command;
    command.verb = Lower(words.front().text);
    std::vector<Word> rest(words.begin() + 1, words.end());

    while (!rest.empty() && !rest.back().quoted) {
        const std::string last = Lower(rest.back().text);
        if (last == "wait") command.wait = true;
        else if (last == "notify") command.notify = true;
        else break;
        rest.pop_back();
    }

    if (command.verb == "open") {
        if (!TakeOpen(rest, command)) return command;
    } else {
        if (rest.empty()) return command;
        command.alias = Lower(rest.front().text);
        rest.erase(rest.begin());
        if (command.verb == "save") {
            if (rest.size() != 1) return command;
            command.path = rest.front().text;
            rest.clear();
        }
    }
    for (const Word& w : rest) command.words.push_back(Lower(w.text));
    command.wellFormed = true;
    return command;
}

KeywordValue FindKeywordValue(const MediaCommand& command, const std::string& keyword)
{
    KeywordValue result;
    const auto at = std::find(command.words.begin(), command.words.end(), keyword);
    if (at == command.words.end()) return result;
    result.found = true;
    if (at + 1 == command.words.end()) { result.ok = false; return result; }
    const std::string& number = *(at + 1);
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), result.value);
    result.ok = ec == std::errc() && end == number.data() + number.size() && result.value >= 0;
    return result;
}
