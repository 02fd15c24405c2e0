#pragma once
// The texts of the cut workbench: its messages, dialog titles and the names
// of the intervals. UTF-8. The colour names are the menus' (ColourTexts).
#include <array>

#include "FileTexts.h"

namespace CutTexts {

// Messages and dialog titles.
inline constexpr const char* NoTimesText = "タイムがありません・・・";
inline constexpr const char* NoPlayPositionText = "再生位置の取得に失敗しました・・・";
inline constexpr const char* SubdivideFailedText = "タイムの細分化に失敗しました・・・";
inline constexpr const char* TooManyEntriesText = "登録数が範囲を超えました。";
inline constexpr const char* FileMissingText = FileTexts::FileMissingText;
inline constexpr const char* DeleteRegistrationText = FileTexts::DeleteRegistrationText;
inline constexpr const char* NothingToRegisterText = "リストに登録データがありません・・・";
inline constexpr const char* SelectDataText = "データを選択して下さい☆☆☆";
inline constexpr const char* ZoneForcedText = "「PLAY Mode」は「ゾーン」再生に、強制変更されました☆☆☆";
inline constexpr const char* CutFileGoneText = "ファイルがありません・・・";
inline constexpr const char* NoStartTimesText = "スタートタイムが登録されていません・・・";
inline constexpr const char* NoRegisteredTimesText = "タイムが登録されていません・・・";
inline constexpr const char* CutStoppedText = "カットを強制停止しました。";
inline constexpr const char* SelectedTimeText = "選択タイム：";
inline constexpr const char* CutFailedText = "カットに失敗しました・・・";
inline constexpr const char* CutDoneText = "カット終了☆☆☆\nお疲れ様☆☆☆";
inline constexpr const char* CutOpenErrorText = "カットエラー：";
inline constexpr const char* CutOpenFailedText = FileTexts::OpenFailedText;
inline constexpr const char* CutSizeErrorText = "CUTエラー：";
inline constexpr const char* CutSizeFailedText = FileTexts::SizeFailedText;
inline constexpr const char* SaveDialogTitle = "ＷＡＶ分割ファイル作成";
inline constexpr const char* RenameBaseTitle = "録音ファイル名の変更";
inline constexpr const char* CategoryInputTitle = "色別、分類名(ファイル名の最後に付加)";
inline constexpr const char* CutInfoTitle = "CUT_WAVファイル情報：\n\n";
inline constexpr const char* CutInfoSizeLine = "総ﾊﾞｲﾄ数　: %7.0n Bytes";
inline constexpr const char* CutInfoDateLabel = "日付/属性　:";
inline constexpr const char* CutInfoFormatLabel = "rate/bit/channel : ";

// Refused in the save-name box: a base that is empty, "." or "..", or holds a
// path separator, cannot name the parts and the time files.
inline constexpr const char* UnusableSaveBaseText = "セーブファイル名に使えない名前です・・・";

// Items of ComboBox_TM, plain and in minutes form.
inline constexpr std::array<const char*, 5> IntervalItemsPlain = {"1s", "10s", "60s", "600s", "3600s"};
inline constexpr std::array<const char*, 5> IntervalItemsMinutes = {"1秒", "10秒", "1分", "10分", "60分"};

}  // namespace CutTexts
