#include "OperationLog.h"

#include <QFileInfo>

#include "BusyCursor.h"
#include "Desktop.h"
#include "Folders.h"
#include "Mkdlg.h"
#include "TextFiles.h"
#include "BatchLogLine.h"
#include "TextFormats.h"
#include "YeNADDCUT.h"

QString FileLogLine(const WavInfoRecord& info, const QString& path)
{
    return QString::fromStdString(BatchLogLine(info, path.toStdString()));
}

void ShowOffSwitch::setChecked(bool checked)
{
    if (write_) write_(checked);
    else own_ = checked;
}

bool ShowOffSwitch::toggle()
{
    setChecked(!checked());
    return checked();
}

void ShowOffSwitch::bind(std::function<bool()> read, std::function<void(bool)> write)
{
    read_ = std::move(read);
    write_ = std::move(write);
}

OperationLog::OperationLog(const LogTexts& texts, ShowOffSwitch& showOff, const LogContext& context)
    : texts_(texts), showOff_(showOff), context_(context)
{
}

QString OperationLog::filePath() const
{
    return QString::fromStdString(WorkFolder()) + QString::fromUtf8(texts_.fileName);
}

bool OperationLog::fileExists() const { return QFileInfo(filePath()).isFile(); }

QStringList OperationLog::recordText(std::chrono::system_clock::time_point now) const
{
    const QString dashes = QString::fromUtf8(LogText::Dashes);
    QStringList text;
    text << QString::fromUtf8(texts_.title) + QString::fromStdString(DateWeekTimeText(now)) + QLatin1Char(' ');
    text << QString::number(lines_.size()) + QString::fromUtf8(texts_.countText);
    if (texts_.columnHeader) text << QString::fromUtf8(LogText::ColumnHeader);
    text << dashes << lines_ << dashes;
    return text;
}

bool OperationLog::showRecord(LogCaller caller)
{
    if (isEmpty()) return true;
    if (!save()) {
        // Opening would show an older file, or none, as if it were this record.
        MKInfo(context_.box, QString::fromUtf8(texts_.lastFileError) + QLatin1Char('\n') + filePath());
        return false;
    }
    if (caller == LogCaller::Other && showOff_.checked()) return true;
    openInViewer(texts_.showError);
    return true;
}

void OperationLog::clearRecord()
{
    if (*texts_.clearQuestion == '\0') return;
    if (MKAsk(context_.box, QString::fromUtf8(texts_.clearQuestion), MKAnswer::No) == MKAnswer::Yes) {
        // The record is emptied only once its file holds it.
        if (showRecord(LogCaller::OwnClear)) {
            clearLines();
            return;
        }
    }
    MKInfoTM(context_.box, QString::fromUtf8(texts_.clearCancelled), MKAnswer::OK);
}

void OperationLog::showLastFile() { openInViewer(texts_.lastFileError); }

bool OperationLog::save() const
{
    BusyCursor busy;
    MakeFolder(WorkFolder());
    return WriteTextLines(filePath(), recordText(context_.clock()));
}

void OperationLog::openInViewer(const char* errorText) const
{
    bool opened = false;
    {
        BusyCursor busy;
        opened = desktop().openFile(filePath());
    }
    if (!opened) MKInfo(context_.box, QString::fromUtf8(errorText));
}
