#include "SaveNameDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "BatchTabTexts.h"
#include "ConvertTexts.h"
#include "ListJoinTexts.h"
#include "Mkdlg.h"
#include "OutputNames.h"
#include "Prompt.h"
#include "WavFile.h"

namespace {

// "ＷＡＶ files (*.WAV)|*.WAV|ALL files (*.*)|*.*" as the dialog's filters. The
// file system tells case apart, so the WAV filter also shows ".wav" names.
QStringList Filters()
{
    const QStringList parts = QString::fromStdString(ConvertTexts::SaveFilter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        if (pattern != pattern.toLower()) pattern += ' ' + pattern.toLower();
        QString title = parts[i];
        title.truncate(title.indexOf('(') < 0 ? title.size() : title.indexOf('('));
        filters << title.trimmed() + " (" + pattern + ")";
    }
    return filters;
}

}  // namespace

SaveDialogShow SaveDialog2(QWidget* owner, const QString& dialogName)
{
    return [owner, dialogName](const QString& title, const QString& folder,
                               const QString& name) -> std::optional<QString> {
        QFileDialog dialog(owner, title, folder);
        dialog.setObjectName(dialogName);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(Filters());
        dialog.setDefaultSuffix(QStringLiteral("wav"));
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    };
}

AskSaveName SaveNameAsker(TMKBoxDlg& box, SaveDialogShow dialog)
{
    return [&box, dialog = std::move(dialog)](const std::string& source, const std::string& proposed,
                                              const std::string& title) -> std::string {
        const QFileInfo target(QString::fromStdString(proposed));
        for (;;) {
            const std::optional<QString> chosen =
                dialog(QString::fromStdString(title), target.absolutePath(), target.fileName());
            if (!chosen) {
                const QString question = QString::fromStdString(proposed) + "\n" +
                                         QString::fromStdString(ConvertTexts::SkipWithoutSaving);
                return MKError(box, question, PromptAnswer::OK) == PromptAnswer::Abort ? "@" : "";
            }
            // The output is written with its extension in lower case: that is
            // the name to test, since "x.WAV" confirmed in the dialog may stand
            // for an existing "x.wav" the dialog never asked about.
            const std::string path = LowerCaseExtension(chosen->toStdString());
            const QString shown = QString::fromStdString(path);
            if (SameFile(path, source)) {
                const QString refusal = shown + "\n" + QString::fromStdString(ConvertTexts::NotOntoSource);
                if (MKError(box, refusal, PromptAnswer::OK) == PromptAnswer::Abort) return "@";
                continue;
            }
            if (path == chosen->toStdString() || !NameTaken(path)) return path;
            const QString question = shown + "\n" + QString::fromStdString(ListJoinTexts::AskReplace);
            if (MKAsk(box, question, PromptAnswer::No) == PromptAnswer::Yes) return path;
        }
    };
}
