#include "SettingsColours.h"

#include <array>

namespace {

struct IndexColours {
    std::uint32_t panel;   // RENZOKU
    std::uint32_t text;    // PTS text
    std::uint32_t marker;  // PTS background
};

// Indexes 1 to 6: blue, red, lime, yellow, aqua, fuchsia.
constexpr std::array<IndexColours, 6> Table = {{
    {0xFF0000, 0xFFFFFF, 0xFF0000},
    {0x0000FF, 0xFFFFFF, 0x0000FF},
    {0x00FF00, 0x000000, 0x00FF00},
    {0x00FFFF, 0x000000, 0x00FFFF},
    {0xFFFF00, 0x000000, 0xFFFF00},
    {0xFF00FF, 0xFFFFFF, 0xFF00FF},
}};

const IndexColours* ColoursOf(int index, bool startTimesOn)
{
    if (!startTimesOn || index < 1 || index > static_cast<int>(Table.size())) return nullptr;
    return &Table[static_cast<std::size_t>(index - 1)];
}

}  // namespace

QColor ColourFromBGR(std::uint32_t bbggrr)
{
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

std::optional<QColor> ContinuousPlayColour(int RENZOKU, bool startTimesOn)
{
    const IndexColours* colours = ColoursOf(RENZOKU, startTimesOn);
    if (!colours) return std::nullopt;
    return ColourFromBGR(colours->panel);
}

std::optional<MarkerColours> StartTimeMarkerColours(int PTS, bool startTimesOn)
{
    const IndexColours* colours = ColoursOf(PTS, startTimesOn);
    if (!colours) return std::nullopt;
    return MarkerColours{ColourFromBGR(colours->text), ColourFromBGR(colours->marker)};
}
