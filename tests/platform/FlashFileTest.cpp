#include "platform/Error.h"
#include "platform/FlashFile.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

using bitloom::FlashFile;

TEST(FlashFile, OpenFailuresCarryTheUsersTexts)
{
    TempDir dir;
    WriteBytes(dir / "ro.bin", {1, 2, 3});
    std::filesystem::permissions(dir / "ro.bin", std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    std::filesystem::create_directory(dir / "folder.bin");

    EXPECT_EQ(ErrorOf([&] { FlashFile::Open(dir / "missing.bin"); }), "File not found");
    EXPECT_EQ(ErrorOf([&] { FlashFile::Open(dir / "no-such-folder" / "x.bin"); }), "Invalid filename");
    // Refused also for root, who could write to it anyway.
    EXPECT_EQ(ErrorOf([&] { FlashFile::Open(dir / "ro.bin"); }), "File access denied");
    EXPECT_EQ(ErrorOf([&] { FlashFile::Open(dir / "folder.bin"); }), "File access denied");
}

TEST(FlashFile, OpensNamesWithBlanksAndCyrillicLetters)
{
    TempDir dir;
    const auto path = dir / "папка с пробелом";
    std::filesystem::create_directory(path);
    WriteBytes(path / "дамп 1.bin", {9, 8, 7});
    EXPECT_EQ(FlashFile::Open(path / "дамп 1.bin").Size(), 3);
}

TEST(FlashFile, ShortReadKeepsTheBytesGotAndSaysSo)
{
    TempDir dir;
    WriteBytes(dir / "f.bin", {10, 11, 12, 13});
    const FlashFile file = FlashFile::Open(dir / "f.bin");
    std::array<std::uint8_t, 4> out{0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ErrorOf([&] { file.ReadAt(2, out); }), "Read beyond end of file");
    EXPECT_THAT(out, ::testing::ElementsAre(12, 13, 0xEE, 0xEE));
    EXPECT_EQ(ErrorOf([&] { file.ReadAt(4, std::span(out).first(1)); }), "Read beyond end of file");
    EXPECT_EQ(ErrorOf([&] { file.ReadAt(-1, out); }), "I/O error 131");
    EXPECT_EQ(ErrorOf([&] { file.ReadAt(0, std::span(out).first(0)); }), "no error");
}

TEST(FlashFile, WritesOnlyInsideTheFileAndNeverLengthensIt)
{
    TempDir dir;
    WriteBytes(dir / "f.bin", {0, 0, 0, 0});
    const FlashFile file = FlashFile::Open(dir / "f.bin");
    const std::array<std::uint8_t, 2> data{0xAA, 0xBB};
    file.WriteInside(2, data);
    EXPECT_EQ(ErrorOf([&] { file.WriteInside(3, data); }), "Write beyond end of file");
    EXPECT_EQ(ErrorOf([&] { file.WriteInside(-1, data); }), "I/O error 131");
    EXPECT_THAT(ReadBytes(dir / "f.bin"), ::testing::ElementsAre(0, 0, 0xAA, 0xBB));
}

TEST(FlashFile, CopyMakesAByteForByteCopyAndReplacesAnOldTarget)
{
    TempDir dir;
    const auto bytes = CountingBytes(200000); // more than three copy blocks
    WriteBytes(dir / "a.bin", bytes);
    WriteBytes(dir / "b.bin", std::vector<std::uint8_t>(300000, 7));
    bitloom::CopyFlashFile(dir / "a.bin", dir / "b.bin");
    EXPECT_EQ(ReadBytes(dir / "b.bin"), bytes);
    EXPECT_TRUE(bitloom::SameFile(dir / "a.bin", dir / "." / "a.bin"));
    EXPECT_FALSE(bitloom::SameFile(dir / "a.bin", dir / "b.bin"));
    EXPECT_FALSE(bitloom::SameFile(dir / "a.bin", dir / "none.bin"));
}

TEST(FlashFile, CopyFromAMissingSourceCreatesNothing)
{
    TempDir dir;
    EXPECT_EQ(ErrorOf([&] { bitloom::CopyFlashFile(dir / "none.bin", dir / "t.bin"); }), "File not found");
    EXPECT_FALSE(std::filesystem::exists(dir / "t.bin"));
}

TEST(FlashFile, ShortWriteDuringACopyIsReportedAsDiskFull)
{
    TempDir dir;
    WriteBytes(dir / "a.bin", CountingBytes(100));
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    EXPECT_EQ(ErrorOf([&] { bitloom::CopyFlashFile(dir / "a.bin", "/dev/full"); }), "Disk full");
}
