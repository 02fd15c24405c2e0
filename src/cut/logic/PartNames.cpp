#include "PartNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#include "OutputNames.h"
#include "TextFormats.h"

namespace fs = std::filesystem;

namespace {

constexpr int CounterCount = 1000;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The names of the folder's files (anything but folders), in lower case.
std::vector<std::string> LowerFileNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError)) names.push_back(Lower(it->path().filename().string()));
    }
    return names;
}

// True when some name matches head + "*.wav" (lower case already).
bool AnyMatch(const std::vector<std::string>& names, const std::string& head)
{
    return std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return name.size() >= head.size() + 4 && name.starts_with(head) && name.ends_with(".wav");
    });
}

}  // namespace

std::string LongNamePrefix(const std::string& SaveBase, std::chrono::system_clock::time_point now)
{
    return SaveBase + "_" + CompactDateTimeText(now) + "_";
}

std::string ShortNamePrefix(const std::string& SaveDir, const std::string& SaveBase,
                            std::chrono::system_clock::time_point now)
{
    const auto names = LowerFileNames(SaveDir);
    const std::string base = Lower(SaveBase);
    if (!AnyMatch(names, base + "_")) return SaveBase + "_";
    for (int n = 0; n < CounterCount; ++n) {
        const std::string counter = "_c" + ZeroPadded(n, 3) + "_";
        if (!AnyMatch(names, base + counter)) return SaveBase + counter;
    }
    return LongNamePrefix(SaveBase, now);
}

std::string NamePrefix(const std::string& SaveDir, const std::string& SaveBase, bool shortNames,
                       std::chrono::system_clock::time_point now)
{
    return shortNames ? ShortNamePrefix(SaveDir, SaveBase, now) : LongNamePrefix(SaveBase, now);
}

std::string PartTimeText(int64_t CutFrom, const TimeFormat& format)
{
    std::string text = TimeEntryText(CutFrom, format);
    std::replace(text.begin(), text.end(), '.', 'm');
    return text;
}

std::string CategorySuffix(const std::string& categoryName)
{
    return categoryName.empty() ? std::string() : "_" + categoryName;
}

std::string PartName(const std::string& SaveDir, const std::string& prefix, int64_t CutFrom,
                     const TimeFormat& format, const std::string& categoryName, const std::string& SaveExt)
{
    return SaveDir + prefix + PartTimeText(CutFrom, format) + CategorySuffix(categoryName) + SaveExt;
}

std::optional<std::string> FreePartName(const std::string& path)
{
    if (!NameTaken(path)) return path;
    const fs::path p(path);
    return NumberedName(p.parent_path().string(), p.stem().string(), "_m", 3, p.extension().string());
}

OutputNaming PartNaming(const std::string& path)
{
    const fs::path p(path);
    OutputNaming naming = NamingOf(path, p.parent_path().string(), path, "_m");
    naming.extension = p.extension().string();
    return naming;
}
