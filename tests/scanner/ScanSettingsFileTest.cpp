#include "platform/Error.h"
#include "scanner/ScanSettingsFile.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace bitloom;

namespace {

auto Fields(const ScanFileValues& v)
{
    return std::tie(v.Width, v.Bppc, v.StartAddress, v.StopAddress, v.Direction, v.Speed, v.Method);
}

auto Fields(const ScanSettings& s)
{
    return std::tie(s.ScanStart, s.ScanStop, s.ScanWidthText, s.ScanColorMode, s.ScanDirection, s.ScanInterval,
                    s.ScanMethod);
}

ScanFileValues Values(std::string width, std::int32_t bppc, std::string start, std::string stop, std::int32_t direction,
                      std::int32_t speed, std::int32_t method)
{
    return {std::move(width), bppc, std::move(start), std::move(stop), direction, speed, method};
}

// Settings that differ from every default, to see which fields a step changed.
ScanSettings Earlier()
{
    return {111, 222, "earlier", 9, 8, 77, 6};
}

} // namespace

TEST(ScanSettingsFile, LivesInTheStartFolder)
{
    EXPECT_EQ(ScanSettingsPath("/home/u/start"), std::filesystem::path("/home/u/start/FFscan.ini"));
    EXPECT_EQ(ScanSettingsPath("/"), std::filesystem::path("/FFscan.ini"));
}

namespace {

struct ScanReadCase {
    const char* what;
    std::string file;
    ScanFileValues values;
};

} // namespace

class ScanFileRead : public ::testing::TestWithParam<ScanReadCase> {};

TEST_P(ScanFileRead, GivesEachKeyOrItsDefault)
{
    TempDir dir;
    WriteRawText(dir / "FFscan.ini", GetParam().file);
    EXPECT_EQ(Fields(ReadScanFile(dir / "FFscan.ini")), Fields(GetParam().values)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScanFileRead,
    ::testing::Values(
        ScanReadCase{"empty file", "", Values("024", 1, "0x000000", "0x000000", 0, 500, 2)},
        ScanReadCase{"garbled file", "\x01\xFF=\r\n[[[\n==\n", Values("024", 1, "0x000000", "0x000000", 0, 500, 2)},
        ScanReadCase{"all keys", "[setup]\r\nWidth=016\r\nBppc=3\r\nStartAddress=0x0003E8\r\nStopAddress=1000\r\n"
                             "[actions]\r\ndirection=1\r\nspeed=250\r\nmethod=0\r\n",
                 Values("016", 3, "0x0003E8", "1000", 1, 250, 0)},
        ScanReadCase{"names in other case", "[SETUP]\r\nwidth=8\r\nBPPC=2\r\n[Actions]\r\nDirection=1\r\nSPEED=9\r\n",
                 Values("8", 2, "0x000000", "0x000000", 1, 9, 2)},
        ScanReadCase{"blanks and quotes", "[setup]\r\nWidth = \" 12 \" \r\nStartAddress=  '0x10'  \r\n",
                 Values(" 12 ", 1, "0x10", "0x000000", 0, 500, 2)},
        ScanReadCase{"hexadecimal integers", "[setup]\r\nBppc=0x2\r\n[actions]\r\nspeed=0x1F4\r\n",
                 Values("024", 2, "0x000000", "0x000000", 0, 500, 2)},
        ScanReadCase{"integers that are no number", "[setup]\r\nBppc=two\r\n[actions]\r\nspeed=\r\nmethod=0x\r\n",
                 Values("024", 1, "0x000000", "0x000000", 0, 500, 2)},
        ScanReadCase{"values no control can show", "[setup]\r\nBppc=4\r\n[actions]\r\ndirection=5\r\nmethod=7\r\n",
                 Values("024", 4, "0x000000", "0x000000", 5, 500, 7)},
        ScanReadCase{"empty texts are not absent", "[setup]\r\nWidth=\r\nStartAddress=\r\n",
                 Values("", 1, "", "0x000000", 0, 500, 2)},
        ScanReadCase{"keys in the wrong section", "[actions]\r\nWidth=9\r\n[setup]\r\nspeed=9\r\n",
                 Values("024", 1, "0x000000", "0x000000", 0, 500, 2)}));

TEST(ScanFileRead, AMissingFileGivesTheDefaults)
{
    TempDir dir;
    EXPECT_EQ(Fields(ReadScanFile(dir / "FFscan.ini")), Fields(Values("024", 1, "0x000000", "0x000000", 0, 500, 2)));
}

TEST(ScanFileTake, TakesEveryValueAsRead)
{
    ScanSettings s = Earlier();
    TakeScanFileValues(s, Values("abc", 4, "0x0003E8", "-1", 5, 0, 7));
    EXPECT_EQ(Fields(s), Fields(ScanSettings{1000, -1, "abc", 4, 5, 0, 7}));
}

TEST(ScanFileTake, ABadAddressEndsTheLoadWithTheEarlierFieldsTaken)
{
    const ScanFileValues badStart = Values("016", 2, "zz", "0x10", 1, 250, 3);
    ScanSettings s = Earlier();
    EXPECT_EQ(ErrorOf([&] { TakeScanFileValues(s, badStart); }), "'zz' is not a valid integer value");
    EXPECT_EQ(Fields(s), Fields(ScanSettings{111, 222, "earlier", 2, 8, 250, 6}));

    const ScanFileValues badStop = Values("016", 2, "0x10", "", 1, 250, 3);
    s = Earlier();
    EXPECT_EQ(ErrorOf([&] { TakeScanFileValues(s, badStop); }), "'' is not a valid integer value");
    EXPECT_EQ(Fields(s), Fields(ScanSettings{16, 222, "earlier", 2, 8, 250, 6}));
}

TEST(ScanCollect, CopiesTheControls)
{
    struct Case {
        ScanDialogValues controls;
        ScanSettings expected;
    };
    const Case cases[] = {
        {{0, "500", "0x000000", "0x000000", 2, 0, "024"}, {0, 0, "024", 1, 0, 500, 2}},
        {{2, "0x1F4", "1000", "$10", 0, 1, "abc"}, {1000, 16, "abc", 3, 1, 500, 0}},
        // No item selected: colour 0, direction -1; no radio button: the method stays.
        {{-1, "-5", "-1", "0xFFFFFFFF", std::nullopt, -1, ""}, {-1, -1, "", 0, -1, -5, 6}},
    };
    for (const Case& c : cases) {
        ScanSettings s = Earlier();
        CollectScanSettings(s, c.controls);
        EXPECT_EQ(Fields(s), Fields(c.expected)) << c.controls.startText;
    }
}

TEST(ScanCollect, ABadTextStopsAtItsStep)
{
    struct Case {
        ScanDialogValues controls;
        const char* error;
        ScanSettings expected;
    };
    const Case cases[] = {
        {{1, "fast", "0x10", "0x20", 3, 1, "8"}, "'fast' is not a valid integer value", {111, 222, "earlier", 2, 8, 77, 6}},
        {{1, "10", "0x10 ", "0x20", 3, 1, "8"}, "'0x10 ' is not a valid integer value", {111, 222, "earlier", 2, 8, 10, 6}},
        {{1, "10", "0x10", "end", 3, 1, "8"}, "'end' is not a valid integer value", {16, 222, "earlier", 2, 8, 10, 6}},
    };
    for (const Case& c : cases) {
        ScanSettings s = Earlier();
        EXPECT_EQ(ErrorOf([&] { CollectScanSettings(s, c.controls); }), c.error);
        EXPECT_EQ(Fields(s), Fields(c.expected)) << c.error;
    }
}

TEST(ScanAddressText, IsZeroXAndTheAddressFormat)
{
    EXPECT_EQ(ScanAddressText(0), "0x000000");
    EXPECT_EQ(ScanAddressText(1000), "0x0003E8");
    EXPECT_EQ(ScanAddressText(0x1234567), "0x1234567");
    EXPECT_EQ(ScanAddressText(-1), "0xFFFFFFFF");
}

TEST(ScanFileWrite, ANewFileHoldsTheSevenKeysInOrder)
{
    TempDir dir;
    WriteScanFile(dir / "FFscan.ini", ScanSettings{1000, -1, "024", 1, 0, 500, 2});
    EXPECT_EQ(FileText(dir / "FFscan.ini"), "[setup]\r\nWidth=024\r\nBppc=1\r\nStartAddress=0x0003E8\r\n"
                                           "StopAddress=0xFFFFFFFF\r\n[actions]\r\ndirection=0\r\nspeed=500\r\n"
                                           "method=2\r\n");
}

TEST(ScanFileWrite, WhatIsWrittenLoadsBackTheSame)
{
    TempDir dir;
    const ScanSettings written{0x1234567, -1, "Ширина", 0, -1, 0, 3};
    WriteScanFile(dir / "FFscan.ini", written);
    ScanSettings loaded = Earlier();
    TakeScanFileValues(loaded, ReadScanFile(dir / "FFscan.ini"));
    EXPECT_EQ(Fields(loaded), Fields(written));
}

TEST(ScanFileWrite, OtherSectionsAndCommentsSurvive)
{
    TempDir dir;
    WriteRawText(dir / "FFscan.ini", "; my scans\r\n[Setup]\r\n  width = 8\r\nnote=keep\r\n\r\n[other]\nx=1\n"
                                  "[ACTIONS]\r\nSpeed=0x1F4 ; fast\r\n");
    WriteScanFile(dir / "FFscan.ini", ScanSettings{16, 32, "016", 2, 1, 100, 3});
    EXPECT_EQ(FileText(dir / "FFscan.ini"),
              "; my scans\r\n[Setup]\r\nwidth=016\r\nnote=keep\r\nBppc=2\r\nStartAddress=0x000010\r\n"
              "StopAddress=0x000020\r\n\r\n[other]\nx=1\n[ACTIONS]\r\nSpeed=100\r\ndirection=1\r\nmethod=3\r\n");
}

TEST(ScanFileWrite, AReadOnlyFileIsRefusedAndKept)
{
    TempDir dir;
    const auto path = dir / "FFscan.ini";
    WriteRawText(path, "[setup]\r\nWidth=8\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(ErrorOf([&] { WriteScanFile(path, ScanSettings{}); }), "Unable to write to " + path.string());
    EXPECT_EQ(FileText(path), "[setup]\r\nWidth=8\r\n");
}
