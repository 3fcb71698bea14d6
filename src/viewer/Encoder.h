#pragma once

#include "viewer/Palette.h"
#include "viewer/ViewState.h"

#include <cstdint>
#include <optional>
#include <span>

namespace bitloom {

// The four classes a colour falls into when it is packed into two bits a pixel.
enum class ColourClassLetter : char { white = 'w', red = 'r', green = 'g', blue = 'b' };

// The channel that alone holds the largest value; a shared largest value is
// white. The tests run in this order and the first that holds decides.
ColourClassLetter ColourClass(std::uint8_t r, std::uint8_t g, std::uint8_t b);

// The two-bit code of a class: the FourColourPalette index it draws as.
std::uint8_t FourColourCode(ColourClassLetter letter);

// The GreyPalette index whose grey lies nearest to the colour's luminance; a
// colour halfway between two greys takes the lighter one.
std::uint8_t NearestGrey(ColourValue colour);

// A picture to pack: its colours row after row. A position outside it has no
// colour, which packs as white.
struct PixelGrid {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::span<const ColourValue> pixels; // width x height values

    std::optional<ColourValue> At(std::int32_t x, std::int32_t y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return std::nullopt;
        return pixels[static_cast<std::size_t>(static_cast<std::int64_t>(y) * width + x)];
    }
};

// The columns and rows of the picture the packer reads for the geometry and
// colour mode: RowBits columns a row in mode 1, half of them in the two 2 bpp
// modes, none in any other mode.
struct PackArea {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
};
PackArea AreaToPack(const ViewState& state);

// Raises "Picture window too large" for a geometry whose window, or whose packed
// picture, the program will not hold. Nothing changes either way.
void CheckPackable(const ViewState& state);

// Packs the picture into WindowBuffer from byte 0 on, most significant bit
// first, the bits running on from row to row: in mode 1 exactly black and
// MarginColour are 1; in mode 2 each pixel gets the code of its ColourClass,
// MarginColour that of green; in mode 3 the index of its nearest grey,
// MarginColour black. Byte 0 and every byte a bit is packed into are cleared
// first, so the bits after the last one become 0 and later bytes keep their
// values. Other colour modes leave WindowBuffer as it is. The buffer grows to
// hold the packed bytes.
void PackPicture(ViewState& state, const PixelGrid& picture);

} // namespace bitloom
