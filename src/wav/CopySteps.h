#pragma once
// Steps that the routines writing one WAV file from another share: opening
// and walking a file's head, creating the target, writing its head and giving
// it its name.
#include <cstdint>
#include <string>

#include "BlockCopy.h"
#include "DataRange.h"
#include "HeadTexts.h"
#include "RoutineFrame.h"
#include "TargetFile.h"
#include "WavFile.h"
#include "WavHead.h"

// Opens a file and reads its head up to the first sample byte (the open
// message, then the checks of ReadWavHead).
bool OpenAndWalk(WavFile& file, const std::string& path, WavFile::Mode mode, const HeadTexts& texts,
                 WavHead& head, std::string& err, WalkOptions options = {});

// Moves the source to its first sample byte; the offset text when it cannot.
bool SeekToData(WavFile& source, const WavHead& head, const HeadTexts& texts, std::string& err);

// Starts a new target file (see TargetFile; the create-failed text when it is
// refused). A target that is the source itself is refused: replacing it would
// destroy the source. Room for its `bytes`, when known, is set aside at once:
// on file systems that allocate block by block as a file grows, that makes
// writing it markedly faster.
bool CreateTarget(TargetFile& out, const std::string& path, const std::string& sourcePath,
                  const HeadTexts& texts, std::string& err, int64_t bytes = 0);

// Gives the finished target its name; the create-failed text when it cannot.
bool CommitTarget(TargetFile& out, const std::string& path, const HeadTexts& texts, std::string& err);

// The checks a new file passes before its first byte: the plan's samples lie
// within the source, and an output of outFmtEnd head bytes (up to the end of
// its `fmt ` chunk) and outDataBytes of samples keeps its sizes within their
// 32-bit fields (the block-size text when it would not).
bool CheckOutputSource(WavFile& source, const WavHead& head, const BlockPlan& plan, int64_t outFmtEnd,
                       int64_t outDataBytes, const HeadTexts& texts, std::string& err);

// Writes the first headBytes of a source's head, then "data" and a size of 0;
// false when any of it was not written whole.
bool WriteTargetHead(WavFile& out, const WavHead& head, int64_t headBytes);

// Makes the head describe only the part of its data in `range` (the default
// range, all of the data from offset 0, leaves it as it is); the offset text
// when the part is empty or does not lie within the data.
bool NarrowToRange(WavHead& head, const DataRange& range, const HeadTexts& texts, std::string& err);

// Writes the target as the walked source's head up to the end of its `fmt `
// chunk and the samples the head describes, and gives it its name: the
// normalised copy.
bool WriteCopy(WavFile& source, const std::string& sourcePath, const WavHead& head, const std::string& targetPath,
               const CopyBuffer& buffer, const HeadTexts& texts, std::string& err);
