#include "viewer/HexToDec.h"

#include <gtest/gtest.h>

TEST(HexToDecText, PlainHexDigitsOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1F", "31"},           {"1f", "31"},          {"001F", "31"},       {"", "0"},
        {"000000", "0"},        {"0B5626", "742950"},  {"7FFFFFFF", "2147483647"},
        {"FFFFFFFF", "-1"},     {"80000000", "-2147483648"},
        {"123456789", "591751049"}, // 0x23456789: the ninth digit adds nothing
        {"F00000001", "1"},
        {"0x1F", "error"},      {"$1F", "error"},      {"-1", "error"},      {" 1F", "error"},
        {"1F ", "error"},       {"12345678G", "error"}, {"G12345678", "error"}, {"+1", "error"},
    };
    for (const auto& [text, answer] : cases)
        EXPECT_EQ(bitloom::HexToDecText(text), answer) << "'" << text << "'";
}
