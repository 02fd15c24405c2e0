#pragma once
// The texts of the registered times' exchange: the pause box that proposes
// cut times at the pauses of the cut file, and the reading and writing of
// times as label files, cue sheets and plain lists. UTF-8.

namespace TimeExchangeTexts {

// The cut menu's items, shown on the registered times only.
inline constexpr char P_MUON_TOROKU[] = "無音位置をタイム登録";
inline constexpr char P_TIME_READ[] = "タイムの読み込み...";
inline constexpr char P_TIME_WRITE[] = "タイムの書き出し...";

// The pause box.
inline constexpr char PauseBoxTitle[] = "無音位置をタイム登録";
inline constexpr char MinPauseLabel[] = "無音の長さ（秒以上）";
inline constexpr char Level8Label[] = "8bitレベル";
inline constexpr char Level16Label[] = "16bitレベル";
inline constexpr char PlaceTitle[] = "タイムの位置";
inline constexpr char PlaceStart[] = "無音の始め";
inline constexpr char PlaceMiddle[] = "無音の中央";
inline constexpr char PlaceBefore[] = "音の始まる前（秒）";
inline constexpr char ScanButton[] = "登録";
inline constexpr char StopButton[] = "中断";
inline constexpr char CancelButton[] = "キャンセル";

// After the scan. %1: the number of pauses, %2: the times newly registered.
inline constexpr char PausesRegistered[] = "無音位置 %1 か所、タイム %2 件を登録しました☆☆☆";
inline constexpr char NoPausesFound[] = "無音位置が見つかりませんでした・・・";
inline constexpr char PauseScanStopped[] = "無音位置の検索を中断しました・・・";
inline constexpr char NoCutFile[] = "カットするファイルが選ばれていません・・・";

// Reading and writing times.
inline constexpr char ReadTitle[] = "タイムの読み込み";
inline constexpr char WriteTitle[] = "タイムの書き出し";
inline constexpr char TimesFilter[] = "ラベル・キューシート・タイムリスト (*.txt *.cue *.TXT *.CUE)";
inline constexpr char LabelFilter[] = "ラベルファイル (*.txt)";
inline constexpr char CueFilter[] = "キューシート (*.cue)";
inline constexpr char AllFilter[] = "すべてのファイル (*)";
// %1: the times newly registered.
inline constexpr char TimesReadDone[] = "タイム %1 件を登録しました☆☆☆";
// %1: lines that are no time or times beyond the file's length.
inline constexpr char TimesLeftOut[] = "タイムでない行と、ファイルの長さを超えるタイム %1 件は除きました。";
// %1: times whose name found no colour.
inline constexpr char TimesUnnamed[] = "色が足りないため、%1 件のタイムには分類名を付けていません。";
inline constexpr char ReadFailed[] = "ファイルを読み込めませんでした・・・";
inline constexpr char WriteFailed[] = "ファイルを書き出せませんでした・・・";
inline constexpr char FileExists[] = "このファイルは既に存在します・・・";
inline constexpr char TimesWritten[] = "タイムを書き出しました☆☆☆";
// %1: the parts a cue sheet cannot hold.
inline constexpr char CueTracksLeftOut[] = "キューシートは 99 トラックまでのため、%1 件は書き出していません。";

}  // namespace TimeExchangeTexts
