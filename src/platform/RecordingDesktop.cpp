#include "RecordingDesktop.h"

bool RecordingDesktop::openFile(const QString& path) { return open(DesktopCallKind::OpenFile, path); }

bool RecordingDesktop::openUrl(const QString& url) { return open(DesktopCallKind::OpenUrl, url); }

void RecordingDesktop::setClipboardText(const QString& text)
{
    calls_.push_back({DesktopCallKind::SetClipboardText, text});
    clipboard_ = text;
}

bool RecordingDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    started_.push_back(QStringList{program} + arguments);
    return open(DesktopCallKind::StartProgram, program);
}

QStringList RecordingDesktop::openedFiles() const
{
    QStringList paths;
    for (const DesktopCall& call : calls_)
        if (call.kind == DesktopCallKind::OpenFile) paths << call.argument;
    return paths;
}

bool RecordingDesktop::open(DesktopCallKind kind, const QString& argument)
{
    calls_.push_back({kind, argument});
    return !failOpens_;
}

ScopedRecordingDesktop::ScopedRecordingDesktop()
{
    auto recorder = std::make_unique<RecordingDesktop>();
    recorder_ = recorder.get();
    previous_ = replaceDesktop(std::move(recorder));
}

ScopedRecordingDesktop::~ScopedRecordingDesktop() { replaceDesktop(std::move(previous_)); }
