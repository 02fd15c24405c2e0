#include "JoinDriver.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "BatchLogLine.h"
#include "ConvertTexts.h"
#include "FreeSpace.h"
#include "JoinTexts.h"
#include "OutputFiles.h"
#include "OutputNames.h"
#include "WavEngine.h"
#include "WavFile.h"
#include "YeNADDCUT.h"

namespace fs = std::filesystem;
using namespace JoinTexts;

namespace {

constexpr int64_t Limit4G = int64_t{1} << 32;
constexpr int64_t Limit2G = int64_t{1} << 31;

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

// One join run's state and steps.
class JoinRun {
public:
    JoinRun(const std::vector<std::string>& sources, const std::string& folder, const JoinSettings& s,
            const RunHooks& h, const AskSaveName& ask)
        : sources_(sources), folder_(folder), settings_(s), hooks_(h), ask_(ask)
    {
    }

    JoinResult run()
    {
        result_.started = CheckWorkBuffer();
        if (!result_.started) return result_;
        hooks_.status(Started);
        total_ = checkedTotal(sizePass());
        if (total_ > 0) joinPass();
        if (!result_.output.empty() && fs::exists(result_.output)) finish();
        if (result_.stopped) hooks_.prompt.MKInfoTM(ConvertTexts::Stopped);
        hooks_.status(Finished);
        hooks_.prompt.MKInfoTM(result_.joined > 0 ? SummaryHead + std::to_string(result_.joined) + SummaryCount +
                                                        "\n" + ConvertTexts::SummaryThanks
                                                  : SummaryHead + ConvertTexts::NothingSelected);
        return result_;
    }

private:
    // The estimate: the first readable file whole, the data of every later
    // file of its format, and the silence of both ends in that format.
    int64_t sizePass()
    {
        std::optional<JoinFormat> format;
        int64_t total = 0;
        for (const std::string& source : sources_) {
            hooks_.status(SizeChecking + source);
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
        const int64_t seconds = (Count(settings_.headTenths) + Count(settings_.tailTenths) + 9) / 10 +
                                Count(settings_.headSeconds) + Count(settings_.tailSeconds);
        // The silence is written in the first file's format, so it is counted
        // at that file's rate, not at the rate of whichever file was read last.
        return total + seconds * format->bytesPerSec;
    }

    int64_t checkedTotal(int64_t total)
    {
        const std::string text = CheckJoinSize(total, hooks_.prompt);
        if (text.empty()) return total;
        hooks_.prompt.MKInfoTM(JoinError + text);
        return 0;
    }

    void joinPass()
    {
        for (size_t i = 0; i < sources_.size() && !result_.stopped && !passEnded_; ++i) {
            lastSource_ = sources_[i];
            hooks_.status(Joining + sources_[i]);
            if (result_.output.empty())
                joinFirst(sources_[i]);
            else
                joinLater(sources_[i]);
            hooks_.progress(i + 1, sources_.size());
            if (hooks_.pendingMessages()) result_.stopped = true;
        }
    }

    // An error box; Abort stops the run after this file.
    void error(const std::string& text, int defaultAnswer)
    {
        if (hooks_.prompt.MKError(text, defaultAnswer) == PromptAnswer::Abort) result_.stopped = true;
    }

    void leaveOut(const std::string& text)
    {
        ++result_.failed;
        error(text, PromptAnswer::Abort);
    }

    bool isSource(const std::string& path) const
    {
        return std::any_of(sources_.begin(), sources_.end(),
                           [&](const std::string& s) { return s == path || SameFile(s, path); });
    }

    // The output's name for this first file, or none when it is skipped or
    // the run stops.
    std::optional<std::string> outputName(const std::string& source)
    {
        const std::string stem = fs::path(source).stem().string();
        std::optional<std::string> proposed = NumberedName(folder_, stem, "_a", 3, ".wav");
        if (!proposed) {
            leaveOut(ConvertTexts::NoFreeName + folder_ + "\n" + NumberedPattern(stem, "_a", 3, ".wav") + "\n" +
                     ConvertTexts::SkipFile);
            return std::nullopt;
        }
        if (!settings_.ownNames) return proposed;
        const std::string chosen = ask_ ? ask_(source, *proposed, SaveNameTitle) : *proposed;
        if (chosen == "@") result_.stopped = true;
        if (result_.stopped) return std::nullopt;
        if (chosen.empty()) {
            ++result_.failed;
            return std::nullopt;
        }
        // Never onto a file being joined: it would be read while overwritten.
        const std::string lowered = LowerCaseExtension(chosen);
        if (isSource(lowered)) {
            leaveOut(lowered + "\n" + ConvertTexts::NotOntoSource);
            return std::nullopt;
        }
        return lowered;
    }

    // Head silence and the first file, or a plain copy. A file created here
    // and left unfinished is removed; a chosen file that was there before is
    // only replaced once its new content is whole.
    bool writeFirst(const std::string& source, const std::string& target, std::string& err)
    {
        if (settings_.headSeconds + settings_.headTenths < 1) {
            CopyWav(source, target, err);
            return err.empty();
        }
        AddHeadSilence(source, target, settings_.headSeconds, settings_.headTenths, err);
        if (!err.empty()) return false;
        WavAppend(source, target, err);
        if (err.empty()) return true;
        RemoveOwnOutput(target);
        return false;
    }

    void joinFirst(const std::string& source)
    {
        const std::optional<std::string> target = outputName(source);
        if (!target) return;
        const std::string folder = fs::path(*target).parent_path().string();
        const std::string shortage = FreeSpaceShortage(folder.empty() ? "." : folder, total_, SizeLabel);
        if (!shortage.empty()) {
            ++result_.failed;
            hooks_.prompt.MKInfoTM(JoinError + shortage);
            passEnded_ = true;
            return;
        }
        std::string err;
        if (!writeFirst(source, *target, err)) {
            leaveOut(Failed + err + "\n" + source);
            return;
        }
        result_.output = *target;
        joined(source);
    }

    void joinLater(const std::string& source)
    {
        std::string err;
        WavAppend(source, result_.output, err);
        if (!err.empty()) {
            leaveOut(Failed + err + "\n" + source);
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
        error(ConvertTexts::ReReadFailed + err + "\n" + path, PromptAnswer::OK);
        return path;
    }

    // Fades over the joined data, then the tail silence; the output stays
    // when either fails.
    void finish()
    {
        const std::string& output = result_.output;
        std::string err;
        if (settings_.fadeInSeconds > 0 || settings_.fadeOutSeconds >= 1)
            FadeInOut(output, err, settings_.fadeInSeconds, settings_.fadeOutSeconds, settings_.headSeconds,
                      settings_.headTenths);
        if (err.empty() && settings_.tailSeconds + settings_.tailTenths > 0)
            AddTailSilence(output, settings_.tailSeconds, settings_.tailTenths, err);
        if (!err.empty()) {
            ++result_.failed;
            hooks_.prompt.MKInfoTM(Failed + err + "\n" + lastSource_);
        }
        StampNow(output);
        result_.lastFolder = YenCut(fs::path(output).parent_path().string());
        hooks_.log(logLine(output));
    }

    const std::vector<std::string>& sources_;
    std::string folder_;
    const JoinSettings& settings_;
    const RunHooks& hooks_;
    const AskSaveName& ask_;
    JoinResult result_;
    int64_t total_ = 0;
    bool passEnded_ = false;
    std::string lastSource_;
};

}  // namespace

std::string CheckJoinSize(int64_t total, Prompt& prompt)
{
    if (total <= 0) return ZeroSize;
    if (total >= Limit4G) return Beyond4G;
    if (total >= Limit2G && prompt.MKError(Beyond2GWarning, PromptAnswer::OK) != PromptAnswer::OK)
        return Beyond2GStopped;
    return "";
}

JoinResult JoinBatch(const std::vector<std::string>& sources, const std::string& outputFolder,
                     const JoinSettings& settings, const RunHooks& hooks, const AskSaveName& askSaveName)
{
    return JoinRun(sources, outputFolder, settings, hooks, askSaveName).run();
}
