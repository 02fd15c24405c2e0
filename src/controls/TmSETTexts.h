#pragma once
// The texts of the time-setting box, in UTF-8.

namespace TmSETText {
inline constexpr char CountUnit[] = "個";  // unit shown when the box has no message
inline constexpr char TimerMessage[] = "ファイルタイマーの設定：";  // design text of LMsg1
inline constexpr char Seconds[] = "秒";  // default unit
inline constexpr char Hint1[] = "１";  // hint of SpinButton1
inline constexpr char Hint10[] = "１０";  // hint of SpinButton2
inline constexpr char Hint60[] = "６０";  // hint of SpinButton3
inline constexpr char Set[] = "設 定";  // Button1
inline constexpr char Cancel[] = "中 止";  // Button4
inline constexpr char QuestionTarget[] = "を、";  // after the target name in the question
inline constexpr char QuestionEnd[] = "に、設定します";  // after value and unit in the question
}  // namespace TmSETText
