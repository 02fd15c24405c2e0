#pragma once
// The texts of the batch rename.
#include <string>

namespace RenameTexts {
inline const std::string Started = "一括リネーム開始☆";
inline const std::string Finished = "一括リネーム終了☆☆☆";
inline const std::string SummaryHead = "一括リネーム\n";
inline const std::string SummaryCount = "個リネームしました☆☆☆";
}  // namespace RenameTexts
