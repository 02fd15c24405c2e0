#include "Playback.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <chrono>
#include <filesystem>

#include "FileListing.h"
#include "MediaDevice.h"
#include "Mkdlg.h"
#include "PlaybackTexts.h"
#include "SeekBar.h"
#include "TextFormats.h"

namespace {

constexpr int Timer8Interval = 1000;
constexpr int AbortAnswer = 3;

void LetMessagesRun() { QCoreApplication::processEvents(); }

std::string OpenCommand(const QString& path, const char* alias)
{
    return "Open \"" + path.toStdString() + "\" alias " + alias + " wait";
}

}  // namespace

QString DisplayTime(int ms, bool minutes)
{
    if (!minutes) return QString::number(ms / 1000);
    return QString::number(ms / 60000) + "." + QString::number((ms % 60000) / 1000).rightJustified(2, '0');
}

int RoundHalfEven(long long a, long long b)
{
    long long q = a / b;
    const long long twice = 2 * (a % b);
    if (twice > b || (twice == b && (q & 1))) ++q;
    return static_cast<int>(q);
}

Playback::Playback(MediaDevice& device, MediaState& state, TMKBoxDlg& box, const bool& minutesShown)
    : device_(device), state_(state), box_(box), minutesShown_(minutesShown)
{
    Timer8.setInterval(Timer8Interval);
    QObject::connect(&Timer8, &QTimer::timeout, [this] { Timer8Timer(); });
    device_.setNotifier([this](int code) { MciNotify(code); });
}

Playback::~Playback() { device_.setNotifier({}); }

void Playback::setSeekBar(SeekBar* bar)
{
    bar_ = bar;
    if (bar_) bar_->onSeek = [this](int pixel) { onSeek(pixel); };
}

int Playback::sendBuffer(const std::string& command, const char* suffix)
{
    if (state_.ClosingFlag) return -1;
    if (!command.empty()) state_.CommandBuf = command + suffix;
    const int code = device_.send(state_.CommandBuf, state_.ReplyBuf);
    LetMessagesRun();
    return code;
}

int Playback::MciSend(const std::string& command) { return sendBuffer(command, " wait"); }

int Playback::MciSendNotify(const std::string& command) { return sendBuffer(command, " notify"); }

void Playback::MciStopClose()
{
    Timer8.stop();
    for (const char* command : {"stop talvoMID wait", "close talvoMID wait"}) {
        LetMessagesRun();
        std::string ignored;
        device_.send(command, ignored);
        LetMessagesRun();
    }
}

// The reply as a decimal number; false (value untouched) when it is empty or not a number.
bool Playback::takeReply(int& value) const
{
    bool ok = false;
    const int number = QString::fromStdString(state_.ReplyBuf).trimmed().toInt(&ok);
    if (ok) value = number;
    return ok;
}

int Playback::showError(const QString& lead, const QString& reason)
{
    state_.MsgShowing = true;
    const int answer = MKError(box_, lead + state_.PlayFile + "\n" + reason, 1);
    if (answer == AbortAnswer) state_.AbortFlag = true;
    refresh();
    state_.MsgShowing = false;
    return answer;
}

// Rate, bits and channels of the device under `alias`, as "44100 / 16 / stereo";
// shorter when a query fails.
QString Playback::readFormat(const std::string& alias)
{
    if (MciSend("status " + alias + " samplespersec") != 0) return {};
    takeReply(state_.SampleRate);
    QString text = QString::fromStdString(state_.ReplyBuf).trimmed() + " / ";
    if (MciSend("status " + alias + " bitspersample") == 0) {
        takeReply(state_.SampleBits);
        text += QString::fromStdString(state_.ReplyBuf).trimmed() + " / ";
    }
    if (MciSend("status " + alias + " channels") == 0) {
        takeReply(state_.ChannelCount);
        text += QString::fromStdString(state_.ReplyBuf).trimmed() == "1" ? "mono" : "stereo";
    }
    return text;
}

void Playback::readFileFacts()
{
    state_.InfoSize = state_.InfoDate = state_.InfoAttr = QString();
    const QFileInfo info(state_.PlayFile);
    if (!info.exists()) return;
    state_.InfoSize = QString::fromStdString(FormatN(info.size(), 8));
    const auto time = std::chrono::system_clock::time_point(
        std::chrono::milliseconds(info.lastModified().toMSecsSinceEpoch()));
    state_.InfoDate = QString::fromStdString(DateTimeWeekText(time));
    state_.InfoAttr = AttributeText(info.fileName().toStdString(), info.isWritable(), info.isFile());
}

void Playback::normaliseRange()
{
    int& from = state_.PlayFrom;
    int& to = state_.PlayTo;
    const int length = state_.PlayLength;
    if (from < 0) from = 0;
    if (to > length) to = length;
    if (from == to && to + 1 <= length) ++to;
    if (to < 0) to = length;
    if (from > length) from = length;
}

void Playback::showPosition(int ms)
{
    state_.PlayPos = ms;
    state_.PlayTimeText = ms < 1 ? QStringLiteral("0") : DisplayTime(ms, minutesShown_);
    state_.BarFillWidth = ms < 1 ? 0 : RoundHalfEven(ms, state_.BarMsPerPixel);
    if (bar_) bar_->setFillWidth(state_.BarFillWidth);
}

void Playback::refresh()
{
    if (displayChanged) displayChanged();
}

// Opens PlayFile under "talvoMID" with milliseconds as the time format;
// false (device closed again) when the open failed or a stop came meanwhile.
bool Playback::openForMilliseconds()
{
    state_.CommandBuf = OpenCommand(state_.PlayFile, "talvoMID");
    if (MciSend({}) != 0) {
        MciStopClose();
        showError(PlayErrorLead, OpenFailedText);
        return false;
    }
    if (state_.AbortFlag || state_.ClosingFlag) {
        MciStopClose();
        return false;
    }
    MciSend("set talvoMID time format ms");
    return true;
}

bool Playback::OpenAndPlay()
{
    MciStopClose();
    if (state_.AbortFlag || state_.ClosingFlag) return false;
    if (!openForMilliseconds()) return false;
    state_.PlayLength = 0;
    if (MciSend("status TalvoMID length") == 0) takeReply(state_.PlayLength);
    if (state_.PlayLength <= 0) {
        MciStopClose();
        return false;
    }

    const QString format = readFormat("talvoMID");
    readFileFacts();
    const QString gap(10, ' ');
    state_.FileDispText = state_.PlayFile + gap + format + gap + state_.InfoSize + "  " + state_.InfoDate + "  " +
                          state_.InfoAttr;
    state_.TotalTimeText = DisplayTime(state_.PlayLength, minutesShown_);

    // A bar of no width (not shown yet) keeps one ms per pixel.
    const int width = bar_ ? bar_->width() : 0;
    state_.BarMsPerPixel = width > 0 && width <= state_.PlayLength ? RoundHalfEven(state_.PlayLength, width) : 1;
    if (state_.SeekPending) {
        state_.PlayFrom = state_.SeekPixel * state_.BarMsPerPixel;
        state_.SeekPending = false;
    }
    showPosition(0);
    MciSend("set talvoMID time format ms");
    normaliseRange();
    showPosition(state_.PlayFrom);
    refresh();

    std::string play = "play talvoMID";
    if (state_.PlayFrom >= 0) play += " from " + std::to_string(state_.PlayFrom);
    if (state_.PlayTo >= 0) play += " to " + std::to_string(state_.PlayTo);
    if (MciSendNotify(play) != 0) {
        MciStopClose();
        showError(PlayErrorLead, PlayStartFailedText);
        return false;
    }
    if (!state_.AbortFlag && !state_.ClosingFlag) Timer8.start();
    return true;
}

bool Playback::OpenForLength()
{
    MciStopClose();
    if (state_.ClosingFlag) return false;
    if (!openForMilliseconds()) return false;
    state_.CutLength = -1;
    if (MciSend("status TalvoMID length") == 0) takeReply(state_.CutLength);
    MciStopClose();
    if (state_.CutLength == -1) {
        showError(LengthErrorLead, LengthFailedText);
        return false;
    }
    return true;
}

QString Playback::ProbeWavFormat(const QString& path)
{
    QString text;
    state_.CommandBuf = OpenCommand(path, "talvo");
    if (MciSend({}) == 0 && !state_.AbortFlag && !state_.ClosingFlag) text = readFormat("talvo");
    MciSend("close talvo");
    return text;
}

void Playback::Timer8Timer()
{
    if (state_.TimerBusy) return;
    state_.TimerBusy = true;
    LetMessagesRun();
    int position = state_.PlayPos;
    if (MciSend("status talvoMID position") == 0 && takeReply(position)) {
        state_.PlayPos = position;
        if (position != 0) {
            showPosition(position);
            refresh();
        }
    }
    state_.TimerBusy = false;
}

void Playback::MciNotify(int code)
{
    if (state_.NotifyBusy) {
        if (code != NotifyAborted) MciStopClose();
        return;
    }
    state_.NotifyBusy = true;
    LetMessagesRun();
    if (code == NotifyAborted) {
        state_.NotifyBusy = false;
        return;
    }
    MciStopClose();
    LetMessagesRun();
    if (code != NotifySuccessful) {
        state_.NotifyBusy = false;
        return;
    }
    // The continuation runs with NotifyBusy held, so that a completion
    // arriving meanwhile only stops the device; it releases the flag itself
    // before it starts the next play, and on every other way out.
    const auto& next = state_.FileFaceVisible ? fileFaceContinuation : cutFaceContinuation;
    if (next) next(code);
    state_.NotifyBusy = false;
}

void Playback::Button2Click()
{
    state_.AbortFlag = true;
    MciStopClose();
}

void Playback::ColorBtn1Click() { Button2Click(); }

void Playback::onSeek(int pixel)
{
    state_.SeekPending = true;
    state_.SeekPixel = pixel;
    if (seekPlay) seekPlay();
}
