#pragma once
// Desktop services: opening a file in the desktop's viewer, opening help, the
// clipboard, starting another of the desktop's programs. The program uses one
// Desktop (desktop()): the session's desktop, which shows a local file in the
// program's own read-only viewer when the desktop has no viewer to start.
// Tests put a RecordingDesktop in its place, which records instead of opening.
#include <QString>
#include <QStringList>

#include <memory>

class Desktop {
public:
    virtual ~Desktop() = default;
    // Shows a file in a viewer; false when it cannot be shown.
    virtual bool openFile(const QString& path) = 0;
    // Opens a URL (help pages) in the browser, a local page as a file;
    // false when it cannot be shown.
    virtual bool openUrl(const QString& url) = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // The text on the clipboard; empty when it holds none.
    virtual QString clipboardText() const = 0;
    // Starts a program on its own, without waiting for it; it stays open
    // when this program ends. False when it cannot be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

Desktop& desktop();
// Replaces the program's desktop (tests); returns the previous one. An empty
// replacement brings the session's desktop back.
std::unique_ptr<Desktop> replaceDesktop(std::unique_ptr<Desktop> replacement);
