#pragma once
// Moving samples from one file to another in loads of whole 40 ms blocks sized
// to the work buffer: a count of full loads, then the rest. Every routine that
// carries samples into another file (copy, append, channel pick and swap, fmt
// rewrite) moves them here; a routine that changes the samples passes a
// transform that rewrites each load in place before it is written.
#include <cstdint>
#include <functional>
#include <string>

#include "HeadTexts.h"
#include "WavFile.h"
#include "WavHead.h"
#include "WorkBuffers.h"

// The work buffer of one call, allocated at the size WorkBufSize holds now.
struct CopyBuffer {
    CopyBuffer() : size(WorkBufSize), bytes(AllocBuffer(size)) {}
    int64_t size;
    Buffer bytes;
};

// How a data chunk is cut into loads.
struct BlockPlan {
    int64_t load = 0;   // bytes of one full load
    int64_t count = 0;  // number of full loads
    int64_t rest = 0;   // bytes left after the full loads
};

// Checks bytes per second, bytes per 40 ms, the load and bits per sample, in
// that order, and cuts the data into loads of whole 40 ms blocks that fit
// bufSize. A frameBytes above 1 also keeps every load to whole frames, so that
// a transform working frame by frame never meets a frame split across loads.
bool PlanBlocks(const WavHead& head, const HeadTexts& texts, int64_t bufSize, int64_t frameBytes,
                BlockPlan& plan, std::string& err);

// Every byte the plan reads, from dataStart on, lies within the file `in`.
// Otherwise the text the first short read of the copy would give (with "_A"
// when it falls in the rest), before anything is written.
bool PlanInFile(WavFile& in, int64_t dataStart, const BlockPlan& plan, const HeadTexts& texts, std::string& err);

// Rewrites the n bytes of a load in place; returns how many bytes, from the
// start of the load, are to be written.
using BlockTransform = std::function<int64_t(uint8_t* bytes, int64_t n)>;

// Takes one load read from the source: writes it wherever it goes, with
// `suffix` ("" for a full load, "_A" for the rest) on any text it sets; false
// ends the reading.
using LoadTaker = std::function<bool(uint8_t* bytes, int64_t n, const char* suffix)>;

// Reads the plan's full loads and then its rest from `in` into the buffer and
// hands each to `take`. Every read must move all its bytes; a short one sets
// the routine's read text (with "_A" for the rest).
bool ReadBlocks(WavFile& in, const CopyBuffer& buffer, const BlockPlan& plan, const HeadTexts& texts,
                std::string& err, const LoadTaker& take);

// Reads the plan's full loads and then its rest from `in`, transforms each
// (unchanged without a transform) and writes it to `out`. Every read and write
// must move all its bytes; a short one sets the routine's read or write text,
// with "_A" for the rest. `written` counts the bytes written.
bool CopyBlocks(WavFile& in, WavFile& out, const CopyBuffer& buffer, const BlockPlan& plan,
                const HeadTexts& texts, std::string& err, int64_t& written,
                const BlockTransform& transform = nullptr);
