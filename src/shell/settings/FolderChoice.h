#pragma once
// The six output-folder choice commands and the first-run prompt. Each
// command hands the folder-setting dialog its caption, the value name and the
// current folder, and holds the folder it returns with a trailing separator.
#include <QString>

#include <array>
#include <functional>

#include "SettingsStore.h"
#include "SettingsValues.h"

class TMKBoxDlg;

enum class OutputFolder { Split, Conversion, Join, Separation, Reversal, ListJoin };

struct FolderCommand {
    OutputFolder folder;
    const char* command;    // handler name, e.g. "P_MUON_DIRClick"
    const char* caption;    // appended to the dialog's caption
    const char* valueName;  // settings value, e.g. "MUON_DIR"
    QString SettingsValues::* field;
};

// The commands, split-file folder first, then the five batch folders in the
// order the first-run prompt asks for them.
const std::array<FolderCommand, 6>& FolderCommands();
const FolderCommand& FolderCommandFor(OutputFolder folder);
// The command of a handler name; null when there is none.
const FolderCommand* FolderCommandNamed(const QString& command);

// The folder-setting dialog: standard colours (the BackColor flag), caption,
// value name and current folder without trailing separator (empty when
// unset); returns the folder registered (empty when none).
using FolderChooser = std::function<QString(bool standardColours, const QString& caption, const QString& valueName,
                                            const QString& current)>;

// Runs a folder choice command: the folder returned is held with a trailing
// separator; an empty answer keeps the folder held. Returns the folder held.
QString ChooseFolder(SettingsValues& values, OutputFolder folder, const FolderChooser& chooser);

// The first-run prompt: the notice, then a choice of each unset batch output
// folder in order, each written to the store as soon as it is chosen. No
// further folder is asked for once closing has begun. True when stage B may
// start (closing has not begun).
bool FirstRunPrompt(SettingsValues& values, SettingsStore& store, TMKBoxDlg& box, const FolderChooser& chooser,
                    const std::function<bool()>& closing);
