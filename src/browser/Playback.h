#pragma once
// Sending commands to the media device, opening and playing a file, reading
// a cut file's length and another file's format, the position display and
// what follows when a play ends. Everything runs on the UI thread; each
// command lets pending messages run, so the busy flags of MediaState guard
// the timer and the notification handler against re-entry.
#include <QString>
#include <QTimer>

#include <functional>
#include <string>

#include "MediaState.h"

class MediaDevice;
class SeekBar;
class TMKBoxDlg;

// A time in ms as the faces show it: "m.ss" when minutes are shown, else whole seconds.
QString DisplayTime(int ms, bool minutes);
// a / b rounded to nearest, ties to even (a >= 0, b > 0).
int RoundHalfEven(long long a, long long b);

class Playback {
public:
    Playback(MediaDevice& device, MediaState& state, TMKBoxDlg& box, const bool& minutesShown);
    ~Playback();

    int MciSend(const std::string& command);
    int MciSendNotify(const std::string& command);
    void MciStopClose();
    bool OpenAndPlay();
    bool OpenForLength();
    QString ProbeWavFormat(const QString& path);
    void Timer8Timer();
    void MciNotify(int code);
    void Button2Click();
    void ColorBtn1Click();

    // The seek bar whose width scales positions; none: one ms per pixel.
    void setSeekBar(SeekBar* bar);

    QTimer Timer8;
    // Run by MciNotify after a play ended with code 1, with NotifyBusy still
    // set: the file face plays its list's next file (when its play mode asks
    // for it), the cut face continues by its play mode. Each clears NotifyBusy
    // before it starts a play.
    std::function<void(int code)> fileFaceContinuation;
    std::function<void(int code)> cutFaceContinuation;
    // A position was chosen on the seek bar: play the current list from there.
    std::function<void()> seekPlay;
    // The texts and the bar of MediaState changed: show them (and repaint).
    std::function<void()> displayChanged;

private:
    int sendBuffer(const std::string& command, const char* suffix);
    bool openForMilliseconds();
    bool takeReply(int& value) const;
    int showError(const QString& lead, const QString& reason);
    QString readFormat(const std::string& alias);
    void readFileFacts();
    void normaliseRange();
    void showPosition(int ms);
    void refresh();
    void onSeek(int pixel);

    MediaDevice& device_;
    MediaState& state_;
    TMKBoxDlg& box_;
    const bool& minutesShown_;
    SeekBar* bar_ = nullptr;
};
