#pragma once
// A Desktop for tests: it opens nothing and records every call, in order, with
// its argument. Opens succeed unless it is told to fail them.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "Desktop.h"

enum class DesktopCallKind { OpenFile, OpenUrl, SetClipboardText, StartProgram };

struct DesktopCall {
    DesktopCallKind kind;
    QString argument;  // the path, URL, text or program

    bool operator==(const DesktopCall&) const = default;
};

class RecordingDesktop final : public Desktop {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QString& url) override;
    void setClipboardText(const QString& text) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;

    // While set, openFile, openUrl and startProgram are recorded and return
    // false.
    void setFailOpens(bool fail) { failOpens_ = fail; }

    const std::vector<DesktopCall>& calls() const { return calls_; }
    // The paths given to openFile, in order.
    QStringList openedFiles() const;
    // Each program given to startProgram followed by its arguments, in order.
    const std::vector<QStringList>& startedPrograms() const { return started_; }
    // The text last put on the clipboard.
    QString clipboardText() const override { return clipboard_; }

private:
    bool open(DesktopCallKind kind, const QString& argument);

    std::vector<DesktopCall> calls_;
    std::vector<QStringList> started_;
    QString clipboard_;
    bool failOpens_ = false;
};

// Puts a RecordingDesktop in place of the program's desktop for its lifetime
// and puts the previous one back afterwards.
class ScopedRecordingDesktop {
public:
    ScopedRecordingDesktop();
    ~ScopedRecordingDesktop();
    ScopedRecordingDesktop(const ScopedRecordingDesktop&) = delete;
    ScopedRecordingDesktop& operator=(const ScopedRecordingDesktop&) = delete;

    RecordingDesktop& recorder() { return *recorder_; }
    RecordingDesktop* operator->() { return recorder_; }

private:
    RecordingDesktop* recorder_;  // owned by the program's desktop slot
    std::unique_ptr<Desktop> previous_;
};
