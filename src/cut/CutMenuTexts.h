#pragma once
// The captions of the cut menu (PopupMenu1) opened on every time list, and
// the cut file's own messages that the menu's commands share.
#include <array>

namespace CutMenuTexts {

inline constexpr char WAV_CUT[] = "カット (選択のみ)";
inline constexpr char WAV_CUT_ALL[] = "ALL カット";
inline constexpr char WAV_CUT_ST0[] = "カット（スタートタイムのみ）";
inline constexpr char P_START0[] = "スタートタイム登録";
inline constexpr char P_ST_CLR[] = "解除";
inline constexpr char P_RENZOKU0[] = "連続再生対象選択";
// P_RENZOKU0 when the menu opens: this, then "すべて" or the colour's item.
inline constexpr char RenzokuLead[] = "連続再生対象選択　";
inline constexpr char RenzokuAll[] = "すべて";
inline constexpr char P_BINRUI0[] = "色別、分類名の登録";
// P_BINRUI_Nashi ... P_BINRUI_Pink when the submenu opens: colour name,
// this, the colour's category name.
inline constexpr char CategorySeparator[] = " > ";

// P_LIST_Name by list: ListBox_ALL, ListBox_60s, ListBox_10s, ListBox_1s,
// ListBox_100ms, ListBox_10ms, ListBox_1ms, ListBox_C.
inline constexpr std::array<const char*, 8> ListNames = {
    "等間隔リストのカット", "60sリストのカット",   "10sリストのカット", "1sリストのカット",
    "100msリストのカット",  "10msリストのカット", "1msリストのカット", "登録リストのカット",
};

// The registered times of the file in work could not be kept in its time files.
inline constexpr char TimeFilesNotSaved[] = "登録タイムを保存できませんでした・・・";

}  // namespace CutMenuTexts
