#pragma once
// A media device command text split into its words: the verb, the alias,
// the remaining words and the trailing " wait" or " notify". A double-quoted
// word (a path) keeps its blanks and loses its quotes. Verbs and keywords are
// lower-cased; aliases are compared without case as well.
#include <string>
#include <vector>

struct MediaCommand {
    std::string verb;                // "open", "play", "status", ...
    std::string alias;               // for "open": the word after "alias"
    std::string path;                // for "open" and "save": the quoted path
    std::vector<std::string> words;  // the other words, lower-cased, in order
    bool wait = false;
    bool notify = false;
    bool wellFormed = false;         // false when a quote is not closed or a part is missing
};

MediaCommand ParseMediaCommand(const std::string& text);

// The value of a keyword such as "from" or "to": the word after it as a
// non-negative decimal number. found is false when the keyword is absent,
// ok false when it is present but not followed by a number.
struct KeywordValue {
    bool found = false;
    bool ok = true;
    long long value = 0;
};
KeywordValue FindKeywordValue(const MediaCommand& command, const std::string& keyword);
