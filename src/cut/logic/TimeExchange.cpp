#include "TimeExchange.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "CutPlan.h"
#include "TimeFiles.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr int64_t CueFramesPerSecond = 75;

// Keywords of a cue sheet line that carry no time of their own.
constexpr std::array<std::string_view, 10> CueLinesWithoutTime = {
    "REM", "FILE", "PERFORMER", "SONGWRITER", "FLAGS", "ISRC", "CATALOG", "CDTEXTFILE", "PREGAP", "POSTGAP"};

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The text of each line: without the line ending, and without the BOM of the first line.
std::vector<std::string_view> LineTexts(const std::vector<std::string>& lines)
{
    std::vector<std::string_view> texts;
    texts.reserve(lines.size());
    for (const auto& line : lines) {
        std::string_view text = line;
        if (texts.empty() && text.starts_with(Utf8Bom)) text.remove_prefix(Utf8Bom.size());
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
        texts.push_back(text);
    }
    return texts;
}

// The text before the first `separator` (all of it when there is none); `text` keeps the rest.
std::string_view TakeField(std::string_view& text, char separator)
{
    const size_t end = text.find(separator);
    const std::string_view field = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return field;
}

// The first word of a trimmed line; `text` keeps the rest, trimmed.
std::string_view TakeWord(std::string_view& text)
{
    const size_t end = text.find_first_of(" \t");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : Trimmed(text.substr(end));
    return word;
}

// Digits only, as many as an entry text may have.
std::optional<int64_t> WholeNumber(std::string_view text)
{
    if (text.find('.') != std::string_view::npos) return std::nullopt;
    return ReadEntryTime(text);
}

// Exactly two digits, below `limit` (seconds of a minute, frames of a second).
std::optional<int64_t> TwoDigitsBelow(std::string_view text, int64_t limit)
{
    if (text.size() != 2) return std::nullopt;
    const auto n = WholeNumber(text);
    return n && *n < limit ? n : std::nullopt;
}

// Seconds "12" or "12.3456" in ms, rounded to the nearest (a half upwards):
// the fourth decimal decides, later ones cannot change the result.
std::optional<int64_t> SecondsMs(std::string_view text)
{
    const size_t dot = text.find('.');
    const auto seconds = WholeNumber(text.substr(0, dot));
    if (!seconds) return std::nullopt;
    if (dot == std::string_view::npos) return *seconds * 1000;
    const std::string_view fraction = text.substr(dot + 1);
    if (fraction.empty() || !std::all_of(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int64_t ms = *seconds * 1000;
    for (size_t i = 0, scale = 100; i < 3; ++i, scale /= 10)
        if (i < fraction.size()) ms += (fraction[i] - '0') * static_cast<int64_t>(scale);
    if (fraction.size() > 3 && fraction[3] >= '5') ++ms;
    return ms;
}

// "h:mm:ss[.fff]" or "m:ss[.fff]": the leading number any width, the others two digits below 60.
std::optional<int64_t> ClockMs(std::string_view text)
{
    const auto colons = std::count(text.begin(), text.end(), ':');
    if (colons < 1 || colons > 2) return std::nullopt;
    auto minutes = WholeNumber(TakeField(text, ':'));
    if (colons == 2 && minutes) {
        const auto more = TwoDigitsBelow(TakeField(text, ':'), 60);
        minutes = more ? std::optional(*minutes * 60 + *more) : std::nullopt;
    }
    const auto ms = SecondsMs(text);
    if (!minutes || !ms || !TwoDigitsBelow(text.substr(0, text.find('.')), 60)) return std::nullopt;
    return *minutes * 60000 + *ms;
}

// A plain list's time: a clock form, seconds with a fraction, or whole milliseconds.
std::optional<int64_t> PlainMs(std::string_view text)
{
    if (text.find(':') != std::string_view::npos) return ClockMs(text);
    if (text.find('.') != std::string_view::npos) return SecondsMs(text);
    return WholeNumber(text);
}

// A cue sheet's "mm:ss:ff", the frames rounded to the nearest millisecond.
std::optional<int64_t> CueIndexMs(std::string_view text)
{
    const auto minutes = WholeNumber(TakeField(text, ':'));
    const auto seconds = TwoDigitsBelow(TakeField(text, ':'), 60);
    const auto frames = TwoDigitsBelow(text, CueFramesPerSecond);
    if (!minutes || !seconds || !frames) return std::nullopt;
    const int64_t frameMs = (*frames * 2000 + CueFramesPerSecond) / (2 * CueFramesPerSecond);
    return *minutes * 60000 + *seconds * 1000 + frameMs;
}

// The text between the quotes of a quoted value (to the end when the closing one is missing).
std::string Unquoted(std::string_view text)
{
    if (!text.starts_with('"')) return std::string(text);
    text.remove_prefix(1);
    const size_t close = text.rfind('"');
    return std::string(text.substr(0, close));
}

class TimesCollector {
public:
    explicit TimesCollector(int64_t lengthMs) : lengthMs_(lengthMs) {}

    void add(std::optional<int64_t> ms, std::string name = {})
    {
        if (!ms || (lengthMs_ >= 0 && *ms > lengthMs_)) {
            ++read_.leftOut;
            return;
        }
        read_.times.push_back({*ms, std::move(name)});
    }

    // Ascending, each time once with the name of its first line.
    TimesRead finish()
    {
        auto& times = read_.times;
        std::stable_sort(times.begin(), times.end(), [](const auto& a, const auto& b) { return a.ms < b.ms; });
        times.erase(std::unique(times.begin(), times.end(), [](const auto& a, const auto& b) { return a.ms == b.ms; }),
                    times.end());
        return std::move(read_);
    }

private:
    int64_t lengthMs_;
    TimesRead read_;
};

void ReadLabels(const std::vector<std::string_view>& lines, TimesCollector& collector)
{
    for (std::string_view line : lines) {
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.starts_with('\\') || trimmed.starts_with('#')) continue;
        const std::string_view start = Trimmed(TakeField(line, '\t'));
        TakeField(line, '\t');  // the end of the label
        collector.add(SecondsMs(start), std::string(line));
    }
}

// One TRACK of a cue sheet while its lines are read.
struct CueTrack {
    bool open = false;
    std::optional<int64_t> ms;
    bool indexRead = false;
    std::string title;
};

void FinishTrack(CueTrack& track, TimesCollector& collector)
{
    if (track.open) collector.add(track.ms, std::move(track.title));
    track = {};
}

void ReadCue(const std::vector<std::string_view>& lines, TimesCollector& collector)
{
    CueTrack track;
    for (std::string_view line : lines) {
        std::string_view rest = Trimmed(line);
        if (rest.empty()) continue;
        const std::string_view keyword = TakeWord(rest);
        if (keyword == "TRACK") {
            FinishTrack(track, collector);
            track.open = true;
        } else if (keyword == "INDEX") {
            if (WholeNumber(TakeWord(rest)) != 1 || track.indexRead) continue;
            track.open = true;  // an INDEX before any TRACK still gives its time
            track.indexRead = true;
            track.ms = CueIndexMs(rest);
        } else if (keyword == "TITLE") {
            if (track.open) track.title = Unquoted(rest);  // before the first TRACK: the sheet's own title
        } else if (std::find(CueLinesWithoutTime.begin(), CueLinesWithoutTime.end(), keyword) ==
                   CueLinesWithoutTime.end()) {
            collector.add(std::nullopt);
        }
    }
    FinishTrack(track, collector);
}

void ReadPlain(const std::vector<std::string_view>& lines, TimesCollector& collector)
{
    for (std::string_view line : lines) {
        const std::string_view text = Trimmed(line);
        if (!text.empty()) collector.add(PlainMs(text));
    }
}

TimesFileKind KindOf(const std::vector<std::string_view>& lines)
{
    bool tab = false;
    for (std::string_view line : lines) {
        const std::string_view text = Trimmed(line);
        if (text.starts_with("TRACK ") || text.starts_with("INDEX ") || text.starts_with("FILE "))
            return TimesFileKind::Cue;
        tab = tab || (!text.empty() && line.find('\t') != std::string_view::npos);
    }
    return tab ? TimesFileKind::Labels : TimesFileKind::Plain;
}

// Non-negative ms as seconds with six decimals.
std::string SecondsText(int64_t ms)
{
    ms = std::max<int64_t>(ms, 0);
    return std::to_string(ms / 1000) + '.' + ZeroPadded(ms % 1000, 3) + "000";
}

// Non-negative ms as the nearest cue frame "mm:ss:ff".
std::string CueIndexText(int64_t ms)
{
    const int64_t frames = (std::max<int64_t>(ms, 0) * CueFramesPerSecond * 2 + 1000) / 2000;
    const int64_t seconds = frames / CueFramesPerSecond;
    return ZeroPadded(seconds / 60, 2) + ':' + ZeroPadded(seconds % 60, 2) + ':' +
           ZeroPadded(frames % CueFramesPerSecond, 2);
}

// A cue sheet value between quotes cannot hold a quote.
std::string CueQuoted(std::string_view text)
{
    std::string quoted(text);
    std::replace(quoted.begin(), quoted.end(), '"', '\'');
    return '"' + quoted + '"';
}

std::string_view FileNameOf(std::string_view path)
{
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string CodeText(int code) { return code == 0 ? std::string() : std::to_string(code); }

// The colour a name takes: the one already carrying it, else the first free
// colour 1..6, which takes the name. None when every colour carries another name.
std::optional<int> ColourOfName(const std::string& name, std::array<std::string, ColourCodeCount>& CategoryNames)
{
    const auto named = std::find(CategoryNames.begin(), CategoryNames.end(), name);
    if (named != CategoryNames.end()) return static_cast<int>(named - CategoryNames.begin());
    const auto free = std::find(CategoryNames.begin() + 1, CategoryNames.end(), std::string());
    if (free == CategoryNames.end()) return std::nullopt;
    *free = name;
    return static_cast<int>(free - CategoryNames.begin());
}

}  // namespace

TimesFileKind DetectTimesKind(const std::vector<std::string>& lines) { return KindOf(LineTexts(lines)); }

std::string CategoryNameOf(std::string name)
{
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '/' || c == '\\' || c == '\0'; }, '_');
    return name.empty() || UsableSaveBase(name) ? name : std::string();
}


TimesRead ReadTimesFile(const std::vector<std::string>& lines, int64_t lengthMs)
{
    const auto texts = LineTexts(lines);
    TimesCollector collector(lengthMs);
    switch (KindOf(texts)) {
    case TimesFileKind::Labels: ReadLabels(texts, collector); break;
    case TimesFileKind::Cue: ReadCue(texts, collector); break;
    case TimesFileKind::Plain: ReadPlain(texts, collector); break;
    }
    return collector.finish();
}

std::vector<ExportPart> ExportParts(const RegisteredTimes& registered,
                                    const std::array<std::string, ColourCodeCount>& CategoryNames,
                                    bool startTimesEnabled, int64_t lengthMs)
{
    CutRequest request;
    request.list = ListKind::C;
    request.entries = &registered.times();
    request.selected.assign(registered.times().size(), true);
    request.startTimesEnabled = startTimesEnabled;
    request.StartList = &registered.StartList();
    request.CategoryNames = &CategoryNames;
    std::vector<ExportPart> parts;
    for (auto& part : PlanCut(request)) {
        const int64_t end = part.CutTo < 0 ? lengthMs : part.CutTo;
        parts.push_back({part.CutFrom, std::max(end, part.CutFrom), std::move(part.category)});
    }
    return parts;
}

std::vector<std::string> LabelLines(const std::vector<ExportPart>& parts)
{
    std::vector<std::string> lines;
    lines.reserve(parts.size());
    for (const auto& part : parts)
        lines.push_back(SecondsText(part.startMs) + '\t' + SecondsText(part.endMs) + '\t' + part.name);
    return lines;
}

std::vector<std::string> CueLines(const std::string& sourceFileName, const std::vector<ExportPart>& parts)
{
    std::vector<std::string> lines = {"FILE " + CueQuoted(FileNameOf(sourceFileName)) + " WAVE"};
    const size_t tracks = std::min(parts.size(), static_cast<size_t>(MaxCueTracks));
    for (size_t i = 0; i < tracks; ++i) {
        lines.push_back("  TRACK " + ZeroPadded(static_cast<int64_t>(i) + 1, 2) + " AUDIO");
        if (!parts[i].name.empty()) lines.push_back("    TITLE " + CueQuoted(parts[i].name));
        lines.push_back("    INDEX 01 " + CueIndexText(parts[i].startMs));
    }
    return lines;
}

TimesImport ImportTimes(const TimesRead& read, RegisteredTimes& registered,
                        std::array<std::string, ColourCodeCount>& CategoryNames, const TimeFormat& format,
                        bool startTimesEnabled, const std::string& newCode)
{
    TimesImport result;
    result.leftOut = read.leftOut;
    for (const auto& time : read.times) {
        std::optional<int> colour;
        if (startTimesEnabled) {
            const std::string name = CategoryNameOf(time.name);
            if (!name.empty()) {
                colour = ColourOfName(name, CategoryNames);
                if (!colour) ++result.unnamed;
            }
        }
        // A colour given by a name holds also for a time already registered;
        // without one, a time already registered keeps its own code.
        const int before = registered.size();
        result.last = registered.RegisterEntry(TimeEntryText(time.ms, format),
                                               colour ? CodeText(*colour) : newCode, colour.has_value());
        if (registered.size() > before) ++result.registered;
    }
    return result;
}
