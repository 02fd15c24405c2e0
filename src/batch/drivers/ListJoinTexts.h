#pragma once
// The texts of the list join.
#include <string>

namespace ListJoinTexts {
inline const std::string Started = "リスト結合開始☆☆☆";
inline const std::string SizeChecking = "リスト結合サイズチェック中:";
inline const std::string Joining = "リスト結合中:";
inline const std::string Finished = "リスト結合終了☆☆☆";
inline const std::string JoinError = "リスト結合エラー:\n";
inline const std::string Failed = "リスト結合に失敗しました・・・\n";
inline const std::string SizeLabel = "リスト結合サイズ:";
inline const std::string SummaryHead = "リスト結合\n";
// Asked before an output that is already there is replaced, after its path.
inline const std::string AskReplace = "このファイルは既に存在します・・・\n上書きしてよろしいですか?";
}  // namespace ListJoinTexts
