// Renames and new files that never take the place of an entry already there.

#include "catalogue/EntryFiles.h"
#include "catalogue/CatalogueFiles.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

#include <set>

using namespace bitloom;
namespace fs = std::filesystem;

namespace {

std::set<std::string> Entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(RenameEntry, NeverReplacesAFileAFolderOrALink)
{
    TempDir dir;
    WriteText(dir / "a.txt", "A");
    WriteText(dir / "b.txt", "B");
    fs::create_directory(dir / "empty"); // rename(2) alone would replace an empty folder
    fs::create_directory(dir / "full");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    for (const char* taken : {"b.txt", "empty", "dangling", "a.txt"})
        EXPECT_FALSE(RenameEntry(dir / "a.txt", dir / taken)) << taken;
    EXPECT_FALSE(RenameEntry(dir / "full", dir / "empty"));
    EXPECT_EQ(FileText(dir / "a.txt"), "A");
    EXPECT_EQ(FileText(dir / "b.txt"), "B");
    EXPECT_TRUE(fs::is_directory(dir / "full"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
}

TEST(RenameEntry, MovesFilesFoldersAndLinksThemselves)
{
    TempDir dir;
    WriteText(dir / "a.txt", "A");
    fs::create_directories(dir / "f/inner");
    fs::create_directory(dir / "target");
    fs::create_symlink(dir / "target", dir / "link");
    EXPECT_TRUE(RenameEntry(dir / "a.txt", dir / "Логотип.txt"));
    EXPECT_TRUE(RenameEntry(dir / "f", dir / "g"));
    EXPECT_TRUE(RenameEntry(dir / "link", dir / "link2"));
    EXPECT_FALSE(RenameEntry(dir / "missing", dir / "x"));
    EXPECT_EQ(Entries(dir.Path()), (std::set<std::string>{"Логотип.txt", "g", "link2", "target"}));
    EXPECT_TRUE(fs::is_symlink(dir / "link2"));
    EXPECT_TRUE(fs::is_directory(dir / "g/inner"));
}

TEST(CreateNewFile, WritesTheWholeContentUnderAFreeNameOnly)
{
    TempDir dir;
    EXPECT_TRUE(CreateNewFile(dir / "n.txt", "[values]\r\nHint=x\r\n"));
    EXPECT_EQ(FileText(dir / "n.txt"), "[values]\r\nHint=x\r\n");

    WriteText(dir / "taken.txt", "mine");
    fs::create_symlink(dir / "nowhere", dir / "dangling.txt");
    EXPECT_FALSE(CreateNewFile(dir / "taken.txt", "other"));
    EXPECT_FALSE(CreateNewFile(dir / "dangling.txt", "other"));
    EXPECT_FALSE(CreateNewFile(dir / "n.txt", "other"));
    EXPECT_EQ(FileText(dir / "taken.txt"), "mine");
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
    EXPECT_EQ(Entries(dir.Path()), (std::set<std::string>{"n.txt", "taken.txt", "dangling.txt"})) << "no leftovers";
}

TEST(CreateNewFile, AFolderThatIsMissingGivesItsFileError)
{
    TempDir dir;
    try {
        CreateNewFile(dir / "missing/n.txt", "x");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
    }
}
