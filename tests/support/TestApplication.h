#pragma once
// The one QApplication of a test program, whichever test makes it first,
// on the offscreen platform unless another is asked for.
#include <QApplication>

// Made on first use and never destroyed: a static one would outlive Qt's own
// statics at exit.
inline QApplication& TestApplication()
{
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return *running;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantro_test";
    static char* argv[] = {name, nullptr};
    return *new QApplication(argc, argv);
}
