#pragma once
// The texts vantro-wav shows about a list file it cannot read.
#include <string>

namespace CliListTexts {
inline const std::string LoadFailed = "読み込みに失敗しました・・・";
inline const std::string CheckExists = "ファイルが存在するか確認して下さい。";
}  // namespace CliListTexts
