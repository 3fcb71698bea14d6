#pragma once

#include "viewer/Palette.h"
#include "viewer/ViewState.h"

#include <array>
#include <span>

namespace bitloom {

inline constexpr int PreviewWidth = 128;
inline constexpr int PreviewHeight = 185;

// The preview canvas: exact colour values, row after row.
struct Preview {
    std::array<ColourValue, PreviewWidth * PreviewHeight> pixels{};

    ColourValue At(int x, int y) const { return pixels[static_cast<std::size_t>(y * PreviewWidth + x)]; }
    void Set(std::int64_t x, std::int64_t y, ColourValue c)
    {
        // Pixels outside the canvas have no effect.
        if (x >= 0 && x < PreviewWidth && y >= 0 && y < PreviewHeight)
            pixels[static_cast<std::size_t>(y * PreviewWidth + x)] = c;
    }
};

struct DecodeInput {
    std::int32_t colorMode;
    std::int32_t rowBits;
    std::int32_t pictureBits;
    std::int32_t rowCount;
    std::span<const std::uint8_t> window; // bytes past its end read as 0
};

// Fills the canvas with background, then draws the window's bits in the given
// colour mode. Only what the canvas can show is walked; the pixels are those of
// a walk over every bit of the window.
void DecodePreview(const DecodeInput& input, ColourValue background, Preview& preview);

} // namespace bitloom
