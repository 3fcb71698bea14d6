// The names and texts the editor saves: what a typed name becomes on disk,
// which names it refuses, how a Hint is stored so that it reads back as typed.

#include "catalogue/EditorOperations.h"
#include "platform/Cp1251.h"

#include <gtest/gtest.h>

using namespace bitloom;

TEST(SavedName, AddsTheHiddenExtensionAndKeepsAnUnchangedNameAsItIsOnDisk)
{
    struct Case {
        RowKind kind;
        std::string onDisk;
        std::string typed;
        std::string saved;
    };
    const std::string cp1251 = Utf8ToCp1251("старт.txt");
    const Case cases[] = {
        {RowKind::Picture, "new image 00.txt", "logo", "logo.txt"},
        {RowKind::Picture, "a.b.txt", "a.b", "a.b.txt"},
        {RowKind::Picture, "noext", "other", "other"},
        {RowKind::Folder, "Old.Logos", "New", "New.Logos"},
        {RowKind::Picture, cp1251, "старт", cp1251},      // a Windows catalogue's name stays as it is
        {RowKind::Picture, cp1251, "финиш", "финиш.txt"}, // a new name is the system's own
        {RowKind::Picture, "p.txt", "", ".txt"},
    };
    for (const Case& c : cases) {
        EditorRow row;
        row.kind = c.kind;
        row.name = c.onDisk;
        EXPECT_EQ(SavedName(row, c.typed), c.saved) << c.typed;
    }
}

TEST(IsEntryName, RefusesEmptyHiddenAndPathNames)
{
    for (const char* good : {"logo.txt", "Новая папка 00", "a b", "a..b", "x."})
        EXPECT_TRUE(IsEntryName(good)) << good;
    for (const char* bad : {"", ".", "..", ".txt", "...txt", "a/b", "a\\b", "/abs", "../up"})
        EXPECT_FALSE(IsEntryName(bad)) << bad;
    EXPECT_FALSE(IsEntryName(std::string("a\0b", 3)));
}

TEST(StoredHint, QuotesOnlyWhatTheReaderWouldTakeOff)
{
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"Logo", "Logo"},
        {"a=b", "a=b"},
        {"", ""},
        {"\"", "\""},
        {"say \"hi\"", "say \"hi\""},
        {"\"hi\"", "\"\"hi\"\""},
        {"'hi'", "\"'hi'\""},
        {" lead", "\" lead\""},
        {"trail\t", "\"trail\t\""},
        {"two\r\nlines", "two  lines"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredHint(c.typed), c.stored) << c.typed;
}
