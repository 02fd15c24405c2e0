#include "EntryPlay.h"

#include <QFile>
#include <QFileInfo>

#include "BrowserTexts.h"
#include "MKRequest.h"
#include "Mkdlg.h"

namespace {

void DeleteCutTimeFiles(const QString& programFolder, const QString& path)
{
    for (const QString& file : CutTimeFiles(programFolder, path))
        if (QFileInfo::exists(file)) QFile::remove(file);
}

}  // namespace

QString MissingFileQuestionText(const QString& path)
{
    return path + u'\n' + BrowserTexts::MissingFileText + u'\n' + BrowserTexts::MissingFileQuestion;
}

QStringList CutTimeFiles(const QString& programFolder, const QString& path)
{
    const QString base = programFolder + QFileInfo(path).completeBaseName();
    return {base + QStringLiteral(".QDX"), base + QStringLiteral(".STA")};
}

bool PlayEntry(PlayableList& list, TMKBoxDlg& box, const EntryPlayOptions& options,
               const std::function<void(const QString& path)>& play)
{
    if (list.count() == 0) return false;
    int row = list.selectedRow() < 0 ? 0 : list.selectedRow();
    // Rows declined in a row since the last removal: once every row left has
    // been declined, the search stops instead of asking round and round.
    int declined = 0;
    while (true) {
        const QString path = list.pathAt(row);
        if (!options.checksExistence || QFileInfo::exists(path)) {
            if (play) play(path);
            return true;
        }
        const int answer = MKErrorAsk(box, MissingFileQuestionText(path), MKAnswer::No);
        if (answer == MKAnswer::Abort || answer == 0) return false;
        if (answer == MKAnswer::Yes) {
            list.removeAt(row);
            if (options.deletesCutTimes) DeleteCutTimeFiles(options.programFolder, path);
            declined = 0;
        } else {
            ++row;
            ++declined;
        }
        if (list.count() == 0) return false;
        if (row >= list.count()) row = 0;
        list.selectOnly(row);
        if (declined >= list.count()) return false;
    }
}
