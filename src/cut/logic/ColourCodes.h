#pragma once
// The colour codes of start times, continuous play and the cut filters:
// 0 none, 1 blue, 2 red, 3 lime, 4 yellow, 5 aqua, 6 pink. Colours are
// 0x00BBGGRR values, as the settings keep them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr int ColourCodeCount = 7;

struct CodeColours {
    uint32_t background;
    uint32_t text;
};

// Background and text of codes 1 to 6; index 0 is unused (the default look).
inline constexpr std::array<CodeColours, ColourCodeCount> CodeColourTable = {{
    {0x000000, 0x000000},
    {0xFF0000, 0xFFFFFF},  // blue
    {0x0000FF, 0xFFFFFF},  // red
    {0x00FF00, 0x000000},  // lime
    {0x00FFFF, 0x000000},  // yellow
    {0xFFFF00, 0x000000},  // aqua
    {0xFF00FF, 0xFFFFFF},  // pink
}};

// The code of a StartList entry: its first character "1" to "6" gives 1 to 6;
// anything else (an empty entry) none.
std::optional<int> CodeOf(const std::string& entry);
