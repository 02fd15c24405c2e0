#pragma once
// Line handling of message texts, whose lines are separated by "\n".
#include <QString>
#include <QStringList>

// The lines of a message; a "\r" before a "\n" belongs to the line end.
QStringList MKTextLines(const QString& text);

// The message with CR LF line ends: each LF gets a CR before it, unless it
// already has one (so a text that has CR LF already keeps it unchanged).
QString WithCrLf(const QString& text);
