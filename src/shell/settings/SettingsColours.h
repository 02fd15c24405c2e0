#pragma once
// The colours of the stored colour indexes: RENZOKU colours the
// continuous-play panel, PTS the start-time marker (text on background).
// Colours are given as 0x00BBGGRR values.
#include <QColor>

#include <cstdint>
#include <optional>

// The colour of a 0x00BBGGRR value (red in the low byte).
QColor ColourFromBGR(std::uint32_t bbggrr);

// The colour of Panel_RENZOKU; none: the parent's colour (index 0, an index
// outside 1-6, or start times off).
std::optional<QColor> ContinuousPlayColour(int RENZOKU, bool startTimesOn);

struct MarkerColours {
    QColor text;
    QColor background;
    bool operator==(const MarkerColours&) const = default;
};

// The colours of the start-time marker; none: the default look (index 0, an
// index outside 1-6, or start times off).
std::optional<MarkerColours> StartTimeMarkerColours(int PTS, bool startTimesOn);
