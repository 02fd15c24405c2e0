#pragma once
// The names of the colour codes 0-6 in the cut face's menus: the colours
// themselves (PopupMenu_T, P_START0) and the colours as a choice of which
// start times to play or cut (PopupMenu_R, P_RENZOKU0, WAV_CUT_ST0), whose
// code 0 stands for every start time.
#include <array>

namespace ColourTexts {

inline constexpr std::array<const char*, 7> ColourNames = {"無印", "青", "赤", "緑", "黄色", "水色", "ピンク"};
inline constexpr std::array<const char*, 7> ColourOnlyNames = {"スタートタイムすべて", "青のみ", "赤のみ", "緑のみ",
                                                               "黄色のみ", "水色のみ", "ピンクのみ"};
inline constexpr char Cancel[] = "キャンセル";

}  // namespace ColourTexts
