#include "platform/Error.h"
#include "viewer/Geometry.h"

#include <gtest/gtest.h>

using namespace bitloom;

TEST(ApplySizes, WidthsAreDoubledIntoBitsInTheTwoBitModes)
{
    struct Case {
        std::int32_t mode;
        std::int32_t rowBits, pictureBits, rowCount;
    };
    const Case cases[] = {{1, 24, 16, 10}, {2, 48, 32, 10}, {3, 48, 32, 10}, {0, 24, 16, 10}, {4, 24, 16, 10}};
    for (const auto& c : cases) {
        ViewState s;
        s.ColorMode = c.mode;
        ApplySizesTo(s, {"24", "16", "10"});
        EXPECT_EQ(s.RowBits, c.rowBits) << c.mode;
        EXPECT_EQ(s.PictureBits, c.pictureBits) << c.mode;
        EXPECT_EQ(s.RowCount, c.rowCount) << c.mode;
    }
}

TEST(ApplySizes, ABadTextStopsThereAndEarlierFieldsKeepTheirNewValues)
{
    ViewState s;
    s.ColorMode = 2;
    s.RowBits = 1;
    s.PictureBits = 2;
    s.RowCount = 3;
    EXPECT_THROW(ApplySizesTo(s, {"10", "abc", "5"}), Error);
    EXPECT_EQ(s.RowBits, 10); // read but not yet doubled
    EXPECT_EQ(s.PictureBits, 2);
    EXPECT_EQ(s.RowCount, 3);

    try {
        ApplySizesTo(s, {"", "1", "1"});
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(ApplySizes, LargestTypedSizesWrapWithoutOverflow)
{
    ViewState s;
    s.ColorMode = 2;
    ApplySizesTo(s, {"999", "999", "999"});
    EXPECT_EQ(s.RowBits, 1998);
    EXPECT_EQ(WindowLength(s), 1998 * 999);
    s.RowBits = INT32_MAX;
    s.RowCount = 2;
    EXPECT_EQ(WindowLength(s), -2);
    s.BaseOffset = INT32_MAX;
    EXPECT_EQ(WindowAddress(s, 1), INT32_MIN);
}
