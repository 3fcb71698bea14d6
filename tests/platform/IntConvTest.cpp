#include "platform/Error.h"
#include "platform/IntConv.h"

#include <gtest/gtest.h>

using bitloom::StrToInt;
using bitloom::TryStrToInt;

struct IntCase {
    const char* text;
    std::optional<std::int32_t> value;
};

class IntConvCases : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntConvCases, ReadsTextAsTheProgramDoes)
{
    EXPECT_EQ(TryStrToInt(GetParam().text), GetParam().value) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, IntConvCases,
    ::testing::Values(IntCase{"0", 0}, IntCase{"000", 0}, IntCase{"024", 24}, IntCase{"128", 128},
                      IntCase{"+7", 7}, IntCase{"-8", -8}, IntCase{"  12", 12}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", INT32_MIN}, IntCase{"2147483648", std::nullopt},
                      IntCase{"-2147483649", std::nullopt}, IntCase{"99999999999", std::nullopt},
                      IntCase{"00000000000000000012", 12}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, IntConvCases,
    ::testing::Values(IntCase{"$FF", 255}, IntCase{"x10", 16}, IntCase{"X10", 16}, IntCase{"0x1F4", 500},
                      IntCase{"0XB5626", 742950}, IntCase{"0xb5626", 742950}, IntCase{"0xFFFFFFFF", -1},
                      IntCase{"0x80000000", INT32_MIN}, IntCase{"0x000000000001", 1},
                      IntCase{"0x100000000", std::nullopt}, IntCase{" $10", 16}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, IntConvCases,
    ::testing::Values(IntCase{"", std::nullopt}, IntCase{" ", std::nullopt}, IntCase{"12 ", std::nullopt},
                      IntCase{"abc", std::nullopt}, IntCase{"1a", std::nullopt}, IntCase{"0x", std::nullopt},
                      IntCase{"$", std::nullopt}, IntCase{"-0x10", std::nullopt}, IntCase{"+$10", std::nullopt},
                      IntCase{"--1", std::nullopt}, IntCase{"+", std::nullopt}, IntCase{"0B5626", std::nullopt},
                      IntCase{"\t1", std::nullopt}));

TEST(IntConv, FailureNamesTheTextInTheStandardMessage)
{
    try {
        StrToInt("abc");
        FAIL() << "no error raised";
    } catch (const bitloom::Error& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    try {
        StrToInt("");
        FAIL() << "no error raised";
    } catch (const bitloom::Error& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(IntConv, Wrap32TakesTheLow32BitsAsSigned)
{
    EXPECT_EQ(bitloom::Wrap32(0x80000000LL), INT32_MIN);
    EXPECT_EQ(bitloom::Wrap32(0x1FFFFFFFFLL), -1);
    EXPECT_EQ(bitloom::Wrap32(-1), -1);
    EXPECT_EQ(bitloom::Wrap32(999LL * 2 * 999 * 2), 3992004);
}
