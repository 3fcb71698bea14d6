#include "viewer/Encoder.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "viewer/FlashWindow.h"

#include <algorithm>
#include <cstdlib>

namespace bitloom {

ColourClassLetter ColourClass(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    if (r == g && g == b)
        return ColourClassLetter::white;
    if (r == g && r > b)
        return ColourClassLetter::white;
    if (r == b && r > g)
        return ColourClassLetter::white;
    if (g == b && g > r)
        return ColourClassLetter::white;
    if (g > r && b > g)
        return ColourClassLetter::blue;
    if (g > r && b <= g)
        return ColourClassLetter::green;
    if (g <= r && b > r)
        return ColourClassLetter::blue;
    return ColourClassLetter::red;
}

std::uint8_t FourColourCode(ColourClassLetter letter)
{
    switch (letter) {
    case ColourClassLetter::white: return 0;
    case ColourClassLetter::red: return 1;
    case ColourClassLetter::blue: return 2;
    case ColourClassLetter::green: return 3;
    }
    return 0;
}

std::uint8_t NearestGrey(ColourValue colour)
{
    // Luminance in thousandths, with the weights of television's Y signal, so
    // that a coloured pixel becomes the grey it looks like.
    const std::int64_t luminance = 299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour);
    std::uint8_t best = 0;
    std::int64_t bestDistance = -1;
    for (std::size_t i = 0; i < GreyPalette.size(); ++i) {
        const std::int64_t distance = std::llabs(luminance - 1000 * static_cast<std::int64_t>(RedOf(GreyPalette[i])));
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<std::uint8_t>(i);
            bestDistance = distance;
        }
    }
    return best;
}

PackArea AreaToPack(const ViewState& state)
{
    switch (state.ColorMode) {
    case Mono:
        return {state.RowBits, state.RowCount};
    case FourColours:
    case GreyScale:
        return {state.RowBits / 2, state.RowCount};
    default:
        return {0, state.RowCount};
    }
}

namespace {

int BitsPerPixel(std::int32_t colorMode)
{
    return colorMode == Mono ? 1 : 2;
}

// The number of bytes the packer enters: byte 0 always, then one for every
// eight bits begun. Computed in 64 bits, so that no geometry wraps into a
// small count.
std::int64_t PackedBytes(const ViewState& state)
{
    const PackArea area = AreaToPack(state);
    if (area.columns <= 0 || area.rows <= 0)
        return 1;
    const std::int64_t bits =
        static_cast<std::int64_t>(area.columns) * area.rows * BitsPerPixel(state.ColorMode);
    return std::max<std::int64_t>(1, (bits + 7) / 8);
}

// The code a pixel packs to in the colour mode.
std::uint8_t CodeOf(std::int32_t colorMode, std::optional<ColourValue> pixel)
{
    const ColourValue colour = pixel.value_or(White);
    switch (colorMode) {
    case Mono:
        return colour == Black || colour == MarginColour ? 1 : 0;
    case FourColours:
        // The margin draws in a light orange that would class as red; it packs
        // as green, the last palette entry, as it always has.
        if (colour == MarginColour)
            return FourColourCode(ColourClassLetter::green);
        return FourColourCode(ColourClass(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    default:
        if (colour == MarginColour)
            return 3;
        return NearestGrey(colour);
    }
}

} // namespace

void CheckPackable(const ViewState& state)
{
    CheckedWindowBytes(state);
    if (PackedBytes(state) > MaxWindowBytes)
        throw Error(std::string(msg::WindowTooLarge));
}

void PackPicture(ViewState& state, const PixelGrid& picture)
{
    CheckPackable(state);
    const std::int32_t mode = state.ColorMode;
    if (mode != Mono && mode != FourColours && mode != GreyScale)
        return;
    GrowWindowBuffer(state, PackedBytes(state));

    const PackArea area = AreaToPack(state);
    const int width = BitsPerPixel(mode);
    std::uint8_t* const out = state.WindowBuffer.data();
    std::size_t byte = 0;
    int bit = 0;
    out[0] = 0;
    for (std::int32_t y = 0; y < area.rows; ++y) {
        for (std::int32_t x = 0; x < area.columns; ++x) {
            if (bit == 8) {
                bit = 0;
                ++byte;
                out[byte] = 0;
            }
            const std::uint8_t code = CodeOf(mode, picture.At(x, y));
            // The code's bits go in from its high bit on, most significant
            // bit of the byte first.
            for (int k = width - 1; k >= 0; --k) {
                if ((code >> k) & 1)
                    out[byte] = static_cast<std::uint8_t>(out[byte] | (0x80u >> bit));
                ++bit;
            }
        }
    }
}

} // namespace bitloom
