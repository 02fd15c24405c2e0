#pragma once
// One operation log: the lines a batch or a cut adds while the program runs.
// Show record writes them with a header to the log's file in the work folder
// and opens that file in the desktop's viewer; the lines stay in memory and
// grow with each run until the record is cleared.
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

#include "LogTexts.h"
#include "WavInfo.h"

class TMKBoxDlg;

// Who asks for a record to be shown. The log's own show and clear commands
// and the main window (at shutdown) always open the viewer; any other caller,
// such as a batch or the cut at its end, leaves it closed while the log's
// show-off option is checked.
enum class LogCaller { OwnShow, OwnClear, MainWindow, Other };

// The time stamp of a record's title line.
using LogClock = std::function<std::chrono::system_clock::time_point()>;

// The log line of one processed file, "%5d/%2d/%6s%9s%12.0n %s": sample rate,
// bits, channel text, length text, DataEnd as the size, and the path.
QString FileLogLine(const WavInfoRecord& info, const QString& path);

// A show-off option. It keeps its own state (unchecked at first) until it is
// bound to the owner's, such as a menu check mark or a settings value.
class ShowOffSwitch {
public:
    bool checked() const { return read_ ? read_() : own_; }
    void setChecked(bool checked);
    // Flips the option; returns the new state.
    bool toggle();
    // From now on the state is read and written through these two.
    void bind(std::function<bool()> read, std::function<void(bool)> write);

private:
    bool own_ = false;
    std::function<bool()> read_;
    std::function<void(bool)> write_;
};

// What the logs share: the message box they report through and their clock.
struct LogContext {
    TMKBoxDlg& box;
    LogClock clock;
};

class OperationLog {
public:
    OperationLog(const LogTexts& texts, ShowOffSwitch& showOff, const LogContext& context);
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;

    const LogTexts& texts() const { return texts_; }
    const QStringList& lines() const { return lines_; }
    bool isEmpty() const { return lines_.isEmpty(); }

    void append(const QString& line) { lines_ << line; }
    void appendFileLine(const WavInfoRecord& info, const QString& path) { append(FileLogLine(info, path)); }
    // Empties the record in memory; the file stays.
    void clearLines() { lines_.clear(); }

    // The log's file in the work folder.
    QString filePath() const;
    bool fileExists() const;
    // The menu items: show and clear need lines, show-last-file an empty
    // record and an earlier file.
    bool recordItemsEnabled() const { return !isEmpty(); }
    bool lastFileItemEnabled() const { return isEmpty() && fileExists(); }

    // The file's lines: title and time stamp, count, column header (not in
    // the cut log), dashes, the record's lines, dashes.
    QStringList recordText(std::chrono::system_clock::time_point now) const;

    // Writes the record to its file and opens it in the viewer, unless the
    // show-off option holds it back from this caller. An empty record does
    // nothing. False when the file could not be written (this is reported).
    bool showRecord(LogCaller caller);
    // Asks, then shows the record one last time and empties it. A log without
    // a clear command ignores this.
    void clearRecord();
    // Opens the log's file as it is, from this run or an earlier one.
    void showLastFile();

    ShowOffSwitch& showOff() { return showOff_; }
    bool toggleShowOff() { return showOff_.toggle(); }

private:
    bool save() const;
    void openInViewer(const char* errorText) const;

    const LogTexts& texts_;
    ShowOffSwitch& showOff_;
    const LogContext& context_;
    QStringList lines_;
};
