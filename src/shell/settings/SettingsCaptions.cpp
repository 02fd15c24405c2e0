#include "SettingsCaptions.h"

#include "SettingsTexts.h"

namespace {

QString SecondsCaption(const char* prefix, int whole, int fraction)
{
    return QString::fromUtf8(prefix) + QString::number(whole) + QLatin1Char('.') + QString::number(fraction) +
           QString::fromUtf8(SettingsText::Seconds);
}

QString SecondsCaption(const char* prefix, int seconds)
{
    return QString::fromUtf8(prefix) + QString::number(seconds) + QString::fromUtf8(SettingsText::Seconds);
}

bool IsTabIndex(int index) { return index >= 0 && index < BatchTabCount; }

}  // namespace

QString HeadSilenceCaption(int whole, int fraction) { return SecondsCaption(SettingsText::HeadSilence, whole, fraction); }
QString TailSilenceCaption(int whole, int fraction) { return SecondsCaption(SettingsText::TailSilence, whole, fraction); }
QString FadeInCaption(int seconds) { return SecondsCaption(SettingsText::FadeIn, seconds); }
QString FadeOutCaption(int seconds) { return SecondsCaption(SettingsText::FadeOut, seconds); }

QString SilenceLengthCaption(int tenths)
{
    return QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10) +
           QString::fromUtf8(SettingsText::SilenceLength);
}

int SilenceCutMode(int stored) { return stored >= 0 && stored <= 3 ? stored : 0; }

QString SilenceCutCaption(int mode)
{
    switch (mode) {
    case 1: return QString::fromUtf8(SettingsText::CutBoth);
    case 2: return QString::fromUtf8(SettingsText::CutHead);
    case 3: return QString::fromUtf8(SettingsText::CutTail);
    default: return QString::fromUtf8(SettingsText::CutOff);
    }
}

bool SilenceLevelsEnabled(int mode) { return SilenceCutMode(mode) != 0; }

int TabIndexFromTSNo(int TSNo) { return IsTabIndex(TSNo) ? TSNo : 0; }

int TSNoFromTabIndex(int index) { return IsTabIndex(index) ? index : BatchTabCount; }
