#pragma once
// The texts of the join batch.
#include <string>

namespace JoinTexts {
inline const std::string SaveNameTitle = "ＷＡＶ結合ファイル名";
inline const std::string Started = "結合開始☆☆☆";
inline const std::string SizeChecking = "結合サイズチェック中:";
inline const std::string Joining = "結合中:";
inline const std::string Finished = "結合終了☆☆☆";
inline const std::string JoinError = "結合エラー:\n";
inline const std::string Failed = "結合に失敗しました・・・\n";
inline const std::string SizeLabel = "結合サイズ:";
inline const std::string ZeroSize = "データサイズが0です・・・KSC";
inline const std::string Beyond4G = "WAVファイルサイズが、4Gバイトを超えてしまいます・・・KSC";
inline const std::string Beyond2GWarning = "警告:WAVファイルサイズが、2Gバイトを超えます・・・WSC";
inline const std::string Beyond2GStopped = "中断:WAVファイルサイズが、2Gバイトを超えます・・・KSC";
inline const std::string SummaryHead = "結合\n";
inline const std::string SummaryCount = "個結合しました☆☆☆";
}  // namespace JoinTexts
