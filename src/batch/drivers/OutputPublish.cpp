#include "OutputPublish.h"

#include <filesystem>

#include "OutputNames.h"

namespace fs = std::filesystem;

OutputNaming NamingOf(const std::string& first, const std::string& folder, const std::string& source,
                      const std::string& suffix)
{
    return {.first = first, .folder = folder, .stem = fs::path(source).stem().string(), .suffix = suffix};
}

OutputNaming ChosenNaming(const std::string& chosen, const std::string& suffix)
{
    const fs::path path(chosen);
    OutputNaming naming = NamingOf(chosen, path.parent_path().string(), chosen, suffix);
    if (path.has_extension()) naming.extension = path.extension().string();
    naming.replaceFirst = NameTaken(chosen);
    return naming;
}

bool BeginDraft(OutputDraft& draft, const OutputNaming& naming)
{
    return draft.begin(naming.folder, fs::path(naming.first).filename().string());
}

std::optional<std::string> PublishDraft(OutputDraft& draft, const OutputNaming& naming)
{
    if (naming.replaceFirst) return draft.replace(naming.first) ? std::optional(naming.first) : std::nullopt;
    OutputDraft::Publish outcome = draft.publish(naming.first);
    if (outcome == OutputDraft::Publish::Done) return naming.first;
    int counter = 0;
    while (outcome == OutputDraft::Publish::Taken && naming.numbered) {
        const std::optional<std::string> next =
            NextNumberedName(naming.folder, naming.stem + naming.suffix, naming.digits, naming.extension, counter);
        if (!next) break;
        outcome = draft.publish(*next);
        if (outcome == OutputDraft::Publish::Done) return next;
    }
    return std::nullopt;
}

std::string NamedAsOutput(std::string text, const OutputDraft& draft, const std::string& output)
{
    const std::string& temp = draft.path();
    if (temp.empty()) return text;
    for (size_t at = text.find(temp); at != std::string::npos; at = text.find(temp, at + output.size()))
        text.replace(at, temp.size(), output);
    return text;
}
