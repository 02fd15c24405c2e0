#include "CutRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

#include "BusyCursor.h"
#include "ConvertTexts.h"
#include "CutFaceContext.h"
#include "CutLogLine.h"
#include "CutPlan.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "Mkdlg.h"
#include "OperationLogs.h"
#include "PartNames.h"
#include "Playback.h"
#include "PlaybackTexts.h"
#include "SettingsFolders.h"
#include "SettingsValues.h"
#include "TimeListBox.h"
#include "WavFile.h"

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

void LetMessagesRun() { QCoreApplication::processEvents(); }

std::vector<std::string> Entries(const TTimeListBox& list)
{
    std::vector<std::string> entries;
    for (const QString& entry : list.entries()) entries.push_back(entry.toStdString());
    return entries;
}

std::vector<bool> Selection(const TTimeListBox& list)
{
    std::vector<bool> selected(static_cast<size_t>(list.count()), false);
    for (const int row : list.selectedRows()) selected[static_cast<size_t>(row)] = true;
    return selected;
}

// Clears a flag when the command ends, whichever way it ends.
struct RunningFlag {
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    bool& flag_;
};

}  // namespace

CutRun::CutRun(CutFaceContext& context, QObject* parent) : QObject(parent), context_(context) {}

// The reasons a cut does not start; each is reported.
bool CutRun::refused(CutScope scope, int colour)
{
    const QString cutFile = Text(context_.work.CutFile);
    const char* reason = nullptr;
    if (!QFileInfo::exists(cutFile))
        reason = CutTexts::CutFileGoneText;
    else if (context_.settings.Start_TM && scope == CutScope::StartTimes && colour == 0 &&
             context_.PopupList == context_.ListBox_C && !context_.work.registered.hasStartTimes())
        reason = CutTexts::NoStartTimesText;
    else if (!context_.PopupList || context_.PopupList->count() == 0)
        reason = CutTexts::NoRegisteredTimesText;
    if (!reason) return false;
    MKInfoTM(context_.box, cutFile + "\n" + Text(reason), MKAnswer::OK);
    return true;
}

void CutRun::WAV_CUTClick(CutScope scope, int colour)
{
    if (running_) return;
    RunningFlag running(running_);
    {
        BusyCursor busy;
        LetMessagesRun();
        if (refused(scope, colour)) return;
        TTimeListBox& list = *context_.PopupList;
        if (scope == CutScope::All) list.selectAllEntries();
        const SettingsValues& settings = context_.settings;
        SaveDir_ = SplitFilesFolder(settings.SAVE_DIR).toStdString();
        NamePrefix_ = NamePrefix(SaveDir_, context_.work.SaveBase, settings.AUTO_NAME, clock());
        context_.media.PlayFile = Text(context_.work.CutFile);
        context_.media.AbortFlag = false;
        cutParts(plan(list, scope, colour));
    }
    MKInfoTM(context_.box, Text(CutTexts::CutDoneText), MKAnswer::OK);
    context_.logs.cut().showRecord(LogCaller::Other);
}

// The parts of the list's entries as they stand now: the list may change
// while pending messages run between the parts.
std::vector<::CutPart> CutRun::plan(const TTimeListBox& list, CutScope scope, int colour) const
{
    const std::vector<std::string> entries = Entries(list);
    const CutWorkState& work = context_.work;
    CutRequest request;
    request.list = list.kind();
    request.entries = &entries;
    request.selected = Selection(list);
    request.CutFilter = scope == CutScope::StartTimes ? CutFilterOf(colour) : std::string();
    request.startTimesEnabled = context_.settings.Start_TM;
    request.StartList = &work.registered.StartList();
    request.CategoryNames = &work.CategoryNames;
    return PlanCut(request);
}

// Each part in turn until the stop button or an Abort answer stops the cut.
void CutRun::cutParts(const std::vector<::CutPart>& parts)
{
    MediaState& media = context_.media;
    for (const ::CutPart& part : parts) {
        if (media.AbortFlag) break;
        CutFrom_ = part.CutFrom;
        CutTo_ = part.CutTo;
        if (!CutPart(part.category) && !media.AbortFlag)
            showError(media.PlayFile + "\n" + Text(CutTexts::SelectedTimeText) + QString::number(CutFrom_) + "\n" +
                      Text(CutTexts::CutFailedText));
        LetMessagesRun();
    }
    if (media.AbortFlag) MKInfoTM(context_.box, Text(CutTexts::CutStoppedText), MKAnswer::OK);
}

bool CutRun::CutPart(const std::string& categoryName)
{
    MediaState& media = context_.media;
    Playback& playback = context_.playback;
    playback.MciStopClose();
    if (media.AbortFlag || media.ClosingFlag) return false;
    if (!openSource()) return false;
    if (media.AbortFlag || media.ClosingFlag) {
        playback.MciStopClose();
        return false;
    }
    if (!readLength()) return false;

    const CutWorkState& work = context_.work;
    std::string path = PartName(SaveDir_, NamePrefix_, CutFrom_, work.format, categoryName, work.SaveExt);
    int errors = deleteOutside();
    std::optional<OutputNaming> naming;
    if (errors == 0) {
        // An own name may replace a file (the dialog asked); an automatic
        // name never does.
        const std::optional<std::string> own = context_.settings.SAVE_NAME ? askOwnName(path) : std::nullopt;
        if (!context_.settings.SAVE_NAME)
            naming = PartNaming(path);
        else if (own && !own->empty())
            naming = ChosenNaming(*own, "_m");
    }
    if (errors == 0 && naming) {
        BusyCursor busy;
        LetMessagesRun();
        if (!savePart(*naming, path)) ++errors;
    }
    LetMessagesRun();
    playback.MciStopClose();
    LetMessagesRun();
    if (errors == 0) return true;
    showError(Text(path) + "\n" + Text(CutTexts::CutFailedText));
    return false;
}

bool CutRun::openSource()
{
    MediaState& media = context_.media;
    media.CommandBuf = "Open \"" + media.PlayFile.toStdString() + "\" alias talvoMID wait";
    if (context_.playback.MciSend(std::string()) == 0) return true;
    context_.playback.MciStopClose();
    media.MsgShowing = true;
    LetMessagesRun();
    showError(Text(CutTexts::CutOpenErrorText) + media.PlayFile + "\n" + Text(OpenFailedText));
    media.MsgShowing = false;
    return false;
}

bool CutRun::readLength()
{
    MediaState& media = context_.media;
    Playback& playback = context_.playback;
    playback.MciSend("set talvoMID time format ms");
    media.PlayLength = -1;
    if (playback.MciSend("status TalvoMID length") == 0) takeReply(media.PlayLength);
    if (media.PlayLength != -1) return true;
    playback.MciStopClose();
    media.MsgShowing = true;
    showError(Text(CutTexts::CutSizeErrorText) + media.PlayFile + "\n" + Text(LengthFailedText));
    media.MsgShowing = false;
    return false;
}

// Leaves [CutFrom, CutTo) of the opened source; returns the number of
// deletions that failed.
int CutRun::deleteOutside()
{
    Playback& playback = context_.playback;
    int errors = 0;
    if (CutTo_ > context_.media.PlayLength) CutTo_ = context_.media.PlayLength;
    if (CutFrom_ > 0) {
        if (playback.MciSend("delete TalvoMID to " + std::to_string(CutFrom_ - 1)) == 0)
            CutTo_ -= CutFrom_;  // positions now count from the part's start
        else
            ++errors;
        LetMessagesRun();
    }
    if (CutTo_ > 0) {
        if (playback.MciSend("delete TalvoMID from " + std::to_string(CutTo_)) != 0) ++errors;
        LetMessagesRun();
    }
    return errors;
}

// SaveDialog1 until it names a file other than the source; empty when the
// user skips the part (or stops the cut).
std::optional<std::string> CutRun::askOwnName(const std::string& proposed)
{
    const QFileInfo part(Text(proposed));
    for (;;) {
        const std::optional<QString> chosen =
            SaveDialog1 ? SaveDialog1(Text(CutTexts::SaveDialogTitle), part.absolutePath(), part.fileName())
                        : std::nullopt;
        if (!chosen) {
            showError(Text(proposed) + "\n" + Text(ConvertTexts::SkipWithoutSaving));
            return std::string();
        }
        if (!SameFile(chosen->toStdString(), context_.work.CutFile)) return chosen->toStdString();
        showError(*chosen + "\n" + Text(ConvertTexts::NotOntoSource));
        if (context_.media.AbortFlag) return std::string();
    }
}

// Saves what is left of the source under a temporary name, gives the whole
// part the first free name of its naming (`path` then holds it) and logs it.
bool CutRun::savePart(const OutputNaming& naming, std::string& path)
{
    MediaState& media = context_.media;
    Playback& playback = context_.playback;
    path = naming.first;
    if (context_.settings.SAVE_DIR == SplitFolderUnset()) QDir().mkpath(Text(SaveDir_));
    OutputDraft draft;
    if (!BeginDraft(draft, naming)) return false;
    if (playback.MciSend("save TalvoMID \"" + draft.path() + "\"") != 0) return false;
    const std::optional<std::string> published = PublishDraft(draft, naming);
    if (!published) return false;
    path = *published;
    media.PlayLength = -1;
    LetMessagesRun();
    if (playback.MciSend("status TalvoMID length") == 0) takeReply(media.PlayLength);
    const std::string length = CutLengthText(media.PlayLength, context_.settings.FUN);
    context_.logs.cut().append(Text(CutLogLine(path, length, clock())));
    return true;
}

// An error box; Abort stops the cut.
int CutRun::showError(const QString& text)
{
    const int answer = MKError(context_.box, text, MKAnswer::OK);
    if (answer == MKAnswer::Abort) context_.media.AbortFlag = true;
    return answer;
}

bool CutRun::takeReply(int& value) const
{
    bool ok = false;
    const int number = QString::fromStdString(context_.media.ReplyBuf).trimmed().toInt(&ok);
    if (ok) value = number;
    return ok;
}
