#include "platform/Error.h"
#include "viewer/Encoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using namespace bitloom;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr std::uint8_t Untouched = 0x5A;

ViewState StateFor(std::int32_t mode, std::int32_t rowBits, std::int32_t rowCount)
{
    ViewState s;
    s.ColorMode = mode;
    s.RowBits = rowBits;
    s.RowCount = rowCount;
    std::fill(s.WindowBuffer.begin(), s.WindowBuffer.end(), Untouched);
    return s;
}

// A picture held in a vector, so that a test can write it out row by row.
struct Picture {
    std::int32_t width;
    std::int32_t height;
    std::vector<ColourValue> colours;

    PixelGrid Grid() const { return {width, height, colours}; }
};

Picture Filled(std::int32_t width, std::int32_t height, ColourValue colour)
{
    return {width, height, std::vector<ColourValue>(static_cast<std::size_t>(width * height), colour)};
}

std::vector<std::uint8_t> Head(const ViewState& s, std::size_t count)
{
    return {s.WindowBuffer.begin(), s.WindowBuffer.begin() + static_cast<std::ptrdiff_t>(count)};
}

} // namespace

TEST(ColourClass, TheFirstTestThatHoldsDecides)
{
    struct Case {
        std::uint8_t r, g, b;
        char letter;
    };
    const Case cases[] = {
        // All equal, and the shared largest values.
        {0, 0, 0, 'w'},
        {32, 32, 32, 'w'},
        {255, 255, 255, 'w'},
        {255, 255, 0, 'w'}, // yellow
        {200, 10, 200, 'w'},
        {10, 200, 200, 'w'},
        // A shared value that is not the largest does not make white.
        {100, 100, 200, 'b'},
        {100, 200, 100, 'g'},
        {200, 100, 100, 'r'},
        // Pure and strong channels.
        {255, 0, 0, 'r'},
        {0, 255, 0, 'g'},
        {0, 0, 255, 'b'},
        {200, 10, 10, 'r'},
        {10, 200, 10, 'g'},
        {10, 10, 200, 'b'},
        // One step apart.
        {1, 0, 0, 'r'},
        {0, 1, 0, 'g'},
        {0, 0, 1, 'b'},
        {10, 11, 12, 'b'},
        {10, 12, 11, 'g'},
        {12, 10, 11, 'r'},
        {11, 10, 12, 'b'},
        // The four-colour palette keeps its own classes.
        {0xBF, 0x2D, 0x6B, 'r'},
        {0x00, 0x73, 0xAA, 'b'},
        {0x3E, 0xA4, 0x85, 'g'},
        // MarginColour itself classes as red; only the packer treats it apart.
        {0xFF, 0xAC, 0x84, 'r'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<char>(ColourClass(c.r, c.g, c.b)), c.letter)
            << int(c.r) << "/" << int(c.g) << "/" << int(c.b);
}

TEST(Encoder, EachColourPacksToItsCodeInEveryMode)
{
    struct Case {
        ColourValue colour;
        std::uint8_t mono;  // the bit of mode 1
        std::uint8_t four;  // the code of mode 2
        std::uint8_t grey;  // the code of mode 3
    };
    const Case cases[] = {
        {Black, 1, 0b00, 3},
        {White, 0, 0b00, 0},
        {MarginColour, 1, 0b11, 3},
        {MakeColour(32, 32, 32), 0, 0b00, 3},
        {MakeColour(255, 255, 0), 0, 0b00, 0},
        {MakeColour(200, 10, 10), 0, 0b01, 2},
        {MakeColour(10, 200, 10), 0, 0b11, 2},
        {MakeColour(10, 10, 200), 0, 0b10, 3},
        {FourColourPalette[1], 0, 0b01, 2},
        {FourColourPalette[2], 0, 0b10, 2},
        {FourColourPalette[3], 0, 0b11, 2},
        {GreyPalette[1], 0, 0b00, 1},
        {GreyPalette[2], 0, 0b00, 2},
        {MakeColour(0, 0, 1), 0, 0b10, 3},
    };
    for (const Case& c : cases) {
        const Picture one = Filled(1, 1, c.colour);
        ViewState mono = StateFor(Mono, 1, 1);
        PackPicture(mono, one.Grid());
        EXPECT_EQ(mono.WindowBuffer[0], c.mono << 7) << std::hex << c.colour;
        for (const auto& [mode, code] : {std::pair{FourColours, c.four}, std::pair{GreyScale, c.grey}}) {
            ViewState s = StateFor(mode, 2, 1);
            PackPicture(s, one.Grid());
            EXPECT_EQ(s.WindowBuffer[0], code << 6) << "mode " << mode << " colour " << std::hex << c.colour;
        }
    }
}

TEST(Encoder, NearestGreyGoesByLuminanceAndHalfwayTakesTheLighter)
{
    EXPECT_EQ(NearestGrey(MakeColour(200, 200, 200)), 1);
    EXPECT_EQ(NearestGrey(MakeColour(224, 224, 224)), 0); // nearer 255 than 192
    EXPECT_EQ(NearestGrey(MakeColour(160, 160, 160)), 1); // halfway between 192 and 128
    EXPECT_EQ(NearestGrey(MakeColour(159, 159, 159)), 2);
    EXPECT_EQ(NearestGrey(MakeColour(64, 64, 64)), 2);    // halfway between 128 and 0
    EXPECT_EQ(NearestGrey(MakeColour(63, 63, 63)), 3);
    // A channel counts by how bright it looks: pure blue is black, pure green
    // and pure red are dark grey.
    EXPECT_EQ(NearestGrey(MakeColour(0, 0, 255)), 3);
    EXPECT_EQ(NearestGrey(MakeColour(0, 255, 0)), 2);
    EXPECT_EQ(NearestGrey(MakeColour(255, 0, 0)), 2);
}

TEST(Encoder, NineBlackPixelsFillOneByteAndTheTopBitOfTheNext)
{
    ViewState s = StateFor(Mono, 3, 3);
    PackPicture(s, Filled(3, 3, Black).Grid());
    EXPECT_THAT(Head(s, 4), ElementsAre(0xFF, 0x80, Untouched, Untouched));
}

TEST(Encoder, BitsRunOnAcrossRowsMostSignificantFirst)
{
    // Mode 1, three columns: row 0 takes bits 7-5, row 1 bits 4-2, row 2 bits
    // 1-0 and bit 7 of the next byte.
    const ColourValue K = Black, W = White;
    const Picture mono{3, 3, {K, W, K, W, K, W, W, K, K}};
    ViewState s = StateFor(Mono, 3, 3);
    PackPicture(s, mono.Grid());
    EXPECT_THAT(Head(s, 3), ElementsAre(0b10101001, 0b10000000, Untouched));

    // Mode 2, three pixels a row: the second row starts in the middle of byte 0.
    const ColourValue R = FourColourPalette[1], B = FourColourPalette[2], G = FourColourPalette[3];
    const Picture four{3, 2, {W, R, B, G, R, B}};
    ViewState t = StateFor(FourColours, 6, 2);
    PackPicture(t, four.Grid());
    EXPECT_THAT(Head(t, 3), ElementsAre(0b00011011, 0b01100000, Untouched));
}

TEST(Encoder, PositionsOutsideThePicturePackAsWhite)
{
    // A 2 x 1 picture packed into a 4 x 2 geometry: only its two pixels count.
    const Picture small{2, 1, {Black, MarginColour}};
    ViewState mono = StateFor(Mono, 4, 2);
    PackPicture(mono, small.Grid());
    EXPECT_THAT(Head(mono, 2), ElementsAre(0b11000000, Untouched));

    const Picture green{1, 1, {FourColourPalette[3]}};
    ViewState four = StateFor(FourColours, 8, 2);
    PackPicture(four, green.Grid());
    EXPECT_THAT(Head(four, 2), ElementsAre(0b11000000, 0x00));

    ViewState empty = StateFor(GreyScale, 8, 2);
    PackPicture(empty, PixelGrid{});
    EXPECT_THAT(Head(empty, 3), ElementsAre(0x00, 0x00, Untouched));
}

TEST(Encoder, ByteZeroIsClearedEvenWithNothingToPack)
{
    for (const auto& [rowBits, rowCount] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}, std::pair{-8, 2}}) {
        ViewState s = StateFor(Mono, rowBits, rowCount);
        PackPicture(s, Filled(8, 8, Black).Grid());
        EXPECT_THAT(Head(s, 2), ElementsAre(0x00, Untouched)) << rowBits << " x " << rowCount;
    }
}

TEST(Encoder, OtherColourModesLeaveTheWindowAsItIs)
{
    for (const std::int32_t mode : {0, 4, -1}) {
        ViewState s = StateFor(mode, 8, 8);
        PackPicture(s, Filled(8, 8, Black).Grid());
        EXPECT_THAT(Head(s, 9), ElementsAreArray(std::vector<std::uint8_t>(9, Untouched))) << mode;
    }
}

TEST(Encoder, TheBufferGrowsToHoldThePackedBytes)
{
    ViewState s = StateFor(Mono, 16, 3);
    s.WindowBuffer.assign(2, Untouched);
    PackPicture(s, Filled(16, 3, Black).Grid());
    EXPECT_THAT(s.WindowBuffer, ElementsAre(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF));
}

TEST(Encoder, AGeometryTooLargeIsRefusedBeforeAnythingChanges)
{
    struct Case {
        std::int32_t mode, rowBits, rowCount;
    };
    const Case cases[] = {
        {Mono, 8193, 8192},      // a window of more than 64 MiB
        {Mono, 65536, 65536},    // a window whose 32-bit size wraps to 0
        {FourColours, 65536, 65537}, // ... or to a small one
        {0, 100000, 100000},     // refused in every mode
    };
    for (const Case& c : cases) {
        ViewState s = StateFor(c.mode, c.rowBits, c.rowCount);
        try {
            PackPicture(s, Filled(1, 1, Black).Grid());
            ADD_FAILURE() << c.rowBits << " x " << c.rowCount << " was packed";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Picture window too large");
        }
        EXPECT_EQ(s.WindowBuffer.size(), InitialWindowBytes);
        EXPECT_EQ(s.WindowBuffer[0], Untouched);
    }
}
