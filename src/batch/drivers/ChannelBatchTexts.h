#pragma once
// The texts of the separation, reversal and fmt batches; the texts all batch
// runs share (stop notice, thanks, nothing selected, re-read failure, no free
// name) are the conversion batch's.
#include <string>

struct ChannelBatchTexts {
    std::string start;
    std::string progress;
    std::string titles[2];      // the save-name dialog title per output
    std::string sizeLabels[2];  // the free-space message's size label per output
    std::string failurePrefix;
    std::string end;
    std::string summaryHead;
    std::string countLead;  // before the count in the summary
    std::string countText;
};

namespace ChannelTexts {
inline const ChannelBatchTexts Separation{
    "分離開始☆☆☆", "分離中:", {"ＷＡＶ左ファイル名", "ＷＡＶ右ファイル名"}, {"L分離サイズ:", "R分離サイズ:"},
    "LR分離に失敗しました・・・\n", "分離終了☆☆☆", "LRチャンネル分離\n", "LR合計 ", "個作成しました☆☆☆"};
inline const ChannelBatchTexts Reversal{
    "反転開始☆☆☆", "反転中:", {"LR反転ファイル名", "LR反転ファイル名"}, {"LR反転サイズ:", "LR反転サイズ:"},
    "LR反転に失敗しました・・・\n", "反転終了☆☆☆", "LRチャンネル反転\n", "", "個反転しました☆☆☆"};
inline const ChannelBatchTexts Fmt{"fmtヘッダー 18>>16変換開始☆☆☆",
                                   "fmtヘッダー 18>>16変換中:",
                                   {"ＷＡＶ左ファイル名", "ＷＡＶ左ファイル名"},
                                   {"fmtヘッダー 18>>16変換サイズ:", "fmtヘッダー 18>>16変換サイズ:"},
                                   "fmtヘッダー 18>>16変換に失敗しました・・・\n",
                                   "fmtヘッダー 18>>16変換終了☆☆☆",
                                   "fmtヘッダー 18>>16変換\n",
                                   "",
                                   "個変換しました☆☆☆"};
}  // namespace ChannelTexts
