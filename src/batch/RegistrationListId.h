#pragma once
// The five registration lists: the files to cut on the file face, and the
// lists of the conversion, join, separation and reversal tabs.
#include <QString>

#include <array>

enum class RegList { M, G, K, LR, REV };
inline constexpr std::array<RegList, 5> AllRegLists{RegList::M, RegList::G, RegList::K, RegList::LR, RegList::REV};
// The lists of the batch tabs.
inline constexpr std::array<RegList, 4> StoredRegLists{RegList::G, RegList::K, RegList::LR, RegList::REV};

inline int RegListIndex(RegList list) { return static_cast<int>(list); }

// The list file of a list: the program folder + the program word + "MM.VEW"
// (the files to cut), "MG.VEW", "MK.VEW", "ML.VEW" or "MR.VEW".
QString RegistrationListPath(RegList list, const QString& programWord);
