#pragma once
// The captions and states of the controls that show stored numbers: the
// silence and fade buttons of the batch tabs, the silence length choice, the
// silence-cut button, and the active batch tab.
#include <QString>

// "前無 " + whole + "." + fraction + "秒" (Btn_MUON_MAE_G, _K, _KL).
QString HeadSilenceCaption(int whole, int fraction);
// "後無 " + whole + "." + fraction + "秒" (Btn_MUON_ATO_G, _K, _KL).
QString TailSilenceCaption(int whole, int fraction);
// "イン " + seconds + "秒" (Btn_FAID_IN_G, _K, _KL).
QString FadeInCaption(int seconds);
// "アウト " + seconds + "秒" (Btn_FAID_OUT_G, _K, _KL).
QString FadeOutCaption(int seconds);
// (tenths div 10) + "." + (tenths mod 10) + "秒指定" (PMUON_TM): 25 gives 2.5秒指定.
QString SilenceLengthCaption(int tenths);

// The silence-cut mode of a stored MCUTF_G: 0 to 3 as they are, any other number 0.
int SilenceCutMode(int stored);
// Caption of Btn_MCUT_G: 1 "前後カット", 2 "前カット", 3 "後カット", else "カットOFF".
QString SilenceCutCaption(int mode);
// Whether Btn_ML8_G, Btn_ML16_G, Edit_ML8_G and Edit_ML16_G are enabled.
bool SilenceLevelsEnabled(int mode);

// The six batch tab sheets, TabSheet1 to TabSheet6.
inline constexpr int BatchTabCount = 6;
// The tab sheet index a stored TSNo selects; a number outside 0-5 selects the first.
int TabIndexFromTSNo(int TSNo);
// The TSNo of the active tab sheet's index; 6 when none of the six is active.
int TSNoFromTabIndex(int index);
