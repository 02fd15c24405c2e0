#include "CliListFile.h"

#include <iconv.h>

#include <filesystem>
#include <cerrno>
#include <fstream>
#include <iterator>

#include "CliListTexts.h"
#include "TextEncoding.h"

namespace {

// Converts all of `bytes` through `cd`, a block at a time so that no
// output buffer of the worst-case size is needed; false on an invalid or
// incomplete sequence.
bool Convert(iconv_t cd, const std::string& bytes, std::string& out)
{
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char block[4096];
    for (bool flushing = false;; flushing = inLeft == 0) {
        char* to = block;
        size_t outLeft = sizeof block;
        const size_t rc =
            flushing ? iconv(cd, nullptr, nullptr, &to, &outLeft) : iconv(cd, &in, &inLeft, &to, &outLeft);
        out.append(block, static_cast<size_t>(to - block));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
        if (flushing && rc != static_cast<size_t>(-1)) return true;
    }
}

// The bytes converted from CP932 to UTF-8; none when they are not valid CP932
// or the system knows no CP932.
std::optional<std::string> FromCp932(const std::string& bytes)
{
    for (const char* name : {"CP932", "WINDOWS-31J"}) {
        iconv_t cd = iconv_open("UTF-8", name);
        if (cd == reinterpret_cast<iconv_t>(-1)) continue;
        std::string out;
        out.reserve(bytes.size());
        const bool ok = Convert(cd, bytes, out);
        iconv_close(cd);
        if (!ok) return std::nullopt;
        return out;
    }
    return std::nullopt;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace

std::optional<std::vector<std::string>> ReadListFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (file.bad()) return std::nullopt;
    if (bytes.starts_with(Utf8ByteOrderMark)) bytes.erase(0, Utf8ByteOrderMark.size());
    if (IsUtf8(bytes)) return SplitLines(bytes);
    std::optional<std::string> text = FromCp932(bytes);
    if (!text) return SplitLines(bytes);
    bytes = std::string();  // let go of the raw bytes before the lines are made
    return SplitLines(*text);
}

std::optional<std::vector<std::string>> ListFileLines(const std::string& path, std::string& ErrorText)
{
    std::optional<std::vector<std::string>> lines = ReadListFile(path);
    if (!lines) ErrorText = path + "\n" + CliListTexts::LoadFailed + "\n" + CliListTexts::CheckExists;
    return lines;
}
