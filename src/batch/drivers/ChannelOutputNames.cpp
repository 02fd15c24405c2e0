#include "ChannelOutputNames.h"

#include <filesystem>
#include <vector>

#include "OutputNames.h"
#include "WavFile.h"

namespace fs = std::filesystem;

namespace {

std::string Base(const std::string& source) { return fs::path(source).stem().string(); }

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

bool EndsWithWav(const std::string& name)
{
    if (name.size() < 4) return false;
    const std::string ext = name.substr(name.size() - 4);
    return LowerCaseExtension("x" + ext) == "x.wav";
}

// True when `middle` is exactly one UTF-8 character.
bool OneCharacter(const std::string& middle)
{
    if (middle.empty()) return false;
    const auto lead = static_cast<unsigned char>(middle[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return middle.size() == length;
}

// Any name prefix + (one character when `one`, else anything) + ".wav".
bool AnyMatches(const std::vector<std::string>& names, const std::string& prefix, bool one)
{
    for (const std::string& name : names) {
        if (name.size() < prefix.size() + 4 || !name.starts_with(prefix) || !EndsWithWav(name)) continue;
        if (!one || OneCharacter(name.substr(prefix.size(), name.size() - prefix.size() - 4))) return true;
    }
    return false;
}

std::string Three(int n)
{
    const std::string text = "000" + std::to_string(n);
    return text.substr(text.size() - 3);
}

std::string In(const std::string& folder, const std::string& name) { return (fs::path(folder) / name).string(); }

bool Free(const std::string& path, const std::string& source) { return !NameTaken(path) && !SameFile(path, source); }

}  // namespace

std::optional<std::pair<std::string, std::string>> SeparationOutputNames(const std::string& folder,
                                                                         const std::string& source)
{
    const std::string base = Base(source);
    const std::vector<std::string> names = NamesIn(folder);
    std::pair<std::string, std::string> plain{In(folder, base + "__L.wav"), In(folder, base + "__R.wav")};
    if (!AnyMatches(names, base + "_", false) && Free(plain.first, source) && Free(plain.second, source))
        return plain;
    for (int n = 0; n < 1000; ++n) {
        const std::string stem = base + "_lr" + Three(n) + "_";
        std::pair<std::string, std::string> pair{In(folder, stem + "L.wav"), In(folder, stem + "R.wav")};
        if (!AnyMatches(names, stem, true) && Free(pair.first, source) && Free(pair.second, source)) return pair;
    }
    return std::nullopt;
}

std::optional<std::string> ReversalOutputName(const std::string& folder, const std::string& source)
{
    return NumberedName(folder, Base(source), "_RV", 3, ".wav");
}

std::optional<std::string> FmtOutputName(const std::string& folder, const std::string& source)
{
    const std::string plain = In(folder, Base(source) + ".wav");
    if (Free(plain, source)) return plain;
    return NumberedName(folder, Base(source), "_fmt", 3, ".wav");
}
