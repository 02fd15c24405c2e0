#pragma once
// The texts of the conversion batch.
#include <string>

namespace ConvertTexts {
inline const std::string SaveNameTitle = "ＷＡＶ変換ファイル名";
inline const std::string Converting = "変換中:";
inline const std::string Failed = "変換に失敗しました・・・\n";
inline const std::string ReReadFailed = "WAVデータ取得に失敗しました・・・\n";
inline const std::string NotOntoSource = "元ファイルには上書きセーブ出来ません・・・";
// The save dialog of own names: a cancelled dialog, and its filter.
inline const std::string SkipWithoutSaving = "セーブせずに飛ばします☆☆☆";
inline const std::string SaveFilter = "ＷＡＶ files (*.WAV)|*.WAV|ALL files (*.*)|*.*";
inline const std::string NoFreeName = "番号付きのファイル名がすべて使われています・・・\n";
inline const std::string SkipFile = "このファイルを飛ばします☆☆☆";
inline const std::string Stopped = "中断ボタンが押されました・・・\n強制終了します☆☆☆";
inline const std::string Started = "無音付加、フェードイン／アウト変換開始☆☆☆";
inline const std::string Finished = "無音付加、フェードイン／アウト変換終了☆☆☆";
inline const std::string SummaryHead = "無音付加、フェードイン／アウト変換\n";
inline const std::string SummaryCount = "個変換しました☆☆☆";
inline const std::string SummaryThanks = "お疲れ様☆☆☆";
inline const std::string NothingSelected = "ファイルが選択されていません・・・";
}  // namespace ConvertTexts
