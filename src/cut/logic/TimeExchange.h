#pragma once
// Cut times in other programs' formats: label files ("start<TAB>end<TAB>text",
// seconds), cue sheets (TRACK / TITLE / INDEX 01 mm:ss:ff) and plain lists of
// times. Reading turns their lines into times with names; importing registers
// those times and gives each name a colour through the category names.
// Writing turns the registered times into the parts a cut of all of them
// makes, as label or cue sheet lines. The file I/O belongs to the caller.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ColourCodes.h"
#include "RegisteredTimes.h"
#include "TimeFormat.h"

// A time read from another program's file: ms, and the name it carries ("" for none).
struct ExchangedTime {
    int64_t ms = 0;
    std::string name;
};

struct TimesRead {
    std::vector<ExchangedTime> times;  // ascending, each ms once (the first line's name kept)
    int leftOut = 0;                   // lines that are no time, or times beyond the length
};

enum class TimesFileKind { Labels, Cue, Plain };

// Which format the lines are: a cue sheet when a line (trimmed) starts with
// "TRACK ", "INDEX " or "FILE "; a label file when a non-blank line has a TAB;
// else a plain list.
TimesFileKind DetectTimesKind(const std::vector<std::string>& lines);

// A name read from a file as a category name may hold it: it ends the parts'
// file names, so '/', '\\' and NUL become '_', and "." or ".." is no name.
std::string CategoryNameOf(std::string name);

// Reads the lines of a times file of the detected kind. Lines may still end in
// CR/LF; a UTF-8 BOM on the first line is ignored. Blank lines and lines that
// carry no time by their format (a cue sheet's REM, FILE, PERFORMER ...; a
// label file's lines starting with '\' or '#') are skipped without counting.
// Times beyond lengthMs are left out and counted (lengthMs < 0: no limit).
//  Labels: "start<TAB>end<TAB>text", seconds with '.' as the point; end and
//          text may be missing. The start is the time, the text its name.
//  Cue:    each TRACK's "INDEX 01 mm:ss:ff" (ff in 1/75 s, mm any width) and
//          its TITLE (quotes removed) as the name. A TRACK without a readable
//          INDEX 01 counts as left out.
//  Plain:  one time a line: "h:mm:ss.mmm", "m:ss.mmm", "m:ss", seconds with a
//          fraction ("12.5"), or whole milliseconds ("12500").
// Fractions of a millisecond round to the nearest one (a half upwards).
TimesRead ReadTimesFile(const std::vector<std::string>& lines, int64_t lengthMs);

// One part to write out: [startMs, endMs) and its category name.
struct ExportPart {
    int64_t startMs = 0;
    int64_t endMs = 0;
    std::string name;
};

// The parts of the registered times, as a cut of all of them makes them: each
// time starts a part that reaches to the next time, the last to lengthMs
// (never before its own start); named CategoryNames[code] of the time's colour
// when start times are enabled, else CategoryNames[0].
std::vector<ExportPart> ExportParts(const RegisteredTimes& registered,
                                    const std::array<std::string, ColourCodeCount>& CategoryNames,
                                    bool startTimesEnabled, int64_t lengthMs);

// Label file lines "start<TAB>end<TAB>name", start and end in seconds with
// exactly six decimals ("12.345000\t15.000000\tintro"); no line endings.
std::vector<std::string> LabelLines(const std::vector<ExportPart>& parts);

// The most tracks a cue sheet holds.
inline constexpr int MaxCueTracks = 99;

// Cue sheet lines for the source file (a folder in front of its name is
// dropped): a FILE line, then per part a TRACK (01 onwards), its TITLE when
// the name is not empty ('"' written as '\'') and "INDEX 01 mm:ss:ff" of the
// nearest 1/75 s frame of its start. Only the first MaxCueTracks parts are
// written; the caller reports the rest.
std::vector<std::string> CueLines(const std::string& sourceFileName, const std::vector<ExportPart>& parts);

// What importing did.
struct TimesImport {
    int registered = 0;  // times newly registered (a time already registered counts not)
    int leftOut = 0;     // from TimesRead
    int unnamed = 0;     // times whose name found no colour (all six colours already carry other names)
    int last = -1;       // index in the registered times of the last time registered or met (-1: none)
};

// Registers the read times, as entry texts of `format`. While start times are
// enabled a named time takes the colour whose category name equals its name
// (CategoryNames[0]: no code), else the first colour 1..6 without a name,
// which takes the name; this colour holds also for a time already registered.
// A time without a name, or whose name found no colour (counted in
// `unnamed`), is registered with `newCode` and leaves the code of a time
// already registered as it is. Without start times names are not used.
// Category names end the parts' file names: '/', '\' and NUL in a name become
// '_', and a name "." or ".." counts as none.
TimesImport ImportTimes(const TimesRead& read, RegisteredTimes& registered,
                        std::array<std::string, ColourCodeCount>& CategoryNames, const TimeFormat& format,
                        bool startTimesEnabled, const std::string& newCode);
