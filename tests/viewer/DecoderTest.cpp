#include "viewer/Decoder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace bitloom;

namespace {

constexpr ColourValue Background = 0x123456;

char Letter(ColourValue c)
{
    switch (c) {
    case Black: return 'K';
    case White: return 'W';
    case MarginColour: return 'M';
    case 0x6B2DBF: return 'R';
    case 0xAA7300: return 'B';
    case 0x85A43E: return 'G';
    case 0xC0C0C0: return 'l';
    case 0x808080: return 'd';
    case Background: return '.';
    default: return '?';
    }
}

// Row y of the preview, columns 0 to width-1, as letters.
std::string Row(const Preview& p, int y, int width)
{
    std::string s;
    for (int x = 0; x < width; ++x)
        s += Letter(p.At(x, y));
    return s;
}

Preview Decode(std::int32_t mode, std::int32_t rowBits, std::int32_t pictureBits, std::int32_t rowCount,
               std::vector<std::uint8_t> bytes)
{
    Preview p;
    DecodePreview({mode, rowBits, pictureBits, rowCount, bytes}, Background, p);
    return p;
}

} // namespace

TEST(Decoder, MonoBitsMostSignificantFirstRowAfterRow)
{
    const Preview p = Decode(1, 8, 8, 2, {0x80, 0x01});
    EXPECT_EQ(Row(p, 0, 9), "KWWWWWWW.");
    EXPECT_EQ(Row(p, 1, 9), "WWWWWWWK.");
    EXPECT_EQ(Row(p, 2, 9), ".........");
}

TEST(Decoder, MonoRowsAreNotAlignedToBytes)
{
    // Row 0: bits 7,6,5 of byte 0; row 1: 4,3,2; row 2: 1,0 and bit 7 of byte 1.
    const Preview p = Decode(1, 3, 3, 3, {0b10100101, 0b10000000});
    EXPECT_EQ(Row(p, 0, 4), "KWK.");
    EXPECT_EQ(Row(p, 1, 4), "WWK.");
    EXPECT_EQ(Row(p, 2, 4), "WKK.");
}

TEST(Decoder, MarginColumnsConsumeTheirBits)
{
    const Preview p = Decode(1, 8, 4, 2, {0xFF, 0x0F});
    EXPECT_EQ(Row(p, 0, 8), "KKKKMMMM");
    EXPECT_EQ(Row(p, 1, 8), "WWWWMMMM");
}

TEST(Decoder, TwoBitPixelsTakeTheirPaletteInBothModes)
{
    EXPECT_EQ(Row(Decode(2, 8, 8, 1, {0x1B}), 0, 5), "WRBG.");
    EXPECT_EQ(Row(Decode(3, 8, 8, 1, {0x1B}), 0, 5), "WldK.");
}

TEST(Decoder, GreyScaleMarginStartsTwiceAsFarAsFourColour)
{
    // X = 8 (RowBits 16), W = 2 (PictureBits 4).
    EXPECT_EQ(Row(Decode(2, 16, 4, 1, {0, 0, 0}), 0, 8), "WWMMMMMM");
    EXPECT_EQ(Row(Decode(3, 16, 4, 1, {0, 0, 0}), 0, 8), "WWWWMMMM");
}

TEST(Decoder, ZeroWidthDrawsOneByteOfMarginAlongTheFirstRow)
{
    const Preview p = Decode(1, 0, 0, 5, {0xFF});
    EXPECT_EQ(Row(p, 0, 10), "MMMMMMMM..");
    EXPECT_EQ(Row(p, 1, 10), "..........");
}

TEST(Decoder, NothingButBackgroundForAnEmptyGeometryOrAnUnknownMode)
{
    for (const Preview& p : {Decode(1, 0, 0, 0, {0xFF}), Decode(0, 8, 8, 8, {0xFF}), Decode(4, 8, 8, 8, {0xFF}),
                             Decode(1, 8, 8, -3, {0xFF})}) {
        EXPECT_EQ(Row(p, 0, 8), "........");
    }
}

TEST(Decoder, WidestFourColourPictureFillsThePreview)
{
    std::vector<std::uint8_t> bytes(5921, 0x1B);
    const Preview p = Decode(2, 256, 256, 185, bytes);
    EXPECT_EQ(Row(p, 0, 8), "WRBGWRBG");
    EXPECT_EQ(Row(p, 184, 4), "WRBG");
    EXPECT_EQ(Letter(p.At(127, 184)), 'G');
}

TEST(Decoder, RowsAndColumnsBeyondThePreviewAreNotDrawn)
{
    // 200 columns: the row still wraps at 200, so row 1 begins with bit 200.
    std::vector<std::uint8_t> bytes(200 * 190 / 8 + 1, 0);
    bytes[25] = 0x80; // bit 200
    const Preview p = Decode(1, 200, 200, 190, bytes);
    EXPECT_EQ(Row(p, 1, 2), "KW");
    EXPECT_EQ(Letter(p.At(127, 184)), 'W');
}

TEST(Decoder, BytesPastTheWindowReadAsZero)
{
    const Preview p = Decode(1, 8, 8, 3, {0xFF});
    EXPECT_EQ(Row(p, 0, 8), "KKKKKKKK");
    EXPECT_EQ(Row(p, 1, 8), "WWWWWWWW");
    EXPECT_EQ(Row(p, 2, 8), "WWWWWWWW");
    EXPECT_EQ(Row(p, 3, 8), "........");
}
