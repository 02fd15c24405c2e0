#include "JoinCore.h"

#include <algorithm>
#include <filesystem>

#include "BatchLogLine.h"
#include "ConvertTexts.h"
#include "FilesInFlight.h"
#include "FreeSpace.h"
#include "HeadTexts.h"
#include "OutputFiles.h"
#include "OutputNames.h"
#include "RunFrame.h"
#include "WavEngine.h"
#include "WavFile.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;

namespace {

int Count(int v) { return std::max(v, 0); }

// The format every joined file must share: the first readable file's.
struct JoinFormat {
    int32_t frameRate = 0, channels = 0, blockAlign = 0, bytesPerSec = 0;

    static JoinFormat Of(const WavInfoRecord& info)
    {
        return {info.FrameRate, info.Channels, info.BlockAlign, info.BytesPerSec};
    }
    bool matches(const WavInfoRecord& info) const
    {
        return info.FrameRate == frameRate && info.Channels == channels && info.BlockAlign == blockAlign;
    }
};

// A free hidden name beside `target` under which a join that will replace it
// is built; none when the folder cannot be looked into.
std::optional<std::string> BuildingName(const std::string& target)
{
    const fs::path p(target);
    int counter = 0;
    return NextNumberedName(p.parent_path().string(), "." + p.filename().string() + ".join", 3, ".tmp", counter);
}

// One join's state and steps.
class JoinRun {
public:
    JoinRun(const std::vector<std::string>& sources, const BatchTimes& times, const JoinWording& wording,
            const RunHooks& hooks, const NameJoinOutput& name, JoinResult& result)
        : sources_(sources), times_(times), wording_(wording), hooks_(hooks), name_(name), result_(result)
    {
    }
    JoinRun(const JoinRun&) = delete;
    JoinRun& operator=(const JoinRun&) = delete;

    // A join left on an exception removes what it built under a temporary name.
    ~JoinRun()
    {
        ForgetFileInFlight(slot_);
        if (replacing()) RemoveOwnOutput(building_);
    }

    void run()
    {
        total_ = checkedTotal(sizePass());
        if (total_ > 0) joinPass();
        if (!building_.empty() && fs::exists(building_)) finish();
    }

private:
    bool replacing() const { return !building_.empty() && building_ != result_.output; }

    // The estimate: the first readable file whole, the data of every later
    // file of its format, and the silence of both ends in that format.
    int64_t sizePass()
    {
        std::optional<JoinFormat> format;
        int64_t total = 0;
        for (const std::string& source : sources_) {
            hooks_.status(wording_.sizeChecking + source);
            std::string err;
            GetWavInfo(source, err);
            if (err.empty() && !format) {
                format = JoinFormat::Of(WavInfo);
                total = WavInfo.DataEnd;
            } else if (err.empty() && format->matches(WavInfo)) {
                total += WavInfo.DataSize;
            }
            if (hooks_.pendingMessages()) {
                result_.stopped = true;
                return 0;
            }
        }
        if (!format) return 0;
        const int64_t seconds = (Count(times_.headTenths) + Count(times_.tailTenths) + 9) / 10 +
                                Count(times_.headSeconds) + Count(times_.tailSeconds);
        // The silence is written in the first file's format, so it is counted
        // at that file's rate, not at the rate of whichever file was read last.
        return total + seconds * format->bytesPerSec;
    }

    int64_t checkedTotal(int64_t total)
    {
        const std::string text = CheckJoinSize(total, hooks_.prompt);
        if (text.empty()) return total;
        hooks_.prompt.MKInfoTM(wording_.joinError + text);
        return 0;
    }

    void joinPass()
    {
        for (size_t i = 0; i < sources_.size() && !result_.stopped && !passEnded_; ++i) {
            lastSource_ = sources_[i];
            hooks_.status(wording_.joining + sources_[i]);
            if (building_.empty())
                joinFirst(sources_[i]);
            else
                joinLater(sources_[i]);
            hooks_.progress(i + 1, sources_.size());
            if (hooks_.pendingMessages()) result_.stopped = true;
        }
    }

    // Head silence and the first file, or a plain copy. What was made here
    // and left unfinished is removed.
    bool writeFirst(const std::string& source, const std::string& target, std::string& err)
    {
        if (times_.headSeconds + times_.headTenths < 1) {
            CopyWav(source, target, err);
            return err.empty();
        }
        AddHeadSilence(source, target, times_.headSeconds, times_.headTenths, err);
        if (!err.empty()) return false;
        WavAppend(source, target, err);
        if (err.empty()) return true;
        RemoveOwnOutput(target);
        return false;
    }

    // The estimate fits the target's volume; when it does not, the pass ends.
    bool fits(const std::string& target)
    {
        const std::string folder = fs::path(target).parent_path().string();
        const std::string shortage = FreeSpaceShortage(folder.empty() ? "." : folder, total_, wording_.sizeLabel);
        if (shortage.empty()) return true;
        ++result_.failed;
        hooks_.prompt.MKInfoTM(wording_.joinError + shortage);
        passEnded_ = true;
        return false;
    }

    void joinFirst(const std::string& source)
    {
        const std::optional<std::string> target = name_(source, result_);
        if (!target || !fits(*target)) return;
        const std::optional<std::string> building = NameTaken(*target) ? BuildingName(*target) : target;
        std::string err;
        if (!building) err = HeadTexts("K").createFailed(*target);
        if (!building || !writeFirst(source, *building, err)) {
            LeaveOut(wording_.failed + err + "\n" + source, hooks_.prompt, result_);
            return;
        }
        building_ = *building;
        result_.output = *target;
        if (replacing()) slot_ = RegisterFileInFlight(building_);
        joined(source);
    }

    void joinLater(const std::string& source)
    {
        std::string err;
        WavAppend(source, building_, err);
        if (!err.empty()) {
            LeaveOut(wording_.failed + err + "\n" + source, hooks_.prompt, result_);
            return;
        }
        joined(source);
    }

    void joined(const std::string& source)
    {
        ++result_.joined;
        result_.usedLines.push_back(logLine(source));
    }

    // The file's log line, or its bare path when it cannot be read again.
    std::string logLine(const std::string& path)
    {
        std::string err;
        GetWavInfo(path, err);
        if (err.empty()) return BatchLogLine(WavInfo, path);
        ++result_.failed;
        if (hooks_.prompt.MKError(ConvertTexts::ReReadFailed + err + "\n" + path) == PromptAnswer::Abort)
            result_.stopped = true;
        return path;
    }

    // Fades over the joined data, then the tail silence; the output stays
    // when either fails.
    void finish()
    {
        std::string err;
        if (times_.fadeInSeconds > 0 || times_.fadeOutSeconds >= 1)
            FadeInOut(building_, err, times_.fadeInSeconds, times_.fadeOutSeconds, times_.headSeconds,
                      times_.headTenths);
        if (err.empty() && times_.tailSeconds + times_.tailTenths > 0)
            AddTailSilence(building_, times_.tailSeconds, times_.tailTenths, err);
        if (!err.empty()) {
            ++result_.failed;
            hooks_.prompt.MKInfoTM(wording_.failed + err + "\n" + lastSource_);
        }
        StampNow(building_);
        if (!takeOutputName()) return;
        result_.lastFolder = YenCut(fs::path(result_.output).parent_path().string());
        hooks_.log(logLine(result_.output));
    }

    // A join built beside the file it replaces takes that file's name now.
    bool takeOutputName()
    {
        if (!replacing()) return true;
        const bool renamed = RenameWavFile(building_, result_.output);
        if (renamed) building_ = result_.output;
        ForgetFileInFlight(slot_);
        slot_ = -1;
        if (renamed) return true;
        ++result_.failed;
        hooks_.prompt.MKInfoTM(wording_.failed + HeadTexts("K").createFailed(result_.output) + "\n" + lastSource_);
        result_.output.clear();
        return false;
    }

    const std::vector<std::string>& sources_;
    const BatchTimes& times_;
    const JoinWording& wording_;
    const RunHooks& hooks_;
    const NameJoinOutput& name_;
    JoinResult& result_;
    int64_t total_ = 0;
    bool passEnded_ = false;
    std::string lastSource_;
    std::string building_;  // the file being written: the output, or a temporary name beside it
    int slot_ = -1;
};

}  // namespace

void LeaveOut(const std::string& text, Prompt& prompt, JoinResult& result)
{
    LeaveFileOut(prompt, text, result.failed, result.stopped, PromptAnswer::Abort);
}

bool IsSource(const std::string& path, const std::vector<std::string>& sources)
{
    return std::any_of(sources.begin(), sources.end(),
                       [&](const std::string& s) { return s == path || SameFile(s, path); });
}

void JoinFiles(const std::vector<std::string>& sources, const BatchTimes& times, const JoinWording& wording,
               const RunHooks& hooks, const NameJoinOutput& name, JoinResult& result)
{
    JoinRun(sources, times, wording, hooks, name, result).run();
}
