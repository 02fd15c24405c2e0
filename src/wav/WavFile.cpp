#include "WavFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#if __has_include(<sys/stat.h>)
#include <sys/stat.h>
#endif
#if __has_include(<sys/mman.h>) && __has_include(<unistd.h>) && !defined(_WIN32)
#include <sys/mman.h>
#include <unistd.h>
#define VANTRO_FILE_VIEWS 1
#endif
#if defined(__linux__) && __has_include(<fcntl.h>)
#include <fcntl.h>
#endif

namespace {

// Counts a call of one kind down to the armed failure.
bool faultDue(int64_t& counter)
{
    if (counter <= 0) return false;
    return --counter == 0;
}

int seek64(std::FILE* f, int64_t offset, int whence)
{
#ifdef _WIN32
    return _fseeki64(f, offset, whence);
#else
    return fseeko(f, static_cast<off_t>(offset), whence);
#endif
}

int64_t tell64(std::FILE* f)
{
#ifdef _WIN32
    return _ftelli64(f);
#else
    return static_cast<int64_t>(ftello(f));
#endif
}

// One view of a source onto the bytes it writes: big enough that making it
// costs little against the bytes it shows, small enough to keep the memory a
// run holds low.
constexpr int64_t ViewBytes = int64_t{2} << 20;

}  // namespace

bool WavFile::open(const std::string& path, Mode mode)
{
    close();
    // "x": created exclusively, so that two writers never share one new file.
    const char* how = mode == Mode::Read ? "rb" : mode == Mode::ReadWrite ? "r+b" : "w+bx";
    std::error_code ec;
    if (mode != Mode::Create && !std::filesystem::is_regular_file(path, ec)) return false;
    file_ = std::fopen(path.c_str(), how);
    if (!file_) return false;
    // Data moves in large blocks; the stream's own buffer would only copy it twice.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    last_ = LastOp::None;
    return true;
}

bool WavFile::close()
{
    const bool closed = !file_ || std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
}

// A stream open for update needs a positioning call between reading and writing.
void WavFile::switchTo(LastOp op)
{
    if (last_ != LastOp::None && last_ != op) seek64(file_, 0, SEEK_CUR);
    last_ = op;
}

int64_t WavFile::read(void* buffer, int64_t n)
{
    if (!file_ || n <= 0) return 0;
    switchTo(LastOp::Read);
    int64_t want = faultDue(FileFaults::failRead) ? n - 1 : n;
    if (want <= 0) return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(want), file_));
}

int64_t WavFile::write(const void* buffer, int64_t n)
{
    if (!file_ || n <= 0) return 0;
    switchTo(LastOp::Write);
    int64_t want = faultDue(FileFaults::failWrite) ? n - 1 : n;
    if (want <= 0) return 0;
    return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(want), file_));
}

bool WavFile::rawSeek(int64_t offset, int whence)
{
    if (!file_) return false;
    if (faultDue(FileFaults::failSeek)) return false;
    last_ = LastOp::None;
    return seek64(file_, offset, whence) == 0;
}

bool WavFile::seek(int64_t position) { return position >= 0 && rawSeek(position, SEEK_SET); }

bool WavFile::seekBy(int64_t delta)
{
    int64_t here = position();
    return here >= 0 && here + delta >= 0 && rawSeek(delta, SEEK_CUR);
}

int64_t WavFile::seekEnd() { return rawSeek(0, SEEK_END) ? position() : -1; }

int64_t WavFile::position() { return file_ ? tell64(file_) : -1; }

int64_t WavFile::length()
{
    if (!file_) return -1;
#if __has_include(<sys/stat.h>) && !defined(_WIN32)
    struct stat info {};
    return fstat(fileno(file_), &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
#else
    const int64_t here = tell64(file_);
    if (here < 0 || seek64(file_, 0, SEEK_END) != 0) return -1;
    const int64_t end = tell64(file_);
    return seek64(file_, here, SEEK_SET) == 0 ? end : -1;
#endif
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

bool TruncateWavFile(const std::string& path, int64_t length)
{
    if (length < 0 || faultDue(FileFaults::failTruncate)) return false;
    std::error_code ec;
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(length), ec);
    return !ec;
}

bool DeleteWavFile(const std::string& path)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !std::filesystem::exists(path, ec);
}

bool RenameWavFile(const std::string& from, const std::string& to)
{
    if (faultDue(FileFaults::failRename)) return false;
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return !ec;
}

void WavFile::reserve(int64_t bytes)
{
#if defined(__linux__) && defined(FALLOC_FL_KEEP_SIZE)
    if (file_ && bytes > 0) fallocate(fileno(file_), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes));
#else
    (void)bytes;
#endif
}

int64_t WavFile::writeFrom(WavFile& source, int64_t from, int64_t bytes)
{
    if (!file_ || !source.file_ || from < 0 || bytes <= 0) return 0;
    // Never past the source's end: a view shows no bytes there.
    const int64_t want = std::min(bytes, std::max<int64_t>(source.length() - from, 0));
    int64_t done = 0;
    while (done < want) {
        const int64_t n = std::min(want - done, ViewBytes);
        const int64_t moved = writeThroughView(source, from + done, n);
        done += std::max<int64_t>(moved, 0);
        if (moved != n) break;
    }
    return done;
}

int64_t WavFile::writeThroughView(WavFile& source, int64_t from, int64_t bytes)
{
#ifdef VANTRO_FILE_VIEWS
    const int64_t page = sysconf(_SC_PAGESIZE);
    const int64_t start = from - from % page;
    const auto span = static_cast<size_t>(from - start + bytes);
    int flags = MAP_SHARED;
#ifdef MAP_POPULATE
    flags |= MAP_POPULATE;  // the pages are mapped at once, not one fault at a time
#endif
    void* view = mmap(nullptr, span, PROT_READ, flags, fileno(source.file_), static_cast<off_t>(start));
    if (view != MAP_FAILED) {
        // The seam shortens a view as it shortens a read: by one byte.
        const int64_t shown = faultDue(FileFaults::failRead) ? bytes - 1 : bytes;
        // Only the system reads the view (inside the write), so a source cut
        // short meanwhile makes a short write, never a fault in this process.
        const int64_t written = write(static_cast<const char*>(view) + (from - start), shown);
        munmap(view, span);
        return written;
    }
#endif
    return writeThroughBuffer(source, from, bytes);
}

// Without a view: read into a buffer and write it.
int64_t WavFile::writeThroughBuffer(WavFile& source, int64_t from, int64_t bytes)
{
    const std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<size_t>(bytes)]);
    if (!buffer || !source.seek(from)) return 0;
    const int64_t got = source.read(buffer.get(), bytes);
    const int64_t written = write(buffer.get(), got);
    return written == got ? got : written;
}
