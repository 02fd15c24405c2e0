#pragma once
// The texts the message box shows, in UTF-8.

namespace MKText {
inline constexpr char Seconds[] = "秒";  // after the remaining seconds in Label_TM
inline constexpr char CopyHint[] = "右クリックで、コピーできます☆";  // hint of the text area
inline constexpr char OK[] = "ＯＫ";  // Btn_OK
inline constexpr char Pause[] = "一時停止";  // Btn_TM_STOP
inline constexpr char Resume[] = "ｶｳﾝﾄ再開";  // Btn_TM_OPEN
inline constexpr char Yes[] = "はい";  // Btn_Yes
inline constexpr char No[] = "いいえ";  // Btn_No
inline constexpr char Abort[] = "中 断";  // Btn_Abort
inline constexpr char SelectHint[] = "タイムアウト、デフォルト値";  // hint of Label_Select
inline constexpr char Copy[] = "コピー";  // P_COPY
inline constexpr char Cancel[] = "キャンセル";  // last item of PopupMenu_MK
}  // namespace MKText
