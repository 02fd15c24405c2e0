#pragma once
// The captions and hints of the cut face's time lists, registered times,
// play modes and face switch.

namespace CutFaceTexts {

// The time lists and their subdivision buttons.
inline constexpr char ListAllHint[] = "等間隔タイムリスト";
inline constexpr char IntervalHint[] = "等間隔タイムの選択";
inline constexpr char List60sHint[] = "１分間隔タイムリスト";
inline constexpr char List10sHint[] = "１０秒間隔タイムリスト";
inline constexpr char List1sHint[] = "１秒間隔タイムリスト";
inline constexpr char List100msHint[] = "１００ミリ秒間隔タイムリスト";
inline constexpr char List10msHint[] = "１０ミリ秒間隔タイムリスト";
inline constexpr char List1msHint[] = "１ミリ秒間隔タイムリスト";
inline constexpr char To60s[] = ">60s";
inline constexpr char To10s[] = ">10s";
inline constexpr char To1s[] = ">1s";
inline constexpr char To100ms[] = ">100ms";
inline constexpr char To10ms[] = ">10ms";
inline constexpr char To1ms[] = ">1ms";
inline constexpr char To60sHint[] = "６０秒間隔に細分化";
inline constexpr char RegisteredTo60sHint[] = "登録タイムを細分化する";
inline constexpr char PositionTo60sHint[] = "現在の再生タイムを細分化する";
inline constexpr char To10sHint[] = "１０秒間隔に細分化";
inline constexpr char To1sHint[] = "１秒間隔に細分化";
inline constexpr char To100msHint[] = "１００ミリ秒間隔に細分化";
inline constexpr char To10msHint[] = "１０ミリ秒間隔に細分化";
inline constexpr char To1msHint[] = "１ミリ秒間隔に細分化";
inline constexpr char On1ms[] = "on";
inline constexpr char Off1ms[] = "off";
inline constexpr char On1msHint[] = "１ミリ秒リストを表示する";
inline constexpr char Off1msHint[] = "１ミリ秒リストを消す";
inline constexpr char TotalTimeHint[] = "総再生時間（秒）";
inline constexpr char PlayTimeHint[] = "再生時間（秒）";

// The registered times.
inline constexpr char RegisteredHint[] = "登録タイムリスト";
inline constexpr char Register[] = "<登録";
inline constexpr char RegisterPositionHint[] = "現在の再生タイムを登録する";
inline constexpr char RegisterSelectedHint[] = "選択タイムを登録タイムリストに登録する";
inline constexpr char Delete[] = "登録削除";
inline constexpr char DeleteHint[] = "登録タイムを削除する（選択のみ）";

// The play modes.
inline constexpr char PlayModeCaption[] = "PLAY mode";
inline constexpr char PlayModeHint[] = "再生モードの選択";
inline constexpr const char* PlayModes[] = {"end", "ゾーン", "連続", "スキップ", "リピート", "OFF"};
inline constexpr char SpecialModeCaption[] = "特殊再生モード";
inline constexpr char SpecialModeHint[] = "特殊再生モードの選択";
inline constexpr const char* SpecialModes[] = {"Start 5", "end　5", "無E100", "無S100", "OFF"};
inline constexpr char RenzokuHint[] = "スタートタイム、連続再生対象色の表示／選択";

// The stop button and the face switches.
inline constexpr char Stop[] = "停 止";
inline constexpr char ToFileFace[] = "File_Select";
inline constexpr char ToFileFaceHint[] = "WAVファイル選択画面に切り替える";
inline constexpr char ToCutFace[] = "WAV分割画面";
inline constexpr char ToCutFaceHint[] = "wavファイル分割画面に切り替える";
inline constexpr char NoFilesToCutText[] = "登録データがありません・・・";

}  // namespace CutFaceTexts
