#pragma once
// Starting the desktop's own viewer (its opener, "xdg-open" on free
// desktops) for a file or a URL, without waiting for the viewer.
#include <QUrl>

#include <functional>

// Asks the desktop to open `target`. False when that failed at once: there
// is no opener, it cannot be started, or it soon reports that no viewer
// could be started. An opener that is still running after that short wait
// has most likely started a viewer; should it still report a failure while
// the program runs, `lateFailure` is called then.
bool OpenWithDesktop(const QUrl& target, const std::function<void()>& lateFailure);
