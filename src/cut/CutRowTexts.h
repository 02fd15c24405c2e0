#pragma once
// The texts of the cut file's row: labels, hints and the name patterns that
// Label_SFn_Last shows after the save base name.

namespace CutRowTexts {

inline constexpr char ComboBox1Hint[] = "カットファイルの選択";
inline constexpr char CutFileLabel[] = "CUT_FILE :";
inline constexpr char CutFileHint[] = "カットファイル名";
inline constexpr char SaveDirLabel[] = "SAVE_DIR :";
inline constexpr char SaveDirHint[] = "分割ファイルセーブ先フォルダ名";
inline constexpr char SaveFileLabel[] = "SAVE_FILE :";
inline constexpr char SaveFileHint[] = "セーブファイル名";
// Label_SFn_Last: the pattern of long and of short part names, followed by
// the cut file's extension.
inline constexpr char LongNamePattern[] = "_YYMMDD_HHMMSS_TTTTTT";
inline constexpr char ShortNamePattern[] = "_cNNN_TTTTTT";
inline constexpr char NamePatternHint[] = "セーブファイルには、分割タイム等が付加されます";

}  // namespace CutRowTexts
