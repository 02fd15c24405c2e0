#include "InPlaceGrowth.h"

#include <algorithm>

#include "Bytes.h"
#include "WavOutput.h"

namespace {

const std::string TrimFailedText = "WAVファイルの長さを整えられませんでした・・・";
const std::string RestoreFailedText = "WAVファイルを元に戻せませんでした・・・";

}  // namespace

InPlaceGrowth::InPlaceGrowth(WavFile& file, const std::string& path, const WavHead& head, int64_t length,
                             int64_t start)
    : file_(file), path_(path), head_(head), length_(length), start_(start), riffSize_(GetU32(head.buf.data() + 4))
{
}

InPlaceGrowth::~InPlaceGrowth()
{
    try {
        if (open_) undo();
    } catch (...) {
        // Nothing more can be done for the file here.
    }
}

// Copies n bytes within the file, front to back, in loads of the small buffer.
bool InPlaceGrowth::moveBytes(int64_t from, int64_t to, int64_t n)
{
    for (int64_t done = 0; done < n;) {
        const int64_t part = std::min(SmallBufSize, n - done);
        if (!file_.seek(from + done) || file_.read(buffer_.get(), part) != part || !file_.seek(to + done) ||
            !WriteAll(file_, buffer_.get(), part))
            return false;
        done += part;
    }
    return true;
}

bool InPlaceGrowth::begin(int64_t growth)
{
    // Only the old bytes that the new ones will cover need keeping; they go
    // behind the end of the file as it will be after the growth.
    const int64_t kept = std::clamp<int64_t>(length_ - start_, 0, growth);
    if (kept > 0) buffer_ = AllocBuffer(SmallBufSize);
    keptAt_ = std::max(length_, start_ + growth);
    open_ = true;
    // Until the copy is whole the old bytes are untouched and need no putting back.
    if (kept > 0 && !(moveBytes(start_, keptAt_, kept) && file_.seek(start_))) return false;
    kept_ = kept;
    return true;
}

bool InPlaceGrowth::undo()
{
    open_ = false;
    bool ok = kept_ == 0 || moveBytes(keptAt_, start_, kept_);
    ok = TruncateWavFile(path_, length_) && ok;
    ok = WriteU32At(file_, head_.dataHeader + 4, head_.dataSize) && ok;
    return WriteU32At(file_, 4, riffSize_) && ok;
}

bool InPlaceGrowth::end(bool succeeded, const std::string& code, std::string& err)
{
    if (succeeded) {
        if (kept_ == 0 || TruncateWavFile(path_, keptAt_)) {
            open_ = false;
            return true;
        }
        err = TrimFailedText + code + "\n" + path_;
    }
    if (!undo()) err += "\n" + RestoreFailedText + code + "\n" + path_;
    return false;
}
