#pragma once
// The main window's texts: menu captions, tab captions, field labels and
// the messages of its own commands. Each is defined here once.

namespace WindowTexts {

// Menu items, by item name.
inline constexpr char MF_KIROKU[] = "カット記録一覧表示.";
inline constexpr char MF_KIROKUCLR[] = "カット記録を削除する...";
inline constexpr char MF_CUT_TXT[] = "前回のカット一覧再表示...";
inline constexpr char MF_No_Memo[] = "カット記録を表示しない";
inline constexpr char MF_ALL[] = "ALL(*.*)選択にする";
inline constexpr char MF_FileOnly[] = "ファイル名のみ表示する";
inline constexpr char MF_AUTO_NAME[] = "自動分割ファイル名を、短くする";
inline constexpr char MF_SAVE_NAME[] = "分割ファイル名を自分で付ける";
inline constexpr char MF_SAVE_DIR[] = "分割WAVファイル登録先";
inline constexpr char MO_FUN[] = "分単位にする";
inline constexpr char MO_M_SORT[] = "メモリーソートON";
inline constexpr char MO_ST_TM[] = "スタートタイムを有効にする";
inline constexpr char BackColor[] = "バックカラーを標準色とする";
inline constexpr char TALVO_COLOR[] = "ＴＡＬＶＯ色";
inline constexpr char MICON_SET[] = "アイコンを、スタートアップにも、登録する (&S)";
inline constexpr char MICON_DEL[] = "アイコンを、スタートアップから、削除する (&S)";
inline constexpr char MDESK_SET[] = "アイコンを、デスクトップにも、登録する (&D)";
inline constexpr char MDESK_DEL[] = "アイコンを、デスクトップから、削除する (&D)";
inline constexpr char PAKI[] = "全ﾄﾞﾗｲﾌﾞ空きサイズ一覧";
inline constexpr char MO_VOL_PLAY[] = "再生の音量";
inline constexpr char MO_VOL_REC[] = "録音の音量";
inline constexpr char MO_VOL_ETC[] = "その他の音量";
inline constexpr char MO_VOL_SMALL[] = "音量を小さいウィンドウで開く";
inline constexpr char HELP_MOKUJI[] = "ヘルプ...(&H)";
inline constexpr char HELP_KEYWORD[] = "キーワードで検索...(&K)";
inline constexpr char HELP3[] = "ミニヘルプＯＮ(&M)";
inline constexpr char MHELP_VERCUT[] = "ﾊﾞｰｼﾞｮﾝ番号削除...(&C)";
inline constexpr char MHELP_UNINSTALL[] = "アンインストール";

// Batch tabs of PageControl1, TabSheet1 to TabSheet6.
inline constexpr char TabSheet1[] = "ファイル毎に変換する";
inline constexpr char TabSheet2[] = "ファイル結合";
inline constexpr char TabSheet3[] = "左右分離";
inline constexpr char TabSheet4[] = "左右反転";
inline constexpr char TabSheet5[] = "リスト結合";
inline constexpr char TabSheet6[] = "一括リネーム";

// The file face's status line.
inline constexpr char PlayFileLabel[] = "Play_FileName :";

// Messages of the shortcut and version commands.
inline constexpr char NoStartupGroup[] = "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません";
inline constexpr char DesktopAlreadySet[] = "デスクトップには、既に登録されています☆☆☆";
inline constexpr char DesktopSetFailed[] = "デスクトップへの登録に失敗しました・・・";
inline constexpr char VersionDeleteAsk[] = "バージョン番号削除：\n組み込みソフトを再起動させたい時に使います。\nなお、バージョンが違う時は、組み込みソフトが自動起動するので、\nバージョン番号を削除する必要無しです。\nバージョン番号を削除してもよろしいですか？？？";
inline constexpr char VersionDeleteCancelled[] = "バージョン番号削除を中止しました・・・";

// Captions of the top-level menus and of the items that have none of their
// own, and the failures of the desktop services.
inline constexpr char MenuFile[] = "ファイル(&F)";
inline constexpr char MenuOption[] = "オプション(&O)";
inline constexpr char MenuHelp[] = "ヘルプ(&H)";
inline constexpr char MF_X[] = "終了(&X)";
inline constexpr char HELP_HELP[] = "ヘルプの使い方(&U)";
inline constexpr char StartupSetFailed[] = "スタートアップへの登録に失敗しました・・・";
inline constexpr char StartupDeleteFailed[] = "スタートアップからの削除に失敗しました・・・";
inline constexpr char DesktopDeleteFailed[] = "デスクトップからの削除に失敗しました・・・";
inline constexpr char HelpOpenFailed[] = "ヘルプを表示できませんでした・・・";
inline constexpr char DriveReportSaveFailed[] = "全ﾄﾞﾗｲﾌﾞ空きサイズ一覧を保存できませんでした・・・";
inline constexpr char DriveReportOpenFailed[] = "全ﾄﾞﾗｲﾌﾞ空きサイズ一覧を表示できませんでした・・・";
inline constexpr char VolumeControlMissing[] =
    "音量を調整するプログラムが見つかりません・・・\n"
    "pavucontrol をインストールして下さい。";
inline constexpr char VolumeControlStartFailed[] = "音量を調整するプログラムを起動できませんでした・・・";
inline constexpr char NotWavFiles[] = "WAVファイルではないか、見つからないため登録しませんでした・・・";
inline constexpr char LauncherComment[] = "WAVファイルのカットと一括処理";
inline constexpr char LauncherEnglishComment[] = "Cut WAV recordings by ear and batch-process WAV files";

}  // namespace WindowTexts
