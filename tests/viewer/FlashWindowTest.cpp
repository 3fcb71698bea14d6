#include "platform/Error.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "viewer/FlashWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace bitloom;
using ::testing::ElementsAre;

namespace {

ViewState StateFor(const std::filesystem::path& path, std::int32_t rowBits, std::int32_t rowCount)
{
    ViewState s;
    s.FlashPath = path;
    s.RowBits = rowBits;
    s.RowCount = rowCount;
    return s;
}

} // namespace

TEST(FlashWindow, ReadsRowBitsTimesRowCountBytesAtBasePlusOffset)
{
    TempDir dir;
    WriteBytes(dir / "d.bin", CountingBytes(64));
    ViewState s = StateFor(dir / "d.bin", 3, 2); // a window of 6 bytes
    s.BaseOffset = 10;
    ReadWindow(s, 4);
    EXPECT_THAT(std::vector(s.WindowBuffer.begin(), s.WindowBuffer.begin() + 7), ElementsAre(14, 15, 16, 17, 18, 19, 0));
}

TEST(FlashWindow, FailedReadsLeaveTheBytesGotBeforeTheFailure)
{
    TempDir dir;
    WriteBytes(dir / "d.bin", CountingBytes(8));
    ViewState s = StateFor(dir / "d.bin", 4, 1);
    EXPECT_EQ(ErrorOf([&] { ReadWindow(s, 6); }), "Read beyond end of file");
    EXPECT_THAT(std::vector(s.WindowBuffer.begin(), s.WindowBuffer.begin() + 4), ElementsAre(6, 7, 0, 0));
    EXPECT_EQ(ErrorOf([&] { ReadWindow(s, -1); }), "I/O error 131");
    s.FlashPath = dir / "gone.bin";
    EXPECT_EQ(ErrorOf([&] { ReadWindow(s, 0); }), "File not found");
}

TEST(FlashWindow, NoBytesAreReadForAnEmptyOrNegativeWindow)
{
    TempDir dir;
    WriteBytes(dir / "empty.bin", {});
    for (auto [rowBits, rowCount] : {std::pair{0, 0}, std::pair{8, 0}, std::pair{-8, 3}}) {
        ViewState s = StateFor(dir / "empty.bin", rowBits, rowCount);
        EXPECT_EQ(ErrorOf([&] { ReadWindow(s, 0); }), "no error");
        EXPECT_EQ(ErrorOf([&] { WriteWindow(s); }), "no error");
    }
    EXPECT_EQ(ReadBytes(dir / "empty.bin").size(), 0u);
}

TEST(FlashWindow, AWindowOfTheLargestPictureIsEightTimesItsBytes)
{
    TempDir dir;
    WriteBytes(dir / "d.bin", CountingBytes(23679));
    ViewState s = StateFor(dir / "d.bin", 128, 185);
    EXPECT_EQ(ErrorOf([&] { ReadWindow(s, 0); }), "Read beyond end of file");
    WriteBytes(dir / "d.bin", CountingBytes(23680));
    EXPECT_EQ(ErrorOf([&] { ReadWindow(s, 0); }), "no error");
}

TEST(FlashWindow, WindowsBeyondTheBufferGrowItUpToALimit)
{
    TempDir dir;
    WriteBytes(dir / "d.bin", CountingBytes(300000));
    ViewState s = StateFor(dir / "d.bin", 1998, 150); // 299,700 bytes
    ReadWindow(s, 0);
    EXPECT_EQ(s.WindowBuffer[299699], static_cast<std::uint8_t>(299699));

    ViewState huge = StateFor(dir / "d.bin", 65536, 1025);
    EXPECT_EQ(ErrorOf([&] { ReadWindow(huge, 0); }), "Picture window too large");
    EXPECT_EQ(huge.WindowBuffer.size(), InitialWindowBytes);
}

TEST(FlashWindow, SaveWritesExactlyTheWindowAndNothingElse)
{
    TempDir dir;
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(16, 0));
    ViewState s = StateFor(dir / "d.bin", 2, 2);
    s.BaseOffset = 5;
    s.StepOffset = 3;
    s.WindowBuffer[0] = 1;
    s.WindowBuffer[3] = 4;
    s.WindowBuffer[4] = 5; // beyond the window
    WriteWindow(s);
    EXPECT_THAT(ReadBytes(dir / "d.bin"), ElementsAre(0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 4, 0, 0, 0, 0));
}

TEST(FlashWindow, SaveRefusesAWindowReachingPastTheEndOrBelowZero)
{
    TempDir dir;
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(8, 0));
    ViewState s = StateFor(dir / "d.bin", 4, 1);
    s.WindowBuffer.assign(InitialWindowBytes, 0xFF);
    s.StepOffset = 5;
    EXPECT_EQ(ErrorOf([&] { WriteWindow(s); }), "Write beyond end of file");
    s.StepOffset = -1;
    EXPECT_EQ(ErrorOf([&] { WriteWindow(s); }), "I/O error 131");
    EXPECT_EQ(ReadBytes(dir / "d.bin"), std::vector<std::uint8_t>(8, 0));
}
