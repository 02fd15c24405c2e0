#include "JoinCore.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "BatchLogLine.h"
#include "ConvertTexts.h"
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

// One join's state and steps.
class JoinRun {
public:
    JoinRun(const std::vector<std::string>& sources, const BatchTimesSource& times, const JoinWording& wording,
            const RunHooks& hooks, const NameJoinOutput& name, JoinResult& result)
        : sources_(sources), times_(times), wording_(wording), hooks_(hooks), name_(name), result_(result),
          refusals_(sources.size())
    {
    }
    JoinRun(const JoinRun&) = delete;
    JoinRun& operator=(const JoinRun&) = delete;

    void run()
    {
        total_ = checkedTotal(sizePass());
        if (total_ > 0) joinPass();
        if (draft_.path().empty()) return;
        // A join given up on a failure or by closing the program is not
        // finished: nothing of it is kept. The stop button finishes it with
        // the files joined so far.
        if (abandoned_ || hooks_.closing() || !finish()) {
            dropJoin();
            return;
        }
        publish();
    }

private:
    // The estimate: the first readable file whole, the data of every later
    // file of its format, and the silence of both ends in that format. Files
    // that cannot be read are remembered with the reason, so that the join
    // pass refuses them before writing anything.
    int64_t sizePass()
    {
        std::optional<JoinFormat> format;
        int64_t total = 0;
        for (size_t i = 0; i < sources_.size(); ++i) {
            hooks_.status(wording_.sizeChecking + sources_[i]);
            std::string err;
            GetWavInfo(sources_[i], err);
            refusals_[i] = err;
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
        const BatchTimes t = times_();
        const int64_t seconds =
            (Count(t.headTenths) + Count(t.tailTenths) + 9) / 10 + Count(t.headSeconds) + Count(t.tailSeconds);
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
            if (!refusals_[i].empty())
                leaveOut(wording_.failed + refusals_[i] + "\n" + sources_[i]);
            else if (draft_.path().empty())
                joinFirst(sources_[i]);
            else
                joinLater(sources_[i]);
            hooks_.progress(i + 1, sources_.size());
            if (hooks_.pendingMessages()) result_.stopped = true;
        }
    }

    // Head silence and the first file, or a plain copy, into the draft.
    bool writeFirst(const std::string& source, std::string& err)
    {
        const BatchTimes t = times_();
        head_ = {t.headSeconds, t.headTenths};
        if (head_.first + head_.second < 1) {
            CopyWav(source, draft_.path(), err);
            return err.empty();
        }
        AddHeadSilence(source, draft_.path(), head_.first, head_.second, err);
        if (err.empty()) WavAppend(source, draft_.path(), err);
        return err.empty();
    }

    // The estimate fits the output's volume; when it does not, the pass ends.
    bool fits(const std::string& folder)
    {
        const std::string shortage = FreeSpaceShortage(folder.empty() ? "." : folder, total_, wording_.sizeLabel);
        if (shortage.empty()) return true;
        ++result_.failed;
        hooks_.prompt.MKInfoTM(wording_.joinError + shortage);
        passEnded_ = true;
        return false;
    }

    void joinFirst(const std::string& source)
    {
        naming_ = name_(source, result_);
        if (!naming_ || !fits(naming_->folder)) return;
        std::string err;
        if (!BeginDraft(draft_, *naming_)) err = HeadTexts("K").createFailed(naming_->first);
        if (!err.empty() || !writeFirst(source, err)) {
            draft_.discard();
            leaveOut(wording_.failed + err + "\n" + source);
            return;
        }
        joined(source);
    }

    void joinLater(const std::string& source)
    {
        std::string err;
        WavAppend(source, draft_.path(), err);
        if (!err.empty()) {
            leaveOut(wording_.failed + err + "\n" + source);
            return;
        }
        joined(source);
    }

    // Leaves a file out; an Abort answer gives up the whole join.
    void leaveOut(const std::string& text)
    {
        LeaveOut(naming_ ? NamedAsOutput(text, draft_, naming_->first) : text, hooks_.prompt, result_);
        if (result_.stopped && !draft_.path().empty()) abandoned_ = true;
    }

    void joined(const std::string& source)
    {
        ++result_.joined;
        std::string line = logLine(source);
        if (result_.listsSources) result_.usedLines.push_back(std::move(line));
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

    // Fades over the joined data (behind the head silence written), then the
    // tail silence; false when either fails.
    bool finish()
    {
        const BatchTimes t = times_();
        std::string err;
        if (t.fadeInSeconds > 0 || t.fadeOutSeconds >= 1)
            FadeInOut(draft_.path(), err, t.fadeInSeconds, t.fadeOutSeconds, head_.first, head_.second);
        if (err.empty() && t.tailSeconds + t.tailTenths > 0)
            AddTailSilence(draft_.path(), t.tailSeconds, t.tailTenths, err);
        if (!err.empty()) {
            ++result_.failed;
            hooks_.prompt.MKInfoTM(NamedAsOutput(wording_.failed + err + "\n" + lastSource_, draft_, naming_->first));
            return false;
        }
        StampNow(draft_.path());
        return true;
    }

    // The finished join takes its name. Its log line is read while it is
    // still only ours, so that it describes what this run wrote.
    void publish()
    {
        std::string err;
        GetWavInfo(draft_.path(), err);
        const WavInfoRecord info = WavInfo;
        std::optional<std::string> output = PublishDraft(draft_, *naming_);
        if (!output && ownNameTaken()) {
            if (!replaceAgreed()) return unpublished(false);
            if (draft_.replace(naming_->first)) output = naming_->first;
        }
        if (!output) return unpublished(true);
        result_.output = *output;
        result_.lastFolder = YenCut(fs::path(*output).parent_path().string());
        if (err.empty()) return hooks_.log(BatchLogLine(info, *output));
        ++result_.failed;
        if (hooks_.prompt.MKError(ConvertTexts::ReReadFailed + err + "\n" + *output) == PromptAnswer::Abort)
            result_.stopped = true;
        hooks_.log(*output);
    }

    // Nothing of the join is kept, and nothing counts as joined.
    void dropJoin()
    {
        draft_.discard();
        result_.usedLines.clear();
        result_.joined = 0;
    }

    void unpublished(bool tell)
    {
        ++result_.failed;
        dropJoin();
        if (tell)
            hooks_.prompt.MKInfoTM(wording_.failed + HeadTexts("K").createFailed(naming_->first) + "\n" +
                                   lastSource_);
    }

    bool ownNameTaken() const
    {
        return !wording_.askReplace.empty() && !naming_->numbered && NameTaken(naming_->first);
    }

    // An output whose own name was taken while it was built, with no other
    // name to go to: replaced only when the user says so now.
    bool replaceAgreed()
    {
        return hooks_.prompt.MKAsk(naming_->first + "\n" + wording_.askReplace) == PromptAnswer::Yes;
    }

    const std::vector<std::string>& sources_;
    const BatchTimesSource& times_;
    const JoinWording& wording_;
    const RunHooks& hooks_;
    const NameJoinOutput& name_;
    JoinResult& result_;
    std::vector<std::string> refusals_;  // why each source cannot be joined; empty when it can
    int64_t total_ = 0;
    bool passEnded_ = false;
    bool abandoned_ = false;  // an Abort answer to a failure ended the join
    std::string lastSource_;
    std::optional<OutputNaming> naming_;
    OutputDraft draft_;
    std::pair<int, int> head_{0, 0};  // the head silence written: seconds and tenths
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

void JoinFiles(const std::vector<std::string>& sources, const BatchTimesSource& times, const JoinWording& wording,
               const RunHooks& hooks, const NameJoinOutput& name, JoinResult& result)
{
    JoinRun(sources, times, wording, hooks, name, result).run();
}
