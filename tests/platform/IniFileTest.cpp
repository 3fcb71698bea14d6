#include "platform/Error.h"
#include "platform/IniFile.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using bitloom::IniEntry;
using bitloom::IniFile;

namespace {

std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// ---- Reading ---------------------------------------------------------------

namespace {

struct IniReadCase {
    const char* what;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

} // namespace

class IniRead : public ::testing::TestWithParam<IniReadCase> {};

TEST_P(IniRead, FindsTheValueAsAProfileReaderDoes)
{
    const IniReadCase& c = GetParam();
    EXPECT_EQ(IniFile(c.file).ReadString(c.section, c.key), c.value) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Names, IniRead,
    ::testing::Values(
        IniReadCase{"plain", "[setup]\r\nWidth=024\r\n", "setup", "Width", "024"},
        IniReadCase{"names in other case", "[SETUP]\r\nwidth=1\r\n", "Setup", "WIDTH", "1"},
        IniReadCase{"Cyrillic names in other case", "[\xD0\xE0\xE7\xE4\xE5\xEB]\r\n\xCA\xEB\xFE\xF7=2\r\n", "РАЗДЕЛ",
                 "ключ", "2"},
        IniReadCase{"blanks around names", " [ setup ] \r\n\t Width \t= 5\r\n", "setup", "Width", "5"},
        IniReadCase{"first of two equal keys", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        IniReadCase{"key in a later section of the same name", "[s]\r\na=1\r\n[t]\r\nk=0\r\n[S]\r\nk=3\r\n", "s", "k",
                 "3"},
        IniReadCase{"only the part before the first '=' names the key", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"}));

INSTANTIATE_TEST_SUITE_P(
    Absent, IniRead,
    ::testing::Values(IniReadCase{"empty file", "", "setup", "Width", std::nullopt},
                      IniReadCase{"no such key", "[setup]\r\nBppc=1\r\n", "setup", "Width", std::nullopt},
                      IniReadCase{"no such section", "[actions]\r\nWidth=1\r\n", "setup", "Width", std::nullopt},
                      IniReadCase{"key of another section", "[setup]\r\n[actions]\r\nWidth=1\r\n", "setup", "Width",
                               std::nullopt},
                      IniReadCase{"key before any section", "Width=1\r\n[setup]\r\n", "setup", "Width", std::nullopt},
                      IniReadCase{"commented out", "[setup]\r\n;Width=1\r\n", "setup", "Width", std::nullopt},
                      IniReadCase{"no '='", "[setup]\r\nWidth\r\n", "setup", "Width", std::nullopt},
                      IniReadCase{"unclosed section line", "[setup\r\nWidth=1\r\n", "setup", "Width", std::nullopt},
                      IniReadCase{"garbage", std::string("\0\xFF[\x01]=\n\n=", 9), "setup", "Width", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Values, IniRead,
    ::testing::Values(
        IniReadCase{"empty, not absent", "[setup]\r\nWidth=\r\n", "setup", "Width", ""},
        IniReadCase{"only blanks", "[setup]\r\nWidth=  \t\r\n", "setup", "Width", ""},
        IniReadCase{"blanks around", "[setup]\r\nWidth=  0x1F 4  \r\n", "setup", "Width", "0x1F 4"},
        IniReadCase{"double quotes", "[s]\r\nk=\"  a b  \"\r\n", "s", "k", "  a b  "},
        IniReadCase{"single quotes", "[s]\r\nk= 'x' \r\n", "s", "k", "x"},
        IniReadCase{"one pair only", "[s]\r\nk=\"\"x\"\"\r\n", "s", "k", "\"x\""},
        IniReadCase{"quotes that do not match", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
        IniReadCase{"a lone quote", "[s]\r\nk=\"\r\n", "s", "k", "\""},
        IniReadCase{"empty quotes", "[s]\r\nk=\"\"\r\n", "s", "k", ""},
        IniReadCase{"Windows-1251 text", "[s]\r\nName=\xCB\xEE\xE3\xEE \xB9" "1\r\n", "s", "Name", "Лого №1"},
        IniReadCase{"LF lines", "[s]\nk=1\nj=2\n", "s", "j", "2"},
        IniReadCase{"last line without a line end", "[s]\r\nk=1", "s", "k", "1"},
        IniReadCase{"last line ending in CR alone", "[s]\r\nk=1\r", "s", "k", "1"},
        IniReadCase{"long value cut at 2047 characters", "[s]\r\nk=" + std::string(3000, 'a') + "\r\nj=2\r\n", "s", "k",
                 std::string(2047, 'a')},
        IniReadCase{"long line before the key", "[s]\r\n;" + std::string(100000, 'x') + "\r\nk=1\r\n", "s", "k", "1"}));

namespace {

struct IniIntegerCase {
    const char* text;
    std::int32_t value;
};

} // namespace

class IniInteger : public ::testing::TestWithParam<IniIntegerCase> {};

TEST_P(IniInteger, ReadsTheZeroXRuleElseTheIntegerConversionElseTheDefault)
{
    const IniFile ini("[s]\r\nk=" + std::string(GetParam().text) + "\r\n");
    EXPECT_EQ(ini.ReadInteger("s", "k", 77), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniInteger,
    ::testing::Values(IniIntegerCase{"0x1F4", 500}, IniIntegerCase{"0X1f4", 500}, IniIntegerCase{"500", 500},
                      IniIntegerCase{"-1", -1}, IniIntegerCase{"0xFFFFFFFF", -1}, IniIntegerCase{"$10", 16},
                      IniIntegerCase{"x10", 16}, IniIntegerCase{" 7 ", 7}, IniIntegerCase{"\"8\"", 8}, IniIntegerCase{"0x", 77},
                      IniIntegerCase{"", 77}, IniIntegerCase{"abc", 77}, IniIntegerCase{"0x100000000", 77},
                      IniIntegerCase{"0xG", 77}, IniIntegerCase{"1 2", 77}, IniIntegerCase{"2147483648", 77}));

TEST(IniInteger, AbsentKeyGivesTheDefault)
{
    EXPECT_EQ(IniFile("[s]\r\n").ReadInteger("s", "k", 500), 500);
}

// ---- Writing in memory ------------------------------------------------------

namespace {

struct IniWriteCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

} // namespace

class IniWrite : public ::testing::TestWithParam<IniWriteCase> {};

TEST_P(IniWrite, ChangesOnlyTheKeysLine)
{
    const IniWriteCase& c = GetParam();
    IniFile ini(c.before);
    ini.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(ini.Bytes(), c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    InPlace, IniWrite,
    ::testing::Values(
        IniWriteCase{"replaced where it stands", "[setup]\r\nWidth=024\r\nBppc=1\r\n", "setup", "Width", "32",
                  "[setup]\r\nWidth=32\r\nBppc=1\r\n"},
        IniWriteCase{"found in other case, keeps its spelling", "[Setup]\r\n  WIDTH = 024 \r\nx=1\r\n", "setup", "Width",
                  "32", "[Setup]\r\nWIDTH=32\r\nx=1\r\n"},
        IniWriteCase{"keeps an LF line end", "[s]\nk=1\nz=2\n", "s", "k", "9", "[s]\nk=9\nz=2\n"},
        IniWriteCase{"last line keeps having no line end", "[s]\r\nk=1", "s", "k", "22", "[s]\r\nk=22"},
        IniWriteCase{"only the first of two equal keys", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\nk=2\r\n"},
        IniWriteCase{"empty value", "[s]\r\nk=1\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
        IniWriteCase{"line breaks in a value become blanks", "[s]\r\nk=1\r\n", "s", "k", "a\r\n[x]\nb",
                  "[s]\r\nk=a  [x] b\r\n"},
        IniWriteCase{"Windows-1251 bytes, ? for what it lacks", "[s]\r\nk=1\r\n", "s", "k", "Лого 日",
                  "[s]\r\nk=\xCB\xEE\xE3\xEE ?\r\n"}));

INSTANTIATE_TEST_SUITE_P(
    Appended, IniWrite,
    ::testing::Values(
        IniWriteCase{"at the end of its section, before the blank lines", "[setup]\r\nWidth=1\r\n\r\n[actions]\r\nspeed=5\r\n",
                  "setup", "Bppc", "2", "[setup]\r\nWidth=1\r\nBppc=2\r\n\r\n[actions]\r\nspeed=5\r\n"},
        IniWriteCase{"into an empty section", "[setup]\r\n[actions]\r\n", "setup", "Width", "1",
                  "[setup]\r\nWidth=1\r\n[actions]\r\n"},
        IniWriteCase{"after a comment at the end of its section", "[setup]\r\n;Bppc=5\r\n", "setup", "Bppc", "2",
                  "[setup]\r\n;Bppc=5\r\nBppc=2\r\n"},
        IniWriteCase{"into the first of two sections of that name", "[s]\r\na=1\r\n[S]\r\nb=2\r\n", "s", "c", "3",
                  "[s]\r\na=1\r\nc=3\r\n[S]\r\nb=2\r\n"},
        IniWriteCase{"a missing section at the end of the file", "; comment\r\n[other]\r\nx=1\r\n", "setup", "Width", "1",
                  "; comment\r\n[other]\r\nx=1\r\n[setup]\r\nWidth=1\r\n"},
        IniWriteCase{"to a file without a final line end", "[other]\r\nx=1", "setup", "Width", "1",
                  "[other]\r\nx=1\r\n[setup]\r\nWidth=1\r\n"},
        IniWriteCase{"to a section whose last line has no line end", "[setup]\r\nWidth=1", "setup", "Bppc", "2",
                  "[setup]\r\nWidth=1\r\nBppc=2\r\n"},
        IniWriteCase{"after a last line ending in CR alone", "[setup]\r\nWidth=1\r", "setup", "Bppc", "2",
                  "[setup]\r\nWidth=1\r\nBppc=2\r\n"},
        IniWriteCase{"to an empty file", "", "setup", "Width", "024", "[setup]\r\nWidth=024\r\n"},
        IniWriteCase{"not into a commented-out section", ";[setup]\r\nx=1\r\n", "setup", "Width", "1",
                  ";[setup]\r\nx=1\r\n[setup]\r\nWidth=1\r\n"}));

TEST(IniWrite, EveryOtherByteSurvives)
{
    const std::string before = "; Bitloom scan settings\r\n"
                               "\r\n"
                               "[Other]\n"
                               "Width=99\n"
                               "  odd line without equals\r\n"
                               "[setup]\r\n"
                               "  width =  \"024\"  \r\n"
                               ";StartAddress=0x123\r\n"
                               "Zz=\xC0\xE1\xE2\r\n"
                               "\r\n"
                               "\t\r\n"
                               "[actions]\r\n"
                               "speed=0x1F4\r\n"
                               "trailing";
    IniFile ini(before);
    EXPECT_EQ(ini.Bytes(), before);
    ini.WriteString("setup", "Width", "16");
    ini.WriteString("setup", "StartAddress", "0x000010");
    ini.WriteString("actions", "Speed", "250");
    EXPECT_EQ(ini.Bytes(), "; Bitloom scan settings\r\n"
                           "\r\n"
                           "[Other]\n"
                           "Width=99\n"
                           "  odd line without equals\r\n"
                           "[setup]\r\n"
                           "width=16\r\n"
                           ";StartAddress=0x123\r\n"
                           "Zz=\xC0\xE1\xE2\r\n"
                           "StartAddress=0x000010\r\n"
                           "\r\n"
                           "\t\r\n"
                           "[actions]\r\n"
                           "speed=250\r\n"
                           "trailing");
}

TEST(IniWrite, WhatIsWrittenReadsBack)
{
    IniFile ini;
    ini.WriteString("setup", "Width", "abc");
    ini.WriteString("setup", "Name", "Заставка");
    ini.WriteString("setup", "Empty", "");
    const IniFile again(ini.Bytes());
    EXPECT_EQ(again.ReadString("SETUP", "width"), "abc");
    EXPECT_EQ(again.ReadString("setup", "Name"), "Заставка");
    EXPECT_EQ(again.ReadString("setup", "Empty"), "");
    EXPECT_EQ(again.ReadString("setup", "Other"), std::nullopt);
}

// ---- Files ------------------------------------------------------------------

TEST(IniFileOnDisk, CreatesAMissingFileWithTheKeysInOrder)
{
    TempDir dir;
    const std::vector<IniEntry> entries = {
        {"setup", "Width", "024"}, {"setup", "Bppc", "1"}, {"actions", "direction", "0"}, {"actions", "speed", "500"}};
    bitloom::WriteIniFile(dir / "FFscan.ini", entries);
    EXPECT_EQ(FileText(dir / "FFscan.ini"), "[setup]\r\nWidth=024\r\nBppc=1\r\n[actions]\r\ndirection=0\r\nspeed=500\r\n");
    // The temporary file has taken the file's place: nothing else is left.
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"FFscan.ini"});
    EXPECT_EQ(IniFile::Load(dir / "FFscan.ini").ReadInteger("actions", "speed", 0), 500);
}

TEST(IniFileOnDisk, RewritesAnExistingFileKeepingItsOtherLinesAndPermissions)
{
    TempDir dir;
    const auto path = dir / "desc.ini";
    WriteRawText(path, "; keep me\n[setup]\nWidth=1\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    bitloom::WriteIniString(path, "setup", "Width", "2");
    EXPECT_EQ(FileText(path), "; keep me\n[setup]\nWidth=2\n");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST(IniFileOnDisk, WritesThroughASymbolicLink)
{
    TempDir dir;
    WriteRawText(dir / "real.ini", "[s]\r\nk=1\r\n");
    std::filesystem::create_symlink(dir / "real.ini", dir / "link.ini");
    bitloom::WriteIniString(dir / "link.ini", "s", "k", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(FileText(dir / "real.ini"), "[s]\r\nk=2\r\n");
}

TEST(IniFileOnDisk, RefusedWritesSayUnableToWriteAndChangeNothing)
{
    TempDir dir;
    namespace fs = std::filesystem;
    const auto readOnlyFile = dir / "ro.ini";
    WriteRawText(readOnlyFile, "[s]\r\nk=1\r\n");
    fs::permissions(readOnlyFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto readOnlyFolder = dir / "locked";
    fs::create_directory(readOnlyFolder);
    WriteRawText(readOnlyFolder / "in.ini", "[s]\r\nk=1\r\n");
    fs::permissions(readOnlyFolder, fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory(dir / "folder.ini");

    // Refused also when running as root, who could write anyway.

    for (const fs::path& path : {readOnlyFile, readOnlyFolder / "in.ini", readOnlyFolder / "new.ini",
                                 dir / "no-such-folder" / "x.ini", dir / "folder.ini"}) {
        EXPECT_EQ(ErrorOf([&] { bitloom::WriteIniString(path, "s", "k", "2"); }), "Unable to write to " + path.string());
    }
    EXPECT_EQ(FileText(readOnlyFile), "[s]\r\nk=1\r\n");
    EXPECT_EQ(FileText(readOnlyFolder / "in.ini"), "[s]\r\nk=1\r\n");
    EXPECT_EQ(FolderEntries(readOnlyFolder), std::vector<std::string>{"in.ini"});
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"folder.ini", "locked", "ro.ini"}));
}

TEST(IniFileOnDisk, AMissingOrUnreadableFileReadsAsEmpty)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.ini");
    for (const auto& path : {dir / "missing.ini", dir / "folder.ini", dir / "no-such-folder" / "x.ini"})
        EXPECT_EQ(IniFile::Load(path).Bytes(), "") << path;
#ifndef _WIN32
    // A pipe under the name must not hang the reader.
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0666), 0);
    EXPECT_EQ(IniFile::Load(dir / "pipe.ini").Bytes(), "");
    EXPECT_EQ(ErrorOf([&] { bitloom::WriteIniString(dir / "pipe.ini", "s", "k", "2"); }),
              "Unable to write to " + (dir / "pipe.ini").string());
#endif
}

TEST(IniFileOnDisk, AWindows1251FileRoundTripsThroughUtf8)
{
    TempDir dir;
    const std::string bytes = "[\xCF\xE0\xEF\xEA\xE0]\r\nName=\xC7\xE0\xF1\xF2\xE0\xE2\xEA\xE0 \xA8\r\n";
    WriteRawText(dir / "d.ini", bytes);
    const IniFile ini = IniFile::Load(dir / "d.ini");
    EXPECT_EQ(ini.ReadString("папка", "name"), "Заставка Ё");
    bitloom::WriteIniString(dir / "d.ini", "Папка", "Name", "Заставка Ё");
    EXPECT_EQ(FileText(dir / "d.ini"), bytes);
}
