#pragma once
// The failure texts of the header checks, for one routine code
// (GW, MF, EA, F, WC2, K, KD, LR, RV, FC, MC). Every routine words a few checks
// its own way; this is where those variants are chosen, once.
#include <string>

class HeadTexts {
public:
    explicit HeadTexts(std::string code) : code_(std::move(code)) {}
    const std::string& code() const { return code_; }

    std::string openFailed(const std::string& path) const;
    std::string tooShort(const std::string& path) const;
    std::string notRiff() const;
    std::string notWave() const;
    std::string fmtNotFound() const;
    std::string fmtShort() const;
    std::string seekFailed(const std::string& path) const;
    std::string chunkUnreadable(const std::string& path) const;
    std::string noData() const;
    std::string compressed() const;
    std::string bytesPerSec() const;
    std::string bytesPer40ms() const;
    std::string badSample() const;
    // Texts of the copying routines' block checks and transfers.
    std::string blockSize() const;
    std::string readFailed() const;
    std::string writeFailed() const;
    std::string headerWriteFailed() const;
    std::string createFailed(const std::string& path) const;
    std::string offsetOutOfRange() const;
    std::string notStereo() const;

private:
    bool is(const char* code) const { return code_ == code; }
    std::string code_;
};
