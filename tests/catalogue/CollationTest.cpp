#include "catalogue/Collation.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace bitloom;

namespace {

struct OrderCase {
    const char* a; // the new entry
    const char* b; // the entry in place
    bool before;
};

class OrderTest : public ::testing::TestWithParam<OrderCase> {};

} // namespace

TEST_P(OrderTest, DecidesWhetherTheNewNameGoesFirst)
{
    const Collation root("");
    const OrderCase& c = GetParam();
    EXPECT_EQ(GoesBefore(root, Utf16(c.a), Utf16(c.b)), c.before) << c.a << " before " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    RootCollation, OrderTest,
    ::testing::Values(OrderCase{"A", "b", true}, OrderCase{"b", "A", false},            // letters before case
                      OrderCase{"a", "A", true}, OrderCase{"A", "a", false},            // lower case first
                      OrderCase{"10.txt", "2.txt", true}, OrderCase{"2.txt", "10.txt", false}, // digits as text
                      OrderCase{"ab", "abc", true},                                     // a prefix goes first
                      OrderCase{"abc", "ab", false},                                    //
                      OrderCase{"same", "same", true},                                  // equal: the new one first
                      OrderCase{"Ab", "abc", false},  // b cut to "ab", and "Ab" sorts after "ab"
                      OrderCase{"\u212B", "\u00C5", true}, // Angstrom sign and Å are one letter: equal
                      OrderCase{"\u00C5", "\u212B", true},
                      OrderCase{"e\u0301", "\u00e9", true},   // é decomposed is longer than composed
                      OrderCase{"\u00e9", "e\u0301", false},  // so the cut takes its accent away
                      OrderCase{"zebra", "яблоко", true}, OrderCase{"яблоко", "Яблоко", true},
                      OrderCase{"ёж", "жук", true},      // ё with е, before ж
                      OrderCase{"a b", "ab", true}, OrderCase{"", "a", true}, OrderCase{"a", "", false},
                      OrderCase{"\U0001F600x", "\U0001F600y", true})); // a character outside the BMP counts once

TEST(Collation, CutCountsCharactersNotUnits)
{
    EXPECT_EQ(CharacterCount(u"ab"), 2u);
    EXPECT_EQ(CharacterCount(Utf16("\U0001F600b")), 2u);
    EXPECT_EQ(CharacterCount(Utf16("яя")), 2u);
    // "😀" cut to one character is still "😀", so the two are equal and the new one goes first.
    const Collation root("");
    EXPECT_TRUE(GoesBefore(root, Utf16("\U0001F600"), Utf16("\U0001F600zzz")));
}

TEST(Collation, Utf16DecodesAndReplacesMalformedBytes)
{
    EXPECT_EQ(Utf16("aя"), u"aя");
    EXPECT_EQ(Utf16("\U0001F600"), u"\U0001F600");
    EXPECT_EQ(Utf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf16("\xD0"), u"\uFFFD");
}

TEST(Collation, PlainCAndPosixLocalesUseTheRootCollation)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string keep = saved != nullptr ? saved : "";
    for (const char* locale : {"C", "POSIX", "C.UTF-8"}) {
        ::setenv("LC_ALL", locale, 1);
        const Collation user = Collation::ForUserLocale();
        EXPECT_LT(user.Compare(u"a", u"A"), 0) << locale;
        EXPECT_LT(user.Compare(u"A", u"b"), 0) << locale;
    }
    ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
    EXPECT_LT(Collation::ForUserLocale().Compare(u"я", u"z"), 0); // Cyrillic first in Russian
    if (saved != nullptr)
        ::setenv("LC_ALL", keep.c_str(), 1);
    else
        ::unsetenv("LC_ALL");
}

TEST(Collation, UnknownLocalesFallBackToTheRootOrder)
{
    const Collation odd("xx_YY");
    EXPECT_LT(odd.Compare(u"a", u"A"), 0);
    EXPECT_LT(odd.Compare(u"A", u"b"), 0);
}

TEST(Collation, PreparedNamesGiveTheSameAnswers)
{
    const Collation root("");
    const char* names[] = {"", "a", "A", "ab", "Ab", "abc", "10.txt", "2.txt", "\U0001F600", "\U0001F600zzz",
                           "e\u0301", "\u00e9", "яблоко", "Яблоко"};
    for (const char* a : names)
        for (const char* b : names)
            EXPECT_EQ(GoesBefore(root, OrderKey(Utf16(a)), OrderKey(Utf16(b))), GoesBefore(root, Utf16(a), Utf16(b)))
                << a << " / " << b;
}
