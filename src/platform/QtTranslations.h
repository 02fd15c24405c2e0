#pragma once
// Qt's own texts (the standard buttons, the file and folder dialogs) in
// Japanese, as the rest of the program speaks.
class QCoreApplication;
class QTranslator;

// Loads Qt's Japanese translations from Qt's translations folder and
// installs them in the application, which owns them. Null when none is
// installed; Qt's texts then stay in English.
QTranslator* LoadQtTranslations(QCoreApplication& application);
