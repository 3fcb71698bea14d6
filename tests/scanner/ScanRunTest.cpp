#include "platform/Error.h"
#include "scanner/ScanRun.h"

#include <gtest/gtest.h>

using namespace bitloom;

TEST(ScanRun, StepByDirectionAndMethod)
{
    struct Case {
        std::int32_t direction;
        std::int32_t method;
        ScanStep step;
    };
    const Case cases[] = {
        {0, 0, ScanStep::PicturePairForward}, {0, 1, ScanStep::PictureForward}, {0, 2, ScanStep::RowForward},
        {0, 3, ScanStep::ByteForward},        {1, 0, ScanStep::PicturePairBackward},
        {1, 1, ScanStep::PictureBackward},    {1, 2, ScanStep::RowBackward},    {1, 3, ScanStep::ByteBackward},
        {0, 4, ScanStep::None},               {0, -1, ScanStep::None},          {1, 7, ScanStep::None},
        {-1, 2, ScanStep::None},              {2, 0, ScanStep::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScanStepFor(c.direction, c.method), c.step) << c.direction << "/" << c.method;
}

TEST(ScanRun, ContinuesStrictlyInsideTheRange)
{
    struct Case {
        std::int32_t direction;
        std::int32_t address;
        bool goOn;
    };
    ScanSettings s;
    s.ScanStart = -4;
    s.ScanStop = 16;
    const Case cases[] = {
        {0, 15, true},  {0, 16, false}, {0, 17, false}, {0, -5, true}, {0, INT32_MIN, true},
        {1, -3, true},  {1, -4, false}, {1, -5, false}, {1, 16, true}, {1, INT32_MAX, true},
        {-1, 0, false}, {2, 0, false},
    };
    for (const Case& c : cases) {
        s.ScanDirection = c.direction;
        EXPECT_EQ(ScanMayContinue(c.address, s), c.goOn) << c.direction << " at " << c.address;
    }
}

TEST(ScanRun, StartsAtTheRangeEndOfItsDirection)
{
    ScanSettings s;
    s.ScanStart = 5;
    s.ScanStop = 9;
    s.ScanDirection = 0;
    EXPECT_EQ(ScanStartOffset(s), 5);
    s.ScanDirection = 1;
    EXPECT_EQ(ScanStartOffset(s), 9);
    s.ScanDirection = -1;
    EXPECT_EQ(ScanStartOffset(s), std::nullopt);
}

TEST(ScanRun, ReadsTheAddressLabelBack)
{
    EXPECT_EQ(ScanAddressFromLabel("000000"), 0);
    EXPECT_EQ(ScanAddressFromLabel("0B5626"), 742950);
    EXPECT_EQ(ScanAddressFromLabel("FFFFFFF8"), -8);
    EXPECT_THROW(ScanAddressFromLabel(""), Error);
}
