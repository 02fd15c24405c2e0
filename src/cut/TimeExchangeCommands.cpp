#include "TimeExchangeCommands.h"

#include <QFileDialog>
#include <QFileInfo>

#include "CutFaceContext.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "MediaState.h"
#include "Mkdlg.h"
#include "RegisteredTimeCommands.h"
#include "RegisteredTimes.h"
#include "SettingsValues.h"
#include "TextFiles.h"
#include "TimeExchange.h"
#include "TimeExchangeTexts.h"

namespace {

using namespace TimeExchangeTexts;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

bool IsCueSheet(const QString& path) { return QFileInfo(path).suffix().compare("cue", Qt::CaseInsensitive) == 0; }

TimeExchangeCommands::ChooseFile ReadDialog(QWidget* owner)
{
    return [owner](const QString& proposed) -> std::optional<QString> {
        const QString chosen = QFileDialog::getOpenFileName(
            owner, Text(ReadTitle), QFileInfo(proposed).absolutePath(),
            Text(TimesFilter) + ";;" + Text(AllFilter));
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
    };
}

// A label file unless the cue sheet's filter is chosen; the dialog adds the
// filter's extension to a bare name before it asks about an existing file.
TimeExchangeCommands::ChooseFile WriteDialog(QWidget* owner)
{
    return [owner](const QString& proposed) -> std::optional<QString> {
        QFileDialog dialog(owner, Text(WriteTitle), QFileInfo(proposed).absolutePath());
        dialog.setObjectName(QStringLiteral("SaveDialog_Times"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({Text(LabelFilter), Text(CueFilter)});
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(filter == Text(CueFilter) ? QStringLiteral("cue") : QStringLiteral("txt"));
        });
        dialog.selectFile(QFileInfo(proposed).fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    };
}

std::vector<std::string> Utf8Lines(const QStringList& lines)
{
    std::vector<std::string> utf8;
    utf8.reserve(lines.size());
    for (const QString& line : lines) utf8.push_back(line.toStdString());
    return utf8;
}

QStringList QtLines(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines) texts << QString::fromStdString(line);
    return texts;
}

}  // namespace

TimeExchangeCommands::TimeExchangeCommands(CutFaceContext& context, RegisteredTimeCommands& registered,
                                           QWidget* owner)
    : QObject(owner), chooseReadFile(ReadDialog(owner)), chooseWriteFile(WriteDialog(owner)), context_(context),
      registered_(registered), owner_(owner)
{
}

bool TimeExchangeCommands::cutFileChosen()
{
    if (!context_.work.CutFile.empty()) return true;
    MKInfoTM(context_.box, Text(NoCutFile), MKAnswer::OK);
    return false;
}

void TimeExchangeCommands::P_MUON_TOROKUClick()
{
    if (!cutFileChosen()) return;
    TPauseBox box(context_.work.CutFile, pauseChoice_, owner_);
    box.stopRequested = [this] { return context_.media.ClosingFlag; };
    const bool done = box.exec() == QDialog::Accepted;
    if (done || box.stopped()) pauseChoice_ = box.choice();
    if (!box.errorText().empty()) {
        MKError(context_.box, QString::fromStdString(box.errorText()), MKAnswer::OK);
    } else if (box.stopped()) {
        if (!context_.media.ClosingFlag) MKInfoTM(context_.box, Text(PauseScanStopped), MKAnswer::OK);
    } else if (done && box.times().empty()) {
        MKInfoTM(context_.box, Text(NoPausesFound), MKAnswer::OK);
    } else if (done) {
        const int added = registered_.registerTimes(box.times());
        MKInfoTM(context_.box, Text(PausesRegistered).arg(box.times().size()).arg(added), MKAnswer::OK);
    }
}

void TimeExchangeCommands::P_TIME_READClick()
{
    if (!cutFileChosen()) return;
    const std::optional<QString> path = chooseReadFile(QString::fromStdString(context_.work.CutFile));
    if (!path) return;
    const std::optional<QStringList> lines = ReadTextLines(*path);
    if (!lines) {
        MKError(context_.box, *path + "\n" + Text(ReadFailed), MKAnswer::OK);
        return;
    }
    registerRead(*lines);
}

void TimeExchangeCommands::registerRead(const QStringList& lines)
{
    CutWorkState& work = context_.work;
    const TimesRead read = ReadTimesFile(Utf8Lines(lines), context_.media.CutLength);
    const bool startTimes = context_.settings.Start_TM;
    const TimesImport done = ImportTimes(read, work.registered, work.CategoryNames, work.format, startTimes,
                                         RegistrationCode(startTimes, work.StartColour));
    registered_.showRegistered(done.last >= 0 ? std::optional<int>(done.last) : std::nullopt);
    QString report = Text(TimesReadDone).arg(done.registered);
    if (done.leftOut > 0) report += "\n" + Text(TimesLeftOut).arg(done.leftOut);
    if (done.unnamed > 0) report += "\n" + Text(TimesUnnamed).arg(done.unnamed);
    MKInfoTM(context_.box, report, MKAnswer::OK);
}

void TimeExchangeCommands::P_TIME_WRITEClick()
{
    if (!cutFileChosen()) return;
    CutWorkState& work = context_.work;
    if (work.registered.empty()) {
        MKInfoTM(context_.box, Text(CutTexts::NoRegisteredTimesText), MKAnswer::OK);
        return;
    }
    const QFileInfo source(QString::fromStdString(work.CutFile));
    const std::optional<QString> path =
        chooseWriteFile(source.absoluteDir().filePath(QString::fromStdString(work.SaveBase) + ".txt"));
    if (!path) return;
    const std::vector<ExportPart> parts =
        ExportParts(work.registered, work.CategoryNames, context_.settings.Start_TM, context_.media.CutLength);
    const bool cue = IsCueSheet(*path);
    const std::vector<std::string> lines =
        cue ? CueLines(source.fileName().toStdString(), parts) : LabelLines(parts);
    if (!WriteTextLines(*path, QtLines(lines))) {
        MKError(context_.box, *path + "\n" + Text(WriteFailed), MKAnswer::OK);
        return;
    }
    QString report = Text(TimesWritten);
    if (cue && static_cast<int>(parts.size()) > MaxCueTracks)
        report += "\n" + Text(CueTracksLeftOut).arg(static_cast<int>(parts.size()) - MaxCueTracks);
    MKInfoTM(context_.box, report, MKAnswer::OK);
}
