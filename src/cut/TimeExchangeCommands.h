#pragma once
// The registered times' exchange on the cut menu: cut times proposed at the
// pauses of the cut file (P_MUON_TOROKU, through the pause box), and times
// read from or written to label files, cue sheets and plain lists
// (P_TIME_READ, P_TIME_WRITE).
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "PauseBox.h"

class RegisteredTimeCommands;
class QWidget;
struct CutFaceContext;

class TimeExchangeCommands : public QObject {
public:
    TimeExchangeCommands(CutFaceContext& context, RegisteredTimeCommands& registered, QWidget* owner);

    void P_MUON_TOROKUClick();
    void P_TIME_READClick();
    void P_TIME_WRITEClick();

    // The file dialogs: the chosen path, none when cancelled. The write
    // dialog asks before it names an existing file.
    using ChooseFile = std::function<std::optional<QString>(const QString& proposed)>;
    ChooseFile chooseReadFile;
    ChooseFile chooseWriteFile;

private:
    bool cutFileChosen();
    void registerRead(const QStringList& lines);

    CutFaceContext& context_;
    RegisteredTimeCommands& registered_;
    QWidget* owner_;
    PauseChoice pauseChoice_;
};
