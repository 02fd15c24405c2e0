#include "RegistrationListId.h"

#include "Folders.h"

QString RegistrationListPath(RegList list, const QString& programWord)
{
    QString suffix;
    switch (list) {
    case RegList::M: suffix = QStringLiteral("MM.VEW"); break;
    case RegList::G: suffix = QStringLiteral("MG.VEW"); break;
    case RegList::K: suffix = QStringLiteral("MK.VEW"); break;
    case RegList::LR: suffix = QStringLiteral("ML.VEW"); break;
    case RegList::REV: suffix = QStringLiteral("MR.VEW"); break;
    }
    return QString::fromStdString(ProgramFolder()) + programWord + suffix;
}
