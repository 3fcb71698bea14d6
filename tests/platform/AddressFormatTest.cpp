#include "platform/AddressFormat.h"

#include <gtest/gtest.h>

TEST(AddressFormat, UpperCaseAtLeastSixDigitsAndTwosComplementBelowZero)
{
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "000000"},     {742950, "0B5626"},  {16777216, "1000000"},
        {-8, "FFFFFFF8"},  {-1, "FFFFFFFF"},    {0x1234567, "1234567"},
        {INT32_MIN, "80000000"}, {255, "0000FF"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(bitloom::FormatAddress(value), text) << value;
}
