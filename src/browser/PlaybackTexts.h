#pragma once
// The messages of playing and of reading a file's length (UTF-8). A message
// is the lead, the file's path, a line break and the reason.

inline constexpr char PlayErrorLead[] = "再生エラー：";
inline constexpr char LengthErrorLead[] = "エラー：";
inline constexpr char OpenFailedText[] = " オープンに失敗しました。";
inline constexpr char PlayStartFailedText[] = " 再生開始に失敗しました。";
inline constexpr char LengthFailedText[] = " サイズ取得に失敗しました。";
