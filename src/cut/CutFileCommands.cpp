#include "CutFileCommands.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <chrono>

#include "BusyCursor.h"
#include "CutFaceContext.h"
#include "CutFileRow.h"
#include "CutMenuTexts.h"
#include "CutRowTexts.h"
#include "CutTexts.h"
#include "CutWorkState.h"
#include "FileListing.h"
#include "Folders.h"
#include "MediaState.h"
#include "Mkdlg.h"
#include "Playback.h"
#include "SettingsValues.h"
#include "TextFormats.h"
#include "TimeFileStore.h"
#include "TimeFiles.h"
#include "TimeListBox.h"
#include "TimeLists.h"

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The part of a name pattern from its last "." on; empty without one.
QString ExtensionPart(const QString& pattern)
{
    const qsizetype dot = pattern.lastIndexOf('.');
    return dot < 0 ? QString() : pattern.mid(dot);
}

// The size and date lines of the information box; both empty when the file
// is not there.
QString SizeLine(const QFileInfo& file)
{
    if (!file.isFile()) return {};
    return Text(CutTexts::CutInfoSizeLine).replace(QStringLiteral("%7.0n"), Text(FormatN(file.size(), 7)));
}

QString DateLine(const QFileInfo& file)
{
    if (!file.isFile()) return {};
    const auto time = std::chrono::system_clock::time_point(
        std::chrono::milliseconds(file.lastModified().toMSecsSinceEpoch()));
    const QString attributes = AttributeText(file.fileName().toStdString(), file.isWritable(), file.isFile());
    return Text(CutTexts::CutInfoDateLabel) + " " + Text(DateWeekTimeText(time)) + " " + attributes.toLower();
}

}  // namespace

CutFileCommands::CutFileCommands(CutFaceContext& context, CutFileRow& row, QObject* parent)
    : QObject(parent), askText(TextInputBox(&row)), context_(context), row_(row)
{
    row_.ComboBox1Change = [this] { ComboBox1Change(); };
    row_.SaveTimeFiles = [this] { SaveTimeFiles(); };
    connect(&row_, &CutFileRow::cutFileDoubleClicked, this, &CutFileCommands::Edit_FnDblClick);
    connect(&row_, &CutFileRow::saveBaseDoubleClicked, this, &CutFileCommands::Edit_SFnDblClick);
}

void CutFileCommands::ComboBox1Change()
{
    BusyCursor busy;
    QCoreApplication::processEvents();
    int index = row_.ComboBox1->currentIndex();
    if (index < 0 || index >= row_.ComboBox1->count()) return;
    if (!takeExistingFile(index)) return;

    const QString path = row_.ComboBox1->itemText(index);
    row_.Edit_Fn->setText(QFileInfo(path).fileName());
    SaveTimeFiles();  // still the previous file's save base and times
    CutWorkState& work = context_.work;
    SetCutFile(work, path.toStdString());
    if (QFileInfo(path).fileName().contains('.')) {
        const QString pattern = row_.Label_SFn_Last->text();
        row_.Label_SFn_Last->setText(pattern.left(pattern.size() - ExtensionPart(pattern).size()) +
                                     Text(work.SaveExt));
    }
    row_.Edit_SFn->setText(Text(work.SaveBase));
    loadCutFile();
}

// Walks the combo from `index` until it stands on a file that exists. For
// each missing file the user is asked whether to remove its registration:
// Yes removes it with its time files, No goes on with the next file, Abort
// ends the choice (false), as does an empty combo.
bool CutFileCommands::takeExistingFile(int& index)
{
    QComboBox& combo = *row_.ComboBox1;
    for (;;) {
        QCoreApplication::processEvents();
        refreshCutFileRow(index);
        const QString path = combo.itemText(index);
        if (QFileInfo::exists(path)) return true;
        const QString question =
            path + "\n" + Text(CutTexts::FileMissingText) + "\n" + Text(CutTexts::DeleteRegistrationText);
        const int answer = MKErrorAsk(context_.box, question, MKAnswer::Yes);
        if (answer == MKAnswer::Abort) return false;
        if (answer == MKAnswer::Yes)
            forgetCutFile(index);
        else
            ++index;
        if (combo.count() == 0) return false;
        if (index >= combo.count()) index = 0;
        combo.setCurrentIndex(index);
    }
}

// Removes a missing file's registration and its time files. When it is the
// file in work, its times are not written back by the next choice.
void CutFileCommands::forgetCutFile(int index)
{
    const QString path = row_.ComboBox1->itemText(index);
    const std::string base = QFileInfo(path).completeBaseName().toStdString();
    if (!base.empty()) DeleteTimeFiles(base);
    if (context_.work.CutFile == path.toStdString()) context_.work.SaveBase.clear();
    removeCutFileRow(index);
    row_.ComboBox1->removeItem(index);
}

// The chosen file's length, time format, interval and registered times.
void CutFileCommands::loadCutFile()
{
    CutWorkState& work = context_.work;
    MediaState& media = context_.media;
    media.PlayFile = Text(work.CutFile);
    media.AbortFlag = false;
    media.CutLength = 0;
    context_.playback.OpenForLength();
    context_.setIntervalIndex(DefaultIntervalIndex(media.CutLength));
    context_.ListBox_C->clear();
    work.registered = LoadTimeFiles(work.SaveBase);
    context_.BuildTimeLists();  // shows them in the file's time format
    context_.playback.ProbeWavFormat(media.PlayFile);
}

void CutFileCommands::SaveTimeFiles()
{
    const CutWorkState& work = context_.work;
    if (::SaveTimeFiles(work.SaveBase, work.registered)) return;
    const QString qdx = Text(TimeFilesOf(ProgramFolder(), work.SaveBase).qdx);
    MKError(context_.box, qdx + "\n" + Text(CutMenuTexts::TimeFilesNotSaved), MKAnswer::OK);
}

void CutFileCommands::Edit_FnDblClick()
{
    BusyCursor busy;
    const QString path = Text(context_.work.CutFile);
    const QFileInfo file(path);
    const QString sizeLine = SizeLine(file);
    const QString dateLine = DateLine(file);
    const QString format = context_.playback.ProbeWavFormat(path);
    if (context_.media.AbortFlag || context_.media.ClosingFlag) return;
    MKInfo(context_.box, Text(CutTexts::CutInfoTitle) + path + "\n" + sizeLine + "\n" + dateLine + "\n" +
                             Text(CutTexts::CutInfoFormatLabel) + format);
}

// A new save base names the parts and, from now on, the time files. A base
// that cannot name a file in a folder is refused.
void CutFileCommands::Edit_SFnDblClick()
{
    CutWorkState& work = context_.work;
    const std::optional<QString> base = askText(Text(CutTexts::RenameBaseTitle), Text(work.SaveBase));
    if (!base) return;
    if (!UsableSaveBase(base->toStdString())) {
        MKError(context_.box, *base + "\n" + Text(CutTexts::UnusableSaveBaseText), MKAnswer::OK);
        return;
    }
    work.SaveBase = base->toStdString();
    row_.Edit_SFn->setText(*base);
}

void CutFileCommands::MF_AUTO_NAMEClick()
{
    const char* pattern = context_.settings.AUTO_NAME ? CutRowTexts::ShortNamePattern : CutRowTexts::LongNamePattern;
    row_.Label_SFn_Last->setText(Text(pattern) + ExtensionPart(row_.Label_SFn_Last->text()));
}
