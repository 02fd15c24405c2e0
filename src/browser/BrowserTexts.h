#pragma once
// The texts of the file face's browser views and of the folder history box.
#include <QString>

#include "FileTexts.h"

namespace BrowserTexts {

inline const QString PlayModeCaption = QStringLiteral(u"PLAY Mode");
inline const QString PlayModeOn = QStringLiteral(u"PLAY");
inline const QString PlayModeOff = QStringLiteral(u"OFF");
inline const QString StopButtonCaption = QStringLiteral(u"再生停止");
inline const QString HistoryButtonCaption = QStringLiteral(u"H");
inline const QString WavMask = QStringLiteral(u"*.wav");
inline const QString AllMask = QStringLiteral(u"*.*");
inline const QString FileCountFilling = QStringLiteral(u"---ｺ　ファイル名");
inline const QString CountSuffix = QStringLiteral(u"ｺ");
inline const QString FileCountTail = QStringLiteral(u"　ファイル名");
inline const QString FolderCountFilling = QStringLiteral(u"---ｺ　フォルダー");
inline const QString FolderCountTail = QStringLiteral(u"　フォルダー");
inline const QString TreeCountTail = QStringLiteral(u"　ツリーフォルダー");
inline const QString FolderFailure = QStringLiteral(u"フォルダーエラー");
inline const QString DriveErrorText = QStringLiteral(u"ドライブ・エラー発生\n元のドライブに戻します");
inline const QString FolderErrorHead = QStringLiteral(u"フォルダー・エラー発生\n");
inline const QString FolderErrorTail = QStringLiteral(u"エラーを回避してみます。");
inline const QString FolderRecoveryFailed = QStringLiteral(u"エラー回避に失敗しました\n別のドライブか、フォルダーを選択してみて下さい");
inline const QString MissingFileText = QString::fromUtf8(FileTexts::FileMissingText);
inline const QString MissingFileQuestion = QString::fromUtf8(FileTexts::DeleteRegistrationText);
inline const QString HistoryTitle = QStringLiteral(u"過去のフォルダーの選択");
inline const QString HistoryListHint = QStringLiteral(u"登録フォルダー名一覧");
inline const QString HistoryFilterHint = QStringLiteral(u"拡張子の選択");
inline const QString HistoryOkCaption = QStringLiteral(u"設 定");
inline const QString HistoryOkHint = QStringLiteral(u"選択フォルダーに変更する");
inline const QString HistoryCancelCaption = QStringLiteral(u"キャンセル");
inline const QString HistoryCancelHint = QStringLiteral(u"何もせずに戻る");
inline const QString HistoryFilter = QStringLiteral(u"WAV files (*.WAV)|*.WAV|ALL files (*.*)|*.*|");
inline const QString ColumnName = QStringLiteral(u"ファイル名");
inline const QString ColumnSize = QStringLiteral(u"サイズ");
inline const QString ColumnDate = QStringLiteral(u"日付");
inline const QString ColumnAttributes = QStringLiteral(u"属性");
inline const QString FolderHeaderCaption = QStringLiteral(u"フォルダー");

}  // namespace BrowserTexts
