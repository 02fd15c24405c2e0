#include "OutputNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "WavFile.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Digits(int n, int digits)
{
    std::string text = std::to_string(n);
    return std::string(static_cast<size_t>(std::max(0, digits - static_cast<int>(text.size()))), '0') + text;
}

int Power10(int digits)
{
    int n = 1;
    for (int i = 0; i < digits; ++i) n *= 10;
    return n;
}

}  // namespace

std::string LowerCaseExtension(const std::string& path)
{
    fs::path p(path);
    if (!p.has_extension()) return path;
    return (p.parent_path() / (p.stem().string() + Lower(p.extension().string()))).string();
}

bool NameTaken(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    // A name that cannot be looked at (no permission) counts as taken.
    return fs::exists(status) || status.type() == fs::file_type::unknown;
}

std::optional<std::string> NumberedName(const std::string& folder, const std::string& stem,
                                        const std::string& suffix, int digits, const std::string& extension)
{
    int counter = 0;
    return NextNumberedName(folder, stem + suffix, digits, extension, counter);
}

std::optional<std::string> NextNumberedName(const std::string& folder, const std::string& stem, int digits,
                                            const std::string& extension, int& counter,
                                            const std::function<bool(const std::string&)>& alsoTaken)
{
    const int count = Power10(digits);
    for (counter = std::max(counter, 0); counter < count;) {
        std::string name = (fs::path(folder) / (stem + Digits(counter++, digits) + extension)).string();
        if (!NameTaken(name) && !(alsoTaken && alsoTaken(name))) return name;
    }
    return std::nullopt;
}

std::string NumberedPattern(const std::string& stem, const std::string& suffix, int digits,
                            const std::string& extension)
{
    return stem + suffix + Digits(0, digits) + extension + "～" + stem + suffix +
           Digits(Power10(digits) - 1, digits) + extension;
}

std::optional<std::string> ConvertOutputName(const std::string& folder, const std::string& source)
{
    const fs::path name = fs::path(source).filename();
    const std::string plain = LowerCaseExtension((fs::path(folder) / name).string());
    if (!NameTaken(plain) && !SameFile(plain, source)) return plain;
    return NumberedName(folder, name.stem().string(), "_m", 3, ".wav");
}
