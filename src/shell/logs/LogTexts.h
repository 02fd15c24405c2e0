#pragma once
// The fixed texts of the operation logs, in UTF-8: for each log its file in the
// work folder, its header lines and the messages of its commands; for each
// show-off option its menu item and settings value; and the menu commands of
// the logs by handler name, so that the main window binds its items by name.
#include <array>

// The nine logs, in menu order.
enum class LogKind { Cut, Conversion, Join, JoinFiles, Separation, Reversal, ListJoin, ListJoinFiles, Rename };
inline constexpr int LogKindCount = 9;

// The show-off options; the two files-used logs share those of their joins.
enum class ShowOffOption { Cut, Conversion, Join, Separation, Reversal, ListJoin, Rename };
inline constexpr int ShowOffOptionCount = 7;

// What a log command does.
enum class LogOperation { ShowRecord, ClearRecord, ShowLastFile, ToggleShowOff };

namespace LogText {
inline constexpr char ColumnHeader[] = "rate /bit/channel タイム      サイズ ファイル名";  // not in the cut log
inline constexpr char Dashes[] = "----------------------------------------";
}  // namespace LogText

struct LogTexts {
    LogKind kind;
    ShowOffOption showOff;
    const char* fileName;       // in the work folder
    const char* title;          // followed by the time stamp
    const char* countText;      // after the number of lines
    bool columnHeader;          // the record has the column-header line
    const char* showError;      // the viewer did not open after Show record
    const char* lastFileError;  // the viewer did not open the last file
    const char* clearQuestion;  // empty: the log has no clear command
    const char* clearCancelled;
};

inline constexpr std::array<LogTexts, LogKindCount> kLogTexts = {{
    {LogKind::Cut, ShowOffOption::Cut, "CUT$$$$.TXT", "カットデータ一覧　", "個 カットしました。", false,
     "CUT一覧ｴﾗｰ：メモリーが確保できません", "エラー：CUT一覧表示に失敗しました・・・",
     "カット記録削除：\nカット記録を削除してよろしいですか？？？", "カット記録削除を中止しました。"},
    {LogKind::Conversion, ShowOffOption::Conversion, "HENKAN$$.TXT", "変換データ一覧　", "個 変換しました。", true,
     "変換一覧ｴﾗｰ：メモリーが確保できません", "エラー：変換一覧表示に失敗しました・・・",
     "変換記録削除：\n変換記録を削除してよろしいですか？？？", "変換記録削除を中止しました。"},
    {LogKind::Join, ShowOffOption::Join, "KETUGO$$.TXT", "結合データ一覧　", "個 結合ファイルが作成されました。", true,
     "結合一覧ｴﾗｰ：メモリーが確保できません", "エラー：結合一覧表示に失敗しました・・・",
     "結合記録削除：\n結合記録を削除してよろしいですか？？？", "結合記録削除を中止しました。"},
    {LogKind::JoinFiles, ShowOffOption::Join, "KETUGO2$.TXT", "今回結合に使われたファイル一覧　", "個 結合に使われました。", true,
     "今回結合一覧ｴﾗｰ：メモリーが確保できません", "エラー：結合につかわれた一覧表示に失敗しました・・・",
     "", ""},
    {LogKind::Separation, ShowOffOption::Separation, "LR$$.TXT", "LR分離データ一覧　", "個 LR分離しました。", true,
     "LR分離一覧ｴﾗｰ：メモリーが確保できません", "エラー：LR分離一覧表示に失敗しました・・・",
     "LR分離記録削除：\nLR分離記録を削除してよろしいですか？？？", "LR分離記録削除を中止しました。"},
    {LogKind::Reversal, ShowOffOption::Reversal, "REV$$.TXT", "LR反転データ一覧　", "個 LR反転しました。", true,
     "LR反転一覧ｴﾗｰ：メモリーが確保できません", "エラー：LR反転一覧表示に失敗しました・・・",
     "LR反転記録削除：\nLR反転記録を削除してよろしいですか？？？", "LR反転記録削除を中止しました。"},
    {LogKind::ListJoin, ShowOffOption::ListJoin, "KL$$.TXT", "リスト結合データ一覧　", "個 結合ファイルが作成されました。", true,
     "結合一覧ｴﾗｰ：メモリーが確保できません", "エラー：リスト結合一覧表示に失敗しました・・・",
     "リスト結合記録削除：\nリスト結合記録を削除してよろしいですか？？？", "リスト結合記録削除を中止しました。"},
    {LogKind::ListJoinFiles, ShowOffOption::ListJoin, "KL2$.TXT", "今回リスト結合に使われたファイル一覧　", "個 リスト結合に使われました。", true,
     "今回リスト結合一覧ｴﾗｰ：メモリーが確保できません", "エラー：リスト結合につかわれた一覧表示に失敗しました・・・",
     "", ""},
    {LogKind::Rename, ShowOffOption::Rename, "IR$$.TXT", "一括リネームデータ一覧　", "個 一括リネームされました。", true,
     "一括リネーム一覧ｴﾗｰ：メモリーが確保できません", "エラー：一括リネーム一覧表示に失敗しました・・・",
     "一括リネーム記録削除：\n一括リネーム記録を削除してよろしいですか？？？", "一括リネーム記録削除を中止しました。"},
}};

struct ShowOffTexts {
    ShowOffOption option;
    const char* menuItem;     // the check item of the menu
    const char* caption;
    const char* settingName;  // empty: the option is not stored and starts unchecked
};

inline constexpr std::array<ShowOffTexts, ShowOffOptionCount> kShowOffTexts = {{
    {ShowOffOption::Cut, "MF_No_Memo", "カット記録を表示しない", "No_Memo"},
    {ShowOffOption::Conversion, "P_HENKAN_NO", "変換記録を表示しない", "HENKAN_NO"},
    {ShowOffOption::Join, "P_KETUGO_NO", "結合記録を表示しない", "KETUGO_NO"},
    {ShowOffOption::Separation, "P_LR_NO", "LR分離記録を表示しない", "LR_NO"},
    {ShowOffOption::Reversal, "P_REV_NO", "LR反転記録を表示しない", "REV_NO"},
    {ShowOffOption::ListJoin, "P_KL_NO", "結合記録を表示しない", ""},
    {ShowOffOption::Rename, "P_IR_NO", "一括リネーム記録を表示しない", ""},
}};

struct LogCommand {
    const char* name;     // the menu handler, e.g. "P_HENKAN_KIROKUClick"
    const char* caption;  // the menu item's caption
    LogKind log;
    LogOperation operation;
};

inline constexpr std::array<LogCommand, 32> kLogCommands = {{
    {"MF_KIROKUClick", "カット記録一覧表示.", LogKind::Cut, LogOperation::ShowRecord},
    {"MF_KIROKUCLRClick", "カット記録を削除する...", LogKind::Cut, LogOperation::ClearRecord},
    {"MF_CUT_TXTClick", "前回のカット一覧再表示...", LogKind::Cut, LogOperation::ShowLastFile},
    {"MF_No_MemoClick", kShowOffTexts[0].caption, LogKind::Cut, LogOperation::ToggleShowOff},
    {"P_HENKAN_KIROKUClick", "変換記録一覧表示...", LogKind::Conversion, LogOperation::ShowRecord},
    {"P_HENKAN_KIROKUCLRClick", "変換記録を削除する...", LogKind::Conversion, LogOperation::ClearRecord},
    {"P_HENKAN_TXTClick", "前回の変換一覧再表示...", LogKind::Conversion, LogOperation::ShowLastFile},
    {"P_HENKAN_NOClick", kShowOffTexts[1].caption, LogKind::Conversion, LogOperation::ToggleShowOff},
    {"P_KETUGO_KIROKUClick", "結合記録一覧表示...", LogKind::Join, LogOperation::ShowRecord},
    {"P_KETUGO_KIROKUCLRClick", "結合記録を削除する...", LogKind::Join, LogOperation::ClearRecord},
    {"P_KETUGO_TXTClick", "前回の結合一覧再表示...", LogKind::Join, LogOperation::ShowLastFile},
    {"P_KETUGO_NOClick", kShowOffTexts[2].caption, LogKind::Join, LogOperation::ToggleShowOff},
    {"P_KETUGO2_KIROKUClick", "今回使われたファイル一覧", LogKind::JoinFiles, LogOperation::ShowRecord},
    {"P_KETUGO2_TXTClick", "前回使われたファイル一覧再表示...", LogKind::JoinFiles, LogOperation::ShowLastFile},
    {"P_LR_KIROKUClick", "LR分離記録一覧表示...", LogKind::Separation, LogOperation::ShowRecord},
    {"P_LR_KIROKUCLRClick", "LR分離記録を削除する...", LogKind::Separation, LogOperation::ClearRecord},
    {"P_LR_TXTClick", "前回のLR分離一覧再表示...", LogKind::Separation, LogOperation::ShowLastFile},
    {"P_LR_NOClick", kShowOffTexts[3].caption, LogKind::Separation, LogOperation::ToggleShowOff},
    {"P_REV_KIROKUClick", "LR反転記録一覧表示...", LogKind::Reversal, LogOperation::ShowRecord},
    {"P_REV_KIROKUCLRClick", "LR反転記録を削除する...", LogKind::Reversal, LogOperation::ClearRecord},
    {"P_REV_TXTClick", "前回のLR反転一覧再表示...", LogKind::Reversal, LogOperation::ShowLastFile},
    {"P_REV_NOClick", kShowOffTexts[4].caption, LogKind::Reversal, LogOperation::ToggleShowOff},
    {"P_KL_KIROKUClick", "結合記録一覧表示...", LogKind::ListJoin, LogOperation::ShowRecord},
    {"P_KL_KIROKUCLRClick", "結合記録を削除する...", LogKind::ListJoin, LogOperation::ClearRecord},
    {"P_KL_TXTClick", "前回の結合一覧再表示...", LogKind::ListJoin, LogOperation::ShowLastFile},
    {"P_KL_NOClick", kShowOffTexts[5].caption, LogKind::ListJoin, LogOperation::ToggleShowOff},
    {"P_KL2_KIROKUClick", "今回使われたファイル一覧", LogKind::ListJoinFiles, LogOperation::ShowRecord},
    {"P_KL2_TXTClick", "前回使われたファイル一覧再表示...", LogKind::ListJoinFiles, LogOperation::ShowLastFile},
    {"P_IR_KIROKUClick", "一括リネーム記録一覧表示...", LogKind::Rename, LogOperation::ShowRecord},
    {"P_IR_KIROKUCLRClick", "一括リネーム記録を削除する...", LogKind::Rename, LogOperation::ClearRecord},
    {"P_IR_TXTClick", "前回の一括リネーム一覧再表示...", LogKind::Rename, LogOperation::ShowLastFile},
    {"P_IR_NOClick", kShowOffTexts[6].caption, LogKind::Rename, LogOperation::ToggleShowOff},
}};

// Each table is indexed by its enum.
inline constexpr bool LogTablesInOrder()
{
    for (int i = 0; i < LogKindCount; ++i)
        if (static_cast<int>(kLogTexts[i].kind) != i) return false;
    for (int i = 0; i < ShowOffOptionCount; ++i)
        if (static_cast<int>(kShowOffTexts[i].option) != i) return false;
    return true;
}
static_assert(LogTablesInOrder());
