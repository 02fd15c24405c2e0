#pragma once
// Writing the settings at shutdown: the state of the controls that hold
// values is taken into SettingsValues, then every value is written in a fixed
// order. Nothing is written unless stage B completed.
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

#include "SettingsStore.h"
#include "SettingsValues.h"

// What the window's controls hold at shutdown.
struct ShutdownControls {
    QPoint windowPosition;   // FP
    QSize windowSize;        // FS
    QString splitterSizes;   // FSPLIT
    QString browserFolder;   // CPath: the browser's current folder
    // Captions of the selected rows; none when no row is selected.
    std::optional<QString> M_Text;  // the cut-file entry
    std::optional<QString> G_Text;
    std::optional<QString> K_Text;
    std::optional<QString> LR_Text;
    std::optional<QString> REV_Text;
    std::optional<QString> DIR_Text;  // the file list
    QString ML8_G;   // text of Edit_ML8_G
    QString ML16_G;  // text of Edit_ML16_G
    int Combo_KL = -1;  // item indexes, -1 when none
    int KL_Index = -1;
    int IR_Index = -1;
    int activeTab = -1;  // index of the active batch tab sheet, -1 when none
};

// The values the shutdown writes, in the order it writes them.
const QStringList& SaveValueNames();

// Takes the controls' state into the values. A level text that is not
// decimal keeps the level in use.
void TakeShutdownControls(SettingsValues& values, const ShutdownControls& controls);

// Writes every value of SaveValueNames(), in order.
void SaveSettings(SettingsStore& store, const SettingsValues& values);

// The save of the close request: when stage B completed, takes the controls
// and writes every value; otherwise leaves both untouched. True when written.
bool SaveSettingsAtShutdown(SettingsStore& store, SettingsValues& values, const ShutdownControls& controls,
                            bool stageBCompleted);
