#pragma once
// The texts of the installer window and of the uninstaller.

namespace InstallerTexts {
inline constexpr char Title[] = "VANTRO の準備";
// %1: the version, %2: the program group.
inline constexpr char Intro[] =
    "VANTRO を使うための準備をします。\n\n"
    "・設定を作ります（バージョン %1、プログラムグループ「%2」）。\n"
    "・アプリケーションの一覧に VANTRO を登録します。\n\n"
    "「ＯＫ」を押すと準備をして、VANTRO のウィンドウを開きます。\n"
    "「キャンセル」を押すと、何もせずに終わります。";
inline constexpr char LauncherFailed[] =
    "アプリケーションの一覧への登録に失敗しました・・・\n設定は作られましたので、このまま VANTRO を使えます。";
inline constexpr char UninstallAsk[] =
    "VANTRO の削除：\nVANTRO の設定と、アプリケーションの一覧・スタートアップ・デスクトップのアイコンを削除します。\n"
    "よろしいですか？？？";
inline constexpr char UninstallDone[] = "VANTRO の設定とアイコンを削除しました☆☆☆";
// Followed by the launchers that are left, one per line.
inline constexpr char UninstallLeft[] = "次のアイコンを削除できませんでした・・・";
// After the removal, for a program installed by a package; %1: its folder.
inline constexpr char ProgramStays[] =
    "プログラム本体（%1）は残っています。\n"
    "パッケージで入れたときは「sudo apt remove vantro」で削除できます。";
inline constexpr char UninstallCancelled[] = "VANTRO の削除を中止しました・・・";
}  // namespace InstallerTexts
