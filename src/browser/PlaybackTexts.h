#pragma once
// The messages of playing and of reading a file's length (UTF-8). A message
// is the lead, the file's path, a line break and the reason. The reasons of
// opening and measuring are the cut's too, which defines them.
#include "CutTexts.h"

inline constexpr char PlayErrorLead[] = "再生エラー：";
inline constexpr char LengthErrorLead[] = "エラー：";
inline constexpr const char* OpenFailedText = CutTexts::CutOpenFailedText;
inline constexpr char PlayStartFailedText[] = " 再生開始に失敗しました。";
inline constexpr const char* LengthFailedText = CutTexts::CutSizeFailedText;
