#pragma once
// Pieces the list-join and rename tabs share: the list panel's layout, the
// list's lines as the drivers take them, the file browser's files.
#include <QList>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QWidget;
class RegistrationLists;
class TextListBox;

// Lays out a tab's list panel: the list above, its controls in a row beneath,
// the count label at the row's right end.
void FillLinePanel(QWidget* panel, TextListBox* list, const QList<QWidget*>& controls, QLabel* count);

// Runs a registration that inserts lines into `list` (the registrations'
// frame, RegistrationLists::runRegistration); the list shows the new lines
// together at its end. Nothing while a registration runs.
void RunLineRegistration(RegistrationLists& lists, TextListBox& list, const std::function<bool()>& step,
                         bool fromBrowser);

std::vector<std::string> StdStrings(const QStringList& texts);

// The full paths of the file browser's selected files, or of all its files
// (which selects them all), in list order; nothing while a registration runs.
QStringList BrowserPaths(RegistrationLists& lists, bool all);
