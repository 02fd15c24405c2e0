#include "OpenedFiles.h"

#include <QFileInfo>

OpenedFiles ReadOpenedFiles(const QStringList& parameters)
{
    OpenedFiles files;
    for (const QString& parameter : parameters)
        if (parameter.startsWith(QLatin1Char('>'))) return files;
    for (const QString& parameter : parameters) {
        const QFileInfo file(parameter);
        if (file.isFile() && file.suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0)
            files.wavs.append(file.absoluteFilePath());
        else
            files.leftOut.append(parameter);
    }
    return files;
}

QStringList HandedParameters(const QString& text) { return text.split(QLatin1Char('?'), Qt::SkipEmptyParts); }
