#pragma once
// AskSaveName over the save dialog SaveDialog2: the dialog shows the given
// title, the WAV and all-files filters, the proposed name in the proposed
// folder, adds ".wav" to a name without extension and asks before an
// existing file is replaced. A cancelled dialog asks whether to skip the file
// (Abort stops the batch); choosing the source file itself (the same file on
// disk) is refused with a question, and the dialog comes back.
#include <QString>

#include <functional>
#include <optional>

#include "ConvertDriver.h"

class QWidget;
class TMKBoxDlg;

// The bare dialog: the chosen path, or none when cancelled.
using SaveDialogShow =
    std::function<std::optional<QString>(const QString& title, const QString& folder, const QString& name)>;

// SaveDialog2: a QFileDialog over `owner`; the cut's own-name dialog is the
// same dialog under its own name.
SaveDialogShow SaveDialog2(QWidget* owner, const QString& dialogName = QStringLiteral("SaveDialog2"));

// AskSaveName with its questions through `box`, over `dialog`.
AskSaveName SaveNameAsker(TMKBoxDlg& box, SaveDialogShow dialog);
