#pragma once
// The program's one way of writing a new WAV file: the source's bytes up to the
// end of its `fmt ` chunk, then "data" and a size of 0, then the samples; at
// the end the data size and the RIFF size (length - 8) are patched in.
#include <cstdint>

#include "WavFile.h"

// Writes n bytes; true when all of them were written.
bool WriteAll(WavFile& out, const void* bytes, int64_t n);

// Writes "data" and a 32-bit 0; true when all 8 bytes were written.
bool WriteDataHeader(WavFile& out);

// Writes dataSize at dataSizeField, then the file's length - 8 at offset 4.
bool PatchSizes(WavFile& out, int64_t dataSizeField, uint32_t dataSize);

// Writes a 32-bit little-endian value at a position.
bool WriteU32At(WavFile& out, int64_t position, uint32_t value);
