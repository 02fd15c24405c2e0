#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* LoadQtTranslations(QCoreApplication& application)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    auto* translator = new QTranslator(&application);
    // "qt" gathers the translations of every Qt module; "qtbase" alone holds
    // the buttons and dialogs, should the gathering file be missing.
    for (const char* name : {"qt", "qtbase"}) {
        if (translator->load(japanese, QString::fromLatin1(name), QStringLiteral("_"), folder)
            && QCoreApplication::installTranslator(translator))
            return translator;
    }
    delete translator;
    return nullptr;
}
