#pragma once

#include <array>
#include <cstdint>

namespace bitloom {

// Colour values are 0x00BBGGRR: red in the low byte, blue in the high byte,
// as the catalogue's users know them.
using ColourValue = std::uint32_t;

inline constexpr ColourValue Black = 0x000000;
inline constexpr ColourValue White = 0xFFFFFF;
inline constexpr ColourValue MarginColour = 0x84ACFF;

inline constexpr std::array<ColourValue, 4> FourColourPalette{0xFFFFFF, 0x6B2DBF, 0xAA7300, 0x85A43E};
inline constexpr std::array<ColourValue, 4> GreyPalette{0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000};

constexpr std::uint8_t RedOf(ColourValue c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(ColourValue c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(ColourValue c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
constexpr ColourValue MakeColour(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return static_cast<ColourValue>(r) | (static_cast<ColourValue>(g) << 8) | (static_cast<ColourValue>(b) << 16);
}

} // namespace bitloom
