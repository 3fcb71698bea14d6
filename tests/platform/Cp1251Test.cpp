#include "platform/Cp1251.h"

#include <unicode/ucnv.h>
#include <unicode/uchar.h>

#include <gtest/gtest.h>

#include <memory>

using bitloom::Cp1251ToLower;
using bitloom::Cp1251ToUtf8;
using bitloom::Utf8ToCp1251;

namespace {

std::string Byte(int b)
{
    return std::string(1, static_cast<char>(b));
}

// ICU's own Windows-1251 table, as an independent witness of ours.
char32_t IcuDecode(int byte)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> conv(ucnv_open("windows-1251", &status), &ucnv_close);
    EXPECT_TRUE(U_SUCCESS(status));
    const char in = static_cast<char>(byte);
    UChar out[4] = {};
    const int32_t n = ucnv_toUChars(conv.get(), out, 4, &in, 1, &status);
    EXPECT_TRUE(U_SUCCESS(status));
    return n == 1 ? out[0] : 0;
}

char32_t OurDecode(int byte)
{
    const std::string utf8 = Cp1251ToUtf8(Byte(byte));
    UErrorCode status = U_ZERO_ERROR;
    UChar out[4] = {};
    int32_t length = 0;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> conv(ucnv_open("UTF-8", &status), &ucnv_close);
    length = ucnv_toUChars(conv.get(), out, 4, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status));
    return length == 1 ? out[0] : 0;
}

} // namespace

TEST(Cp1251, EveryByteDecodesAsTheCodePageSaysAndEncodesBack)
{
    for (int b = 0; b < 256; ++b) {
        const std::string text = Cp1251ToUtf8(Byte(b));
        EXPECT_EQ(Utf8ToCp1251(text), Byte(b)) << "byte " << b;
        // 0x98 has no character in the code page; ours keeps it as U+0098 so
        // that no file changes by being read and written.
        if (b == 0x98)
            EXPECT_EQ(OurDecode(b), 0x98u);
        else
            EXPECT_EQ(OurDecode(b), IcuDecode(b)) << "byte " << b;
    }
}

TEST(Cp1251, RussianTextRoundTrips)
{
    const std::string bytes = "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 \xA8\xB8 \xB9"; // "Настройки Ёё №"
    EXPECT_EQ(Cp1251ToUtf8(bytes), "Настройки Ёё №");
    EXPECT_EQ(Utf8ToCp1251("Настройки Ёё №"), bytes);
}

TEST(Cp1251, WhatTheCodePageLacksBecomesAQuestionMark)
{
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {"日本", "??"},
        {"€", "\x88"},
        {"a😀b", "a?b"},        // one character, one "?"
        {"\xFF", "?"},          // not UTF-8 at all
        {"x\xD0", "x?"},        // a sequence cut short
        {"\xC0\x80", "??"},     // an overlong NUL
        {"\xED\xA0\x80", "???"}, // a lone surrogate
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.bytes) << c.utf8;
}

TEST(Cp1251, LowerCaseFollowsUnicodeForEveryByte)
{
    for (int b = 0; b < 256; ++b) {
        const char32_t upper = OurDecode(b);
        const auto lower = static_cast<char32_t>(u_tolower(static_cast<UChar32>(upper)));
        const int got = Cp1251ToLower(static_cast<unsigned char>(b));
        // Every upper-case letter of the code page has its lower-case partner in it.
        if (lower == upper)
            EXPECT_EQ(got, b) << "byte " << b;
        else
            EXPECT_EQ(OurDecode(got), lower) << "byte " << b;
    }
}
