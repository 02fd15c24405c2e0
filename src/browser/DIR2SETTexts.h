#pragma once
// The texts of the folder-setting dialog, in UTF-8.

namespace DIR2SETText {
inline constexpr char Caption[] = "フォルダーの設定変更";  // caption, followed by the request's title
inline constexpr char FormHint[] = "設定されたフォルダーでは、ファイルの削除／上書きが実行されます　十分注意して設定してね☆";  // hint of the form
inline constexpr char Overwrites[] = "ﾌｧｲﾙの上書き削除をします";  // Label3
inline constexpr char ChooseEmpty[] = "ﾌｧｲﾙの無いﾌｫﾙﾀﾞｰを選ぶ事";  // Label4
inline constexpr char FolderSetting[] = "ﾌｫﾙﾀﾞｰの設定：";  // Label1, after the name
inline constexpr char FolderWarning[] = "ﾌｫﾙﾀﾞｰでは";  // Label2, after the name
inline constexpr char Set[] = "設定";  // Button4
inline constexpr char SetHint[] = "フォルダーを変更する";  // hint of Button4
inline constexpr char Cancel[] = "中止";  // Button3
inline constexpr char CancelHint[] = "変更を中止する";  // hint of Button3
inline constexpr char Browse[] = "参照";  // Button2
inline constexpr char BrowseHint[] = "既にあるフォルダーから選択する";  // hint of Button2
inline constexpr char Default[] = "初期値";  // Button1
inline constexpr char DefaultHint[] = "初期設定値に戻す";  // hint of Button1
inline constexpr char BrowseCaption[] = "フォルダーの参照";  // caption of the folder browser
inline constexpr char EnterFolder[] = "フォルダーを設定して下さい。";  // Button4 with an empty edit box
inline constexpr char CreateQuestion[] = "フォルダーを作成します";  // after the path and a line break
inline constexpr char Registered[] = "フォルダーを登録しました";  // after "[ path ]" and a line break
inline constexpr char Invalid[] = "データが不正です";  // after "[ path ]" and a line break
inline constexpr char CreationFailed[] = "フォルダーの作成に失敗しました・・・";  // a level could not be created
inline constexpr char Cancelled[] = "変更を中止します";  // Button3
inline constexpr char MustRegister[] = "データを登録しないと終了出来ません\n初期値を登録して下さい☆☆☆";  // closing with no folder registered
}  // namespace DIR2SETText
