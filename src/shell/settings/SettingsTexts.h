#pragma once
// The texts of the settings holders: button captions of the batch tabs,
// the folder-setting captions and the first-run notice, in UTF-8.

namespace SettingsText {
inline constexpr char HeadSilence[] = "前無 ";  // before the head silence of a batch tab, "前無 0.5秒"
inline constexpr char TailSilence[] = "後無 ";  // before the tail silence
inline constexpr char FadeIn[] = "イン ";  // before the fade-in seconds
inline constexpr char FadeOut[] = "アウト ";  // before the fade-out seconds
inline constexpr char Seconds[] = "秒";  // after a time in seconds
inline constexpr char SilenceLength[] = "秒指定";  // after the silence length of PMUON_TM, "0.5秒指定"
inline constexpr char CutBoth[] = "前後カット";  // silence-cut mode 1
inline constexpr char CutHead[] = "前カット";  // silence-cut mode 2
inline constexpr char CutTail[] = "後カット";  // silence-cut mode 3
inline constexpr char CutOff[] = "カットOFF";  // silence-cut mode 0
inline constexpr char SplitFolderCaption[] = "分割WAVファイル登録先";  // caption of the folder-setting dialog for SAVE_DIR
inline constexpr char ConversionFolderCaption[] = "変換先";  // caption of the folder-setting dialog for MUON_DIR
inline constexpr char JoinFolderCaption[] = "結合WAVファイル登録先";  // caption of the folder-setting dialog for WADD_DIR
inline constexpr char SeparationFolderCaption[] = "LR分離WAVファイル登録先";  // caption of the folder-setting dialog for LR_DIR
inline constexpr char ReversalFolderCaption[] = "LR反転WAVファイル登録先";  // caption of the folder-setting dialog for REV_DIR
inline constexpr char ListJoinFolderCaption[] = "リスト結合WAVファイル登録先";  // caption of the folder-setting dialog for KL_DIR
// Shown before the first-run folder questions.
inline constexpr char FirstRunNotice[] = "これより、変換WAVファイル登録先を選択して戴きます。\nここで、設定したフォルダーに変換したWAVファイルが置かれます。\nたっぷり空きがあるドライブを選択して下さい☆☆☆\n\nなお、変換／結合／LR分離の設定を右クリックにて、\nいつでも変更できます☆☆☆";
}  // namespace SettingsText
