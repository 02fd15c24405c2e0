#pragma once
// The program's help: one HTML page, "VANTRO" + "help.html" in the program
// folder, written from the text built into the program and opened in the
// browser at its table of contents or its keyword index.
#include <QByteArray>
#include <QString>

enum class HelpTopic { Contents, Index };

QString HelpPagePath();
// The page's HTML.
QByteArray HelpPageText();
// Writes the page unless the program folder already holds this very text.
// False when it cannot be written.
bool WriteHelpPage();
// The page's URL at the topic's anchor.
QString HelpUrl(HelpTopic topic);
