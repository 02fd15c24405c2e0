#pragma once
// The messages of playing and of reading a file's length (UTF-8). A message
// is the lead, the file's path, a line break and the reason. The reasons of
// opening and measuring are the cut's too.
#include "FileTexts.h"

inline constexpr char PlayErrorLead[] = "再生エラー：";
inline constexpr char LengthErrorLead[] = "エラー：";
inline constexpr const char* OpenFailedText = FileTexts::OpenFailedText;
inline constexpr char PlayStartFailedText[] = " 再生開始に失敗しました。";
inline constexpr const char* LengthFailedText = FileTexts::SizeFailedText;
