#pragma once
// The texts of the registration lists: headers, count captions, buttons,
// menu items and messages.
#include <QString>

#include "ConvertTexts.h"

namespace RegistrationTexts {

// Column headers, in column order (caption, path, size, date, attributes).
inline const QString HeaderCaption = QStringLiteral("ファイル名");
inline const QString HeaderPath = QStringLiteral("フルパス名");
inline const QString HeaderSize = QStringLiteral("サイズ");
inline const QString HeaderDate = QStringLiteral("日付");
inline const QString HeaderAttributes = QStringLiteral("属性");

// Count captions: the count, this sign, then the header text below.
inline const QString CountSign = QStringLiteral("ｺ");
inline const QString CountBusy = QStringLiteral("---");
inline const QString CountCaptionTail = QStringLiteral("　ファイル名");
inline const QString CountPathTail = QStringLiteral("　フルパス名");

// Buttons and their hints.
inline const QString RegisterAll = QStringLiteral("v全部登録");
inline const QString RegisterAllHint = QStringLiteral("上記ファイルすべて登録");
inline const QString RegisterSelected = QStringLiteral("v選択登録");
inline const QString RegisterSelectedHint = QStringLiteral("上記選択ファイルのみ登録");
inline const QString MoveUp = QStringLiteral("上に移動");
inline const QString MoveDown = QStringLiteral("下に移動");
inline const QString MoveHint = QStringLiteral("複数同時移動可");
inline const QString CutListMoveUp = QStringLiteral("上移動");
inline const QString CutListMoveDown = QStringLiteral("下移動");
inline const QString Delete = QStringLiteral("削除");
inline const QString DeleteHint = QStringLiteral("ここの登録を削除するだけです");
inline const QString CutListDelete = QStringLiteral("登録削除");
inline const QString CutListDeleteHint = QStringLiteral("選択のみ削除");
inline const QString Refresh = QStringLiteral("ﾒﾓﾘｰﾃﾞｰﾀの更新");
inline const QString RefreshHint = QStringLiteral("ファイル情報を更新します☆☆☆");
inline const QString CutListRefreshHint = QStringLiteral("サイズ／日付けを、現在の値にする");
inline const QString ShowSelection = QStringLiteral("選択確認");
inline const QString ShowSelectionHint = QStringLiteral("選択状態を元に戻せます☆☆☆");
inline const QString Stop = QStringLiteral("登録 中断");
inline const QString StopHint = QStringLiteral("登録強制停止");

// Menu items.
inline const QString SortOn = QStringLiteral("ソートON");
inline const QString CutListSortOn = QStringLiteral("メモリーソートON");
inline const QString Copy = QStringLiteral("コピー");
inline const QString CopyCancel = QStringLiteral("キャンセル");

// Messages.
inline const QString Stopped = QString::fromStdString(ConvertTexts::Stopped);
inline const QString PlayModeSwitched = QStringLiteral("削除終了:\n「PLAY Mode」はOFFに、強制変更されました☆☆☆");

}  // namespace RegistrationTexts
