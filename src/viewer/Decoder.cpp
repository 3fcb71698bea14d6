#include "viewer/Decoder.h"

#include "platform/IntConv.h"

namespace bitloom {
namespace {

// The bit stream of the window, most significant bit first.
class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> window) : window_(window) {}
    bool Bit(std::int64_t index) const
    {
        const auto byte = static_cast<std::size_t>(index >> 3);
        if (byte >= window_.size())
            return false;
        return (window_[byte] & (0x80u >> (index & 7))) != 0;
    }

private:
    std::span<const std::uint8_t> window_;
};

// Mode 1: one bit a pixel; the row wraps when the column reaches RowBits.
void DecodeMono(const DecodeInput& in, std::int64_t totalBits, Preview& out)
{
    const BitReader bits(in.window);
    const std::int64_t wrap = in.rowBits;
    std::int64_t col = 0;
    std::int64_t row = 0;
    for (std::int64_t i = 0; i < totalBits; ++i) {
        if (row == in.rowCount || row >= PreviewHeight)
            return;
        if (col >= PreviewWidth) {
            // Nothing to the right is visible: jump to the end of the row, or
            // stop when the row can never end.
            if (wrap <= col)
                return;
            i += wrap - 1 - col;
            col = wrap - 1;
            if (i >= totalBits)
                return;
        }
        ColourValue colour = bits.Bit(i) ? Black : White;
        if (col >= in.pictureBits)
            colour = MarginColour;
        out.Set(col, row, colour);
        ++col;
        if (col == wrap) {
            col = 0;
            ++row;
        }
    }
}

// Modes 2 and 3: two bits a pixel, the first the high bit of the palette index.
// The pair counter restarts with every byte, and eight bits make whole pairs,
// so a pixel always starts at an even bit. The row test follows every bit.
void DecodeTwoBit(const DecodeInput& in, std::int64_t totalBits, const std::array<ColourValue, 4>& palette,
                  std::int64_t marginFrom, Preview& out)
{
    const BitReader bits(in.window);
    const std::int64_t wrap = static_cast<std::uint32_t>(in.rowBits) >> 1;
    std::int64_t col = 0;
    std::int64_t row = 0;
    unsigned hi = 0;
    for (std::int64_t i = 0; i < totalBits; ++i) {
        if (row == in.rowCount || row >= PreviewHeight)
            return;
        const bool odd = (i & 1) == 0; // the first bit of a pair
        if (odd && col >= PreviewWidth) {
            if (wrap <= col)
                return;
            i += 2 * (wrap - 1 - col);
            col = wrap - 1;
            if (i >= totalBits)
                return;
        }
        if (odd) {
            hi = bits.Bit(i) ? 2u : 0u;
        } else {
            const unsigned index = hi + (bits.Bit(i) ? 1u : 0u);
            out.Set(col, row, col < marginFrom ? palette[index] : MarginColour);
            ++col;
        }
        if (col == wrap) {
            col = 0;
            ++row;
        }
    }
}

} // namespace

void DecodePreview(const DecodeInput& in, ColourValue background, Preview& preview)
{
    preview.pixels.fill(background);
    const std::int32_t nbytes = Wrap32(static_cast<std::int64_t>(in.rowBits) * in.rowCount) / 8 + 1;
    if (nbytes <= 0)
        return;
    const std::int64_t totalBits = static_cast<std::int64_t>(nbytes) * 8;
    switch (in.colorMode) {
    case Mono:
        DecodeMono(in, totalBits, preview);
        break;
    case FourColours:
        // The four-colour margin starts at the picture width in pixels...
        DecodeTwoBit(in, totalBits, FourColourPalette, static_cast<std::uint32_t>(in.pictureBits) >> 1, preview);
        break;
    case GreyScale:
        // ...the grey-scale one at PictureBits itself, twice as far: catalogues
        // were made against this, so it stays.
        DecodeTwoBit(in, totalBits, GreyPalette, in.pictureBits, preview);
        break;
    default:
        break;
    }
}

} // namespace bitloom
