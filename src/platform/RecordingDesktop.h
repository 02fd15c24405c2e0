#pragma once
// A Desktop for tests: it opens nothing and records every call, in order, with
// its argument. Opens succeed unless it is told to fail them.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "Desktop.h"

enum class DesktopCallKind { OpenFile, OpenUrl, SetClipboardText };

struct DesktopCall {
    DesktopCallKind kind;
    QString argument;

    bool operator==(const DesktopCall&) const = default;
};

class RecordingDesktop final : public Desktop {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QString& url) override;
    void setClipboardText(const QString& text) override;

    // While set, openFile and openUrl are recorded and return false.
    void setFailOpens(bool fail) { failOpens_ = fail; }

    const std::vector<DesktopCall>& calls() const { return calls_; }
    // The paths given to openFile, in order.
    QStringList openedFiles() const;
    // The text last put on the clipboard.
    QString clipboardText() const override { return clipboard_; }

private:
    bool open(DesktopCallKind kind, const QString& argument);

    std::vector<DesktopCall> calls_;
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
