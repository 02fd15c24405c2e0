#pragma once
// The texts of the list-join tab (TabSheet5) and the rename tab (TabSheet6):
// buttons, menu items, questions and messages, in UTF-8.
namespace LineTabTexts {

// Buttons of both tabs.
inline constexpr char RegisterOutputs[] = "v結合登録";
inline constexpr char RegisterRenameNames[] = "vリネーム名登録";
inline constexpr char AppendAtEnd[] = "最後に追加";
inline constexpr char InsertEvery[] = "個おきに挿入";
inline constexpr char Stop[] = "中 断";
inline constexpr char Load[] = "読み込み";
inline constexpr char ListJoinSettings[] = "リスト結合設定";
inline constexpr char ListJoinRun[] = "リスト結合";
inline constexpr char ListJoinCancel[] = "結合 中断";
inline constexpr char RenameSettings[] = "一括リネーム設定";
inline constexpr char RenameRun[] = "一括リネーム";

// Menu items.
inline constexpr char DeleteSelected[] = "選択のみ削除";
inline constexpr char DeleteAll[] = "全部削除";
inline constexpr char CopyAll[] = "全部コピー";
inline constexpr char PasteAtEnd[] = "最後に貼り付け";
inline constexpr char RenameMenuHeader[] = "一括リネームの設定";

// The list the list-join tab loads, in the program folder.
inline constexpr char ListFileName[] = "KETUGO.TXT";

// Questions and messages.
inline constexpr char AskDeleteSelectedKL[] = "結合リストを選択削除してよろしいですか?";
inline constexpr char AskDeleteAllKL[] = "結合リストをすべて削除してよろしいですか?";
inline constexpr char AskDeleteSelectedIR[] = "一括リネームリストを選択削除してよろしいですか?";
inline constexpr char AskDeleteAllIR[] = "一括リネームリストをすべて削除してよろしいですか?";
inline constexpr char LoadFailed[] = "読み込みに失敗しました・・・";
inline constexpr char LoadCheck[] = "ファイルが存在するか確認して下さい。";

}  // namespace LineTabTexts
