#include "ChannelOutputNames.h"

#include <algorithm>
#include <filesystem>

#include "OutputNames.h"
#include "WavFile.h"

namespace fs = std::filesystem;

namespace {

std::string Base(const std::string& source) { return fs::path(source).stem().string(); }

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

std::string Three(int n)
{
    const std::string text = "000" + std::to_string(n);
    return text.substr(text.size() - 3);
}

std::string In(const std::string& folder, const std::string& name) { return (fs::path(folder) / name).string(); }

bool Free(const std::string& path, const std::string& source) { return !NameTaken(path) && !SameFile(path, source); }

}  // namespace

FolderNames::FolderNames(const std::string& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names_.insert(it->path().filename().string());
}

void FolderNames::add(const std::string& path) { names_.insert(fs::path(path).filename().string()); }

bool FolderNames::anyMatches(const std::string& prefix, bool one) const
{
    for (auto it = names_.lower_bound(prefix); it != names_.end() && it->starts_with(prefix); ++it) {
        const std::string& name = *it;
        if (name.size() < prefix.size() + 4 || !EndsWithWav(name)) continue;
        if (!one || OneCharacter(name.substr(prefix.size(), name.size() - prefix.size() - 4))) return true;
    }
    return false;
}

std::optional<std::pair<std::string, std::string>> SeparationOutputNames(const std::string& folder,
                                                                         const std::string& source,
                                                                         const FolderNames& names, int& from)
{
    const std::string base = Base(source);
    std::pair<std::string, std::string> plain{In(folder, base + "__L.wav"), In(folder, base + "__R.wav")};
    if (from < 0 && !names.anyMatches(base + "_", false) && Free(plain.first, source) &&
        Free(plain.second, source))
        return plain;
    for (int n = std::max(from, 0); n < 1000; ++n) {
        const std::string stem = base + "_lr" + Three(n) + "_";
        std::pair<std::string, std::string> pair{In(folder, stem + "L.wav"), In(folder, stem + "R.wav")};
        if (!names.anyMatches(stem, true) && Free(pair.first, source) && Free(pair.second, source)) {
            from = n;
            return pair;
        }
    }
    from = 1000;
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
