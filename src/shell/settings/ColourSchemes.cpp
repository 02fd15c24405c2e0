#include "ColourSchemes.h"

#include "SettingsColours.h"

void ClickTalvoColour(SettingsValues& values)
{
    values.TALVO_COLOR = !values.TALVO_COLOR;
    if (values.TALVO_COLOR && values.BackColor) ClickBackColour(values);
}

void ClickBackColour(SettingsValues& values)
{
    values.BackColor = !values.BackColor;
    if (values.BackColor && values.TALVO_COLOR) ClickTalvoColour(values);
}

void SettleColourSchemesAtStartUp(SettingsValues& values)
{
    if (values.TALVO_COLOR && values.BackColor) values.BackColor = false;
}

WindowColours MainWindowColours(bool talvoColour, const QPalette& system)
{
    if (talvoColour) return {ColourFromBGR(0x008000), ColourFromBGR(0xFFFFFF)};
    return {system.color(QPalette::Button), system.color(QPalette::WindowText)};
}

QColor ListColour(bool backColour, const QPalette& system, const QColor& parent)
{
    return backColour ? system.color(QPalette::Base) : parent;
}
