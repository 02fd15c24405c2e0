#pragma once
// The messages about a WAV file that both faces give, the file face's browser
// and the cut face alike (UTF-8): a file that has gone, the question that
// follows it, and the reasons a file could not be opened or measured.

namespace FileTexts {

inline constexpr const char* FileMissingText = "このファイルは存在しません・・・";
inline constexpr const char* DeleteRegistrationText = "登録を削除してよろしいですか？？？";
inline constexpr const char* OpenFailedText = " オープンに失敗しました。";
inline constexpr const char* SizeFailedText = " サイズ取得に失敗しました。";

}  // namespace FileTexts
