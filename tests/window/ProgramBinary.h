#pragma once
// The program binary that tests start as a real process: VANTRO_APP, else
// where the build puts it beside the tests.
#include <QCoreApplication>
#include <QDir>
#include <QString>

inline QString ProgramBinary()
{
    const QString named = qEnvironmentVariable("VANTRO_APP");
    if (!named.isEmpty()) return named;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../src/app/vantro"));
}
