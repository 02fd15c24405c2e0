#pragma once
// The link between a value name and the field of SettingsValues that holds
// it, and the text form each field is stored in: flags "0"/"1" (on when the
// number is not 0), numbers as signed decimal, texts and folders as they are,
// FP as "Left,Top", FS as "Width,Height".
#include <QString>

#include "SettingsValues.h"

// True when the name is one of the values SettingsValues holds.
bool IsSettingsValueName(const QString& name);

// The stored text of a value; empty for a name that is not held.
QString SettingsValueText(const SettingsValues& values, const QString& name);

// Takes a value from its stored text. A text that is empty, or not in the
// value's form (a number that is not decimal, an FP without two numbers),
// gives the value's default. A name that is not held changes nothing.
void TakeSettingsValueText(SettingsValues& values, const QString& name, const QString& text);
