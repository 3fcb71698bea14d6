#include "catalogue/CatalogueFiles.h"
#include "catalogue/OrdinaryUser.h"
#include "catalogue/PictureDescription.h"
#include "platform/Error.h"
#include "support/ErrorOf.h"
#include "viewer/ViewState.h"

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

using namespace bitloom;

TEST(CatalogueRoot, IsMenuInTheStartFolder)
{
    EXPECT_EQ(CatalogueRoot("/home/u/tools"), "/home/u/tools/menu");
    EXPECT_EQ(CatalogueRoot("/home/u/tools/"), "/home/u/tools/menu");
    EXPECT_EQ(CatalogueRoot("/"), "/menu");
}

// ---- The three readers -------------------------------------------------------

struct ReaderCase {
    const char* what;
    std::vector<std::string_view> lines; // after [values]; empty vector: no file at all
    PictureDescription window;
    DescriptionTexts editor;
};

class Readers : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Readers, EachTakesItsOwnDefaults)
{
    const ReaderCase& c = GetParam();
    TempDir dir;
    const auto file = dir / "p.txt";
    if (!c.lines.empty()) {
        std::string text = "[values]\r\n";
        for (auto line : c.lines)
            text += std::string(line) + "\r\n";
        WriteText(file, text);
    }

    const PictureDescription w = ReadPictureDescription(file);
    EXPECT_EQ(w.Hint, c.window.Hint);
    EXPECT_EQ(w.Width, c.window.Width);
    EXPECT_EQ(w.WidthImage, c.window.WidthImage);
    EXPECT_EQ(w.Height, c.window.Height);
    EXPECT_EQ(w.Offs, c.window.Offs);
    EXPECT_EQ(w.Bppc, c.window.Bppc);

    const DescriptionTexts e = ReadDescriptionTexts(file);
    EXPECT_EQ(e.Hint, c.editor.Hint);
    EXPECT_EQ(e.Width, c.editor.Width);
    EXPECT_EQ(e.WidthImage, c.editor.WidthImage);
    EXPECT_EQ(e.Height, c.editor.Height);
    EXPECT_EQ(e.Offs, c.editor.Offs);
    EXPECT_EQ(e.Bppc, c.editor.Bppc);

    EXPECT_EQ(ReadMenuCaption(file), c.window.Hint);
}

INSTANTIATE_TEST_SUITE_P(
    Description, Readers,
    ::testing::Values(
        ReaderCase{"complete",
                   {"Hint=new image 00", "Width=64", "WidthImage=60", "Height=32", "Offs=0x0B5626", "Bppc=2"},
                   {"new image 00", "64", "60", "32", 0x0B5626, 2},
                   {"new image 00", "64", "60", "32", "0x0B5626", "2"}},
        ReaderCase{"no file", {}, {"", "000", "000", "000", 0, 1}, {"", "000", "000", "000", "0x000000", "1"}},
        ReaderCase{"offset only", {"Offs=0x1000"}, {"", "000", "000", "000", 0x1000, 1},
                   {"", "000", "000", "000", "0x1000", "1"}},
        ReaderCase{"missing WidthImage takes Width", {"Width=96"}, {"", "96", "96", "000", 0, 1},
                   {"", "96", "96", "000", "0x000000", "1"}},
        ReaderCase{"empty WidthImage stays empty", {"Width=96", "WidthImage="}, {"", "96", "", "000", 0, 1},
                   {"", "96", "", "000", "0x000000", "1"}},
        ReaderCase{"empty keys are empty texts, integers their defaults",
                   {"Hint=", "Width=", "Height=", "Offs=", "Bppc="},
                   {"", "", "", "", 0, 1},
                   {"", "", "", "", "", ""}},
        ReaderCase{"names without regard to case, blanks and quotes dropped",
                   {"HINT=  abc  ", "width = 12", "Height=\" 7 \"", "bPPc=3"},
                   {"abc", "12", "12", " 7 ", 0, 3},
                   {"abc", "12", "12", " 7 ", "0x000000", "3"}},
        ReaderCase{"Windows-1251 hint", {"Hint=Логотип «Старт»"}, {"Логотип «Старт»", "000", "000", "000", 0, 1},
                   {"Логотип «Старт»", "000", "000", "000", "0x000000", "1"}},
        ReaderCase{"colour mode outside 1..3 is kept", {"Bppc=4"}, {"", "000", "000", "000", 0, 4},
                   {"", "000", "000", "000", "0x000000", "4"}}),
    [](const ::testing::TestParamInfo<ReaderCase>& param) {
        std::string name = param.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(Readers, FindTheSectionWrittenInCapitals)
{
    TempDir dir;
    WriteText(dir / "p.txt", "[VALUES]\r\nHINT=abc\r\n");
    EXPECT_EQ(ReadMenuCaption(dir / "p.txt"), "abc");
}

TEST(Readers, AFileWithoutTheSectionGivesDefaults)
{
    TempDir dir;
    WriteText(dir / "notes.doc", "Hint=abc\r\nWidth=5\r\n");
    EXPECT_EQ(ReadMenuCaption(dir / "notes.doc"), "");
    EXPECT_EQ(ReadPictureDescription(dir / "notes.doc").Width, "000");
}

// ---- Offs and Bppc as integers -----------------------------------------------

struct IntegerCase {
    const char* text;
    std::int32_t offs; // default 0
    std::int32_t bppc; // default 1
};

class IntegerValues : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerValues, ReadWithEveryPrefixRule)
{
    const IntegerCase& c = GetParam();
    TempDir dir;
    const std::string text = c.text;
    WriteText(dir / "p.txt", "[values]\r\nOffs=" + text + "\r\nBppc=" + text + "\r\n");
    const PictureDescription d = ReadPictureDescription(dir / "p.txt");
    EXPECT_EQ(d.Offs, c.offs) << c.text;
    EXPECT_EQ(d.Bppc, c.bppc) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Description, IntegerValues,
                         ::testing::Values(IntegerCase{"1000", 1000, 1000},          // decimal, not hexadecimal
                                           IntegerCase{"0B5626", 0, 1},              // no prefix: not a number
                                           IntegerCase{"0x", 0, 1},                  // prefix without digits
                                           IntegerCase{"0xb5626", 0xB5626, 0xB5626}, //
                                           IntegerCase{"0XB5626", 0xB5626, 0xB5626}, //
                                           IntegerCase{"0xFFFFFFFF", -1, -1},        // wraps to 32 bits
                                           IntegerCase{"0x100000000", 0, 1},         // too large
                                           IntegerCase{"$FF", 255, 255},             //
                                           IntegerCase{"x10", 16, 16},               //
                                           IntegerCase{"X10", 16, 16},               //
                                           IntegerCase{"\" 12\"", 12, 12},           // blanks before: allowed
                                           IntegerCase{"\"12 \"", 0, 1},             // nothing may follow
                                           IntegerCase{" 12 ", 12, 12},              // outer blanks dropped by the reader
                                           IntegerCase{"-5", -5, -5},                //
                                           IntegerCase{"+5", 5, 5},                  //
                                           IntegerCase{"-0x10", 0, 1},               // no sign before a prefix
                                           IntegerCase{"99999999999", 0, 1},         // beyond 32 bits
                                           IntegerCase{"2147483648", 0, 1},          //
                                           IntegerCase{"-2147483648", INT32_MIN, INT32_MIN},
                                           IntegerCase{"abc", 0, 1}));

// ---- Writers -------------------------------------------------------------------

TEST(HexNumber, HasAtLeastTwoUpperCaseDigits)
{
    EXPECT_EQ(HexNumber(0), "00");
    EXPECT_EQ(HexNumber(9), "09");
    EXPECT_EQ(HexNumber(10), "0A");
    EXPECT_EQ(HexNumber(255), "FF");
    EXPECT_EQ(HexNumber(256), "100");
}

TEST(CreatePictureFile, WritesTheSevenLinesInTemplateOrder)
{
    TempDir dir;
    const auto file = CreatePictureFile(dir.Path(), NewPictureValues(2));
    EXPECT_EQ(file, dir / "new image 00.txt");
    EXPECT_EQ(FileText(file), "[values]\r\nHint=new image 00\r\nWidth=0\r\nWidthImage=0\r\nHeight=0\r\n"
                              "Offs=0x000000\r\nBppc=2\r\n");
}

TEST(CreatePictureFile, TakesTheLowestFreeNumber)
{
    TempDir dir;
    for (int n = 0; n < 10; ++n)
        WriteText(dir / ("new image 0" + std::to_string(n) + ".txt"), "");
    const auto file = CreatePictureFile(dir.Path(), NewPictureValues(1));
    EXPECT_EQ(file.filename(), "new image 0A.txt");
    EXPECT_EQ(ReadMenuCaption(file), "new image 0A");

    TempDir gap;
    WriteText(gap / "new image 01.txt", "");
    EXPECT_EQ(CreatePictureFile(gap.Path(), NewPictureValues(1)).filename(), "new image 00.txt");
}

TEST(CreatePictureFile, SeesAFolderOrDanglingLinkOfTheName)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "new image 00.txt");
    std::filesystem::create_symlink(dir / "nowhere", dir / "new image 01.txt");
    EXPECT_EQ(NewPictureFileName(dir.Path()).filename(), "new image 02.txt");
}

TEST(CreatePictureFile, RecordsThePictureOnShowInPixels)
{
    ViewState state;
    state.ColorMode = 2;
    state.RowBits = 128; // 64 pixels, doubled
    state.PictureBits = 120;
    state.RowCount = 32;
    TempDir dir;
    const auto file = CreatePictureFile(dir.Path(), CurrentPictureValues(state, "0B5626"));
    EXPECT_EQ(FileText(file), "[values]\r\nHint=new image 00\r\nWidth=64\r\nWidthImage=60\r\nHeight=32\r\n"
                              "Offs=0x0B5626\r\nBppc=2\r\n");

    state.ColorMode = 1;
    state.RowBits = 13;
    const DescriptionTexts mono = CurrentPictureValues(state, "000000");
    EXPECT_EQ(mono.Width, "13");
    state.ColorMode = 3;
    EXPECT_EQ(CurrentPictureValues(state, "000000").Width, "6");
}

TEST(CreatePictureFile, InAWriteProtectedFolderGivesTheFileError)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "ro");
    std::filesystem::permissions(dir / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    // Root may write anywhere; the program's users may not.
    const OrdinaryUser user;
    ASSERT_TRUE(user.Active());
    EXPECT_EQ(ErrorOf([&] { CreatePictureFile(dir / "ro", NewPictureValues(1)); }), "File access denied");
}

TEST(WriteDescription, ReplacesKeysInPlaceAndAppendsMissingOnes)
{
    TempDir dir;
    const auto file = dir / "p.txt";
    WriteText(file, "; kept\r\n[values]\r\nBppc=1\r\nHINT=old\r\nOther=x\r\n[more]\r\nA=1\r\n");
    WriteDescription(file, {"Логотип", "96", "90", "65", "0x0B5626", "2"});
    EXPECT_EQ(FileText(file), "; kept\r\n[values]\r\nBppc=2\r\nHINT=" + Utf8ToCp1251("Логотип") +
                                  "\r\nOther=x\r\nWidth=96\r\nWidthImage=90\r\nHeight=65\r\nOffs=0x0B5626\r\n"
                                  "[more]\r\nA=1\r\n");
    const DescriptionTexts back = ReadDescriptionTexts(file);
    EXPECT_EQ(back.Hint, "Логотип");
    EXPECT_EQ(back.Offs, "0x0B5626");
}

TEST(WriteDescription, CreatesAMissingFileAndSection)
{
    TempDir dir;
    WriteDescription(dir / "new.txt", {"a", "1", "2", "3", "0x10", "1"});
    EXPECT_EQ(FileText(dir / "new.txt"), "[values]\r\nHint=a\r\nWidth=1\r\nWidthImage=2\r\nHeight=3\r\nOffs=0x10\r\nBppc=1\r\n");
}

TEST(CreateNewFolder, TakesTheLowestFreeNumber)
{
    TempDir dir;
    EXPECT_EQ(CreateNewFolder(dir.Path()), dir / "Новая папка 00");
    WriteText(dir / "Новая папка 01", ""); // a file of the name blocks it too
    EXPECT_EQ(CreateNewFolder(dir.Path()), dir / "Новая папка 02");
    std::filesystem::remove(dir / "Новая папка 00");
    EXPECT_EQ(CreateNewFolder(dir.Path()), dir / "Новая папка 00");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Новая папка 02"));
}

TEST(CreateNewFolder, GivesUpWithTheLastError)
{
    TempDir dir;
    EXPECT_EQ(ErrorOf([&] { CreateNewFolder(dir / "missing"); }), "Invalid filename");
    if (::geteuid() != 0) {
        std::filesystem::create_directory(dir / "ro");
        std::filesystem::permissions(dir / "ro",
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(ErrorOf([&] { CreateNewFolder(dir / "ro"); }), "File access denied");
    }
}

TEST(RelativeCataloguePath, CutsTheCatalogueRootAway)
{
    struct Case {
        const char* startDir;
        const char* folder;
        const char* relative;
    };
    for (const Case& c : {Case{"/tools", "/tools/menu/Logos/Start", "/Logos/Start"},
                          Case{"/tools", "/tools/menu", ""}, Case{"/", "/menu/Logos", "/Logos"},
                          Case{"/tools", "/tools/menu/Логотипы", "/Логотипы"},
                          Case{"/tools", "/elsewhere", ""}})
        EXPECT_EQ(RelativeCataloguePath(c.startDir, c.folder), c.relative) << c.folder;
}
