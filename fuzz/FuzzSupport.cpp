#include "FuzzSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Bytes.h"
#include "SafeCount.h"
#include "Silence.h"
#include "WorkBuffers.h"

namespace fs = std::filesystem;

namespace {

// Silence written per input stays below this, so that a header claiming a
// huge rate cannot fill the disk.
constexpr int64_t MaxSilenceBytes = 96 * 1024;

// $TMPDIR when set; else the memory-backed /dev/shm where there is one, since a
// fuzzer rewrites its files many thousand times a second and a disk file
// system (with discard on unlink) slows that a hundredfold.
fs::path baseFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::error_code ec;
    if ((!tmp || !*tmp) && fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return fs::temp_directory_path();
}

struct FuzzFolder {
    fs::path path;
    FuzzFolder()
    {
        path = baseFolder() / ("vantro-fuzz-" + std::to_string(getpid()));
        fs::create_directories(path);
    }
    ~FuzzFolder()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

const fs::path& folder()
{
    static FuzzFolder f;
    return f.path;
}

std::vector<uint8_t> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

int64_t silenceOf(const WavHead& head, int32_t seconds, int32_t tenths)
{
    return SilenceBytes(head.sampleRate, head.blockAlign, seconds, tenths);
}

}  // namespace

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size)
{
    std::string path = (folder() / name).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Require(f != nullptr, "cannot create a fuzz file");
    if (size > 0) Require(std::fwrite(data, 1, size, f) == size, "cannot write a fuzz file");
    std::fclose(f);
    return path;
}

std::string FreshFuzzPath(const std::string& name)
{
    fs::path path = folder() / name;
    std::error_code ec;
    fs::remove(path, ec);
    return path.string();
}

void ChooseWorkBuffer(uint8_t choice)
{
    static constexpr int64_t sizes[] = {DefaultWorkBufSize, DefaultSmallBufSize, 3 * 7056, 100};
    WorkBufSize = sizes[choice % 4];
}

std::set<std::string> FuzzFolderNames()
{
    std::set<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder(), ec))
        names.insert(entry.path().filename().string());
    return names;
}

void RequireFolderAfter(const std::set<std::string>& before, const std::string& made, const char* what)
{
    std::set<std::string> expected = before;
    if (!made.empty()) expected.insert(made);
    Require(FuzzFolderNames() == expected, what);
}

std::optional<WavHead> PeekHead(const std::string& path)
{
    WavFile file;
    if (!file.open(path, WavFile::Mode::Read)) return std::nullopt;
    WavHead head;
    std::string err;
    if (!ReadWavHead(file, path, HeadTexts("GW"), head, err)) return std::nullopt;
    return head;
}

std::pair<int32_t, int32_t> BoundedSilence(const WavHead& head, int32_t seconds, int32_t tenths)
{
    auto tooLong = [&] {
        int64_t bytes = silenceOf(head, seconds, tenths);
        return bytes > MaxSilenceBytes && bytes <= MaxSizeField;
    };
    if (tooLong()) seconds = 0;
    if (tooLong()) tenths = 0;
    return {seconds, tenths};
}

void Require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

namespace {

constexpr int64_t FarAway = int64_t{1} << 60;

}  // namespace

WriteCounter::WriteCounter() { FileFaults::failWrite = FarAway; }

WriteCounter::~WriteCounter() { FileFaults::failWrite = 0; }

int64_t WriteCounter::writes() const { return FarAway - FileFaults::failWrite; }

void RequireNothingWrittenOnRefusal(const std::string& err, const WriteCounter& counter)
{
    Require(err.empty() || counter.writes() == 0, "a refused call wrote bytes before its checks ended");
}

namespace {

// A size field equals the 64-bit count it stands for: nothing wrapped.
bool holds(uint32_t field, int64_t count) { return count >= 0 && count <= MaxSizeField && field == count; }

WrittenLayout walkWritten(const std::string& path)
{
    std::vector<uint8_t> bytes = readAll(path);
    WrittenLayout layout;
    layout.length = static_cast<int64_t>(bytes.size());
    Require(layout.length >= 12 && IdIs(bytes.data(), "RIFF") && IdIs(bytes.data() + 8, "WAVE"),
            "a written file is no RIFF WAVE file");
    layout.riffSize = GetU32(bytes.data() + 4);
    bool fmtSeen = false;
    for (int64_t pos = 12; pos + 8 <= layout.length;) {
        const uint8_t* chunk = bytes.data() + pos;
        uint32_t size = GetU32(chunk + 4);
        if (IdIs(chunk, "data")) {
            Require(fmtSeen, "a written file has its data before its format");
            layout.dataSize = size;
            layout.dataEnd = pos + 8 + static_cast<int64_t>(size);
            return layout;
        }
        if (IdIs(chunk, "fmt ") && !fmtSeen) {
            Require(pos + 8 + 16 <= layout.length, "a written file's format is cut short");
            fmtSeen = true;
            layout.fmtSize = size;
            layout.channels = GetU16(chunk + 10);
        }
        pos = NextChunkIn(bytes.data(), layout.length, pos, size);
    }
    Require(false, "a written file has no data chunk");
    return layout;
}

}  // namespace

WrittenLayout RequireNewLayout(const std::string& path)
{
    WrittenLayout layout = walkWritten(path);
    Require(layout.dataEnd == layout.length, "an output's data size does not end the file");
    Require(holds(layout.riffSize, layout.length - 8), "an output's RIFF size is not its length - 8");
    return layout;
}

WrittenLayout RequireGrownLayout(const std::string& path)
{
    WrittenLayout layout = walkWritten(path);
    Require(layout.dataEnd <= layout.length, "a grown file is shorter than its data");
    Require(holds(layout.riffSize, layout.dataEnd - 8), "a grown file's RIFF size does not end at its data");
    return layout;
}

void RequireUnchanged(const std::string& path, const uint8_t* data, size_t size)
{
    Require(readAll(path) == std::vector<uint8_t>(data, data + size), "a source file was modified");
}

bool SameFileBytes(const std::string& a, const std::string& b) { return readAll(a) == readAll(b); }

void RequirePrefixUnchanged(const std::string& path, const uint8_t* data, size_t size, const char* what)
{
    std::vector<uint8_t> now = readAll(path);
    Require(now.size() >= size && std::equal(data, data + size, now.begin()), what);
}
