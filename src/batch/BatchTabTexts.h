#pragma once
// The texts of the batch tabs' own controls and popup menus, in UTF-8. The
// texts of the runs themselves are the drivers'.
namespace BatchTabTexts {
// TabSheet1
inline constexpr char Btn_HENKAN_SEN[] = "選択変換";
inline constexpr char Btn_HENKAN_ALL[] = "全部変換";
inline constexpr char Btn_HEN_CANSEL[] = "変換 中断";
inline constexpr char ColorBtn2[] = "ファイル毎に変換設定";
// TabSheet2
inline constexpr char Btn_KETUGO_ALL[] = "全部結合";
inline constexpr char Btn_KETUGO_SEN[] = "選択結合";
inline constexpr char Btn_KETUGO_CANCEL[] = "結合 中断";
inline constexpr char ColorBtn3[] = "ファイル結合設定";
inline constexpr char PopupMenu_K[] = "WAVファイル結合設定";
// TabSheet3
inline constexpr char Btn_LR_ALL[] = "全部分離";
inline constexpr char Btn_LR_SEN[] = "選択分離";
inline constexpr char Btn_LR_CANSEL[] = "分離 中断";
inline constexpr char ColorBtn4[] = "左右分離設定";
inline constexpr char PopupMenu_LR[] = "LRチャンネル分離設定";
// TabSheet4
inline constexpr char Btn_REV_ALL[] = "全部反転";
inline constexpr char Btn_REV_SEN[] = "選択反転";
inline constexpr char Btn_REV_CANCEL[] = "反転 中断";
inline constexpr char ColorBtn7[] = "fmtヘッダー16バイト整形";
inline constexpr char ColorBtn14[] = "左右反転設定";
inline constexpr char PopupMenu_REV[] = "LRチャンネル反転設定";

// The save-name check items.
inline constexpr char P_SaveName_G[] = "変換ファイル名を自分で付ける";
inline constexpr char P_SaveName_K[] = "結合ファイル名を自分で付ける";
inline constexpr char P_SaveName_LR[] = "LR分離ファイル名を自分で付ける";
inline constexpr char P_SaveName_REV[] = "LR反転ファイル名を自分で付ける";
// The folder item: the folder's caption followed by this.
inline constexpr char FolderItemTail[] = "を変更...";

// PopupMenu_TM
inline constexpr char HeadSilence[] = "前無音";
inline constexpr char TailSilence[] = "後無音";
inline constexpr char SecondsSetting[] = " 秒数設定";
inline constexpr char PMUON_0[] = "０秒 - OFF";
inline constexpr const char* PMUON_1to5[] = {"１秒", "２秒", "３秒", "４秒", "５秒"};
inline constexpr char PMUON_Set[] = "タイム設定";
inline constexpr char Cancel[] = "キャンセル";
// The time-setting box of PMUON_Set.
inline constexpr char TimeBoxUnit[] = " * 100ms";
inline constexpr char TimeBoxMessage[] = " ";
inline constexpr char TimeBoxMessage1[] = "無音を付加する秒設定：";
inline constexpr char TimeBoxMessage2[] = " (100ms単位。初期値500ms)";
inline constexpr char TimeBoxTarget[] = "無音指定設定";
// PopupMenu_FAID
inline constexpr char FadeIn[] = "フェードイン";
inline constexpr char FadeOut[] = "フェードアウト";
inline constexpr const char* PFAID_Captions[] = {"０秒 - OFF", "１秒", "２秒", "３秒", "４秒", "５秒",
                                                 "６秒", "７秒", "１０秒", "１５秒", "２０秒"};
// PopupMenu_MC and its items, by silence-cut mode 0-3.
inline constexpr char PMCUT[] = "前後無音カット設定";
inline constexpr const char* PMCUT_Items[] = {"無音カットOFF", "前後無音カット", "前無音カット", "後無音カット"};
// PopupMenu_ML8 and PopupMenu_ML16, and the captions of their buttons.
inline constexpr char PML8[] = "８ビット無音レベル設定（1-127）";
inline constexpr char PML16[] = "１６ビット無音レベル設定（1-32767）";
inline constexpr char Btn_ML8_G[] = "8bitレベル";
inline constexpr char Btn_ML16_G[] = "16bitレベル";

// SaveDialog2
}  // namespace BatchTabTexts
