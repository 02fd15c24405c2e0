#pragma once
// Desktop services: opening a file in the desktop's viewer, opening help, the
// clipboard. The program uses one Desktop (desktop()); tests put a
// RecordingDesktop in its place, which records instead of opening.
#include <QString>
#include <QStringList>

#include <memory>

class Desktop {
public:
    virtual ~Desktop() = default;
    // Opens a file in the desktop's default viewer; false when that failed.
    virtual bool openFile(const QString& path) = 0;
    // Opens a URL (help pages) in the browser; false when that failed.
    virtual bool openUrl(const QString& url) = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

Desktop& desktop();
// Replaces the program's desktop (tests); returns the previous one.
std::unique_ptr<Desktop> replaceDesktop(std::unique_ptr<Desktop> replacement);
