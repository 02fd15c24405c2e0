#pragma once
// The one QApplication of the platform tests, whichever test makes it first:
// the viewer and the clipboard need widgets, the media device only an event loop.
#include <QApplication>

// Made on first use and never destroyed: a static one would outlive Qt's own
// statics at exit.
inline QApplication& PlatformTestApplication()
{
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return *running;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    return *new QApplication(argc, argv);
}
