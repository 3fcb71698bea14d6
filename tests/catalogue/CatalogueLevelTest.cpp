#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueLevel.h"
#include "catalogue/Collation.h"
#include "catalogue/FolderListing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <sys/stat.h>

using namespace bitloom;
using Role = LevelEntry::Role;

namespace {

// A level as a line of text: "Q" the quick entry, "E" the edit entry, "|" a
// separator, "[name]" a section, "name" a picture's caption.
std::string Layout(const std::vector<LevelEntry>& level)
{
    std::string text;
    for (const LevelEntry& e : level) {
        if (!text.empty())
            text += ' ';
        switch (e.role) {
        case Role::Quick:
            text += "Q";
            break;
        case Role::Edit:
            text += "E";
            break;
        case Role::Separator:
            text += "|";
            break;
        case Role::Folder:
            text += "[" + e.caption + "]";
            break;
        case Role::Picture:
            text += e.caption;
            break;
        }
    }
    return text;
}

class Level : public ::testing::Test {
protected:
    std::vector<LevelEntry> Build(const std::filesystem::path& folder, bool simple = false)
    {
        return BuildLevel(folder, simple, root);
    }
    std::string LayoutOf(const std::filesystem::path& folder, bool simple = false)
    {
        return Layout(Build(folder, simple));
    }
    void Folder(const std::string& name) { std::filesystem::create_directories(dir / name); }

    TempDir dir;
    Collation root{""};
};

} // namespace

TEST_F(Level, FoldersFirstThenPicturesEachInNameOrder)
{
    Folder("b");
    Folder("A");
    WritePicture(dir / "2.txt", "two");
    WritePicture(dir / "10.txt", "ten");
    EXPECT_EQ(LayoutOf(dir.Path()), "Q | [A] [b] ten two");
    EXPECT_EQ(LayoutOf(dir.Path(), true), "E | [A] [b] ten two");
}

TEST_F(Level, EntriesHoldTheirPaths)
{
    Folder("Logos");
    WritePicture(dir / "p.txt", "P");
    for (const auto& folder : {dir.Path(), std::filesystem::path(dir.Path().string() + "/")}) {
        const auto level = Build(folder);
        ASSERT_EQ(level.size(), 4u);
        EXPECT_EQ(level[0].path, dir.Path()) << "no trailing separator";
        EXPECT_EQ(level[0].caption, ">> В Быстрое");
        EXPECT_EQ(level[1].path, std::filesystem::path());
        EXPECT_EQ(level[2].path, dir / "Logos");
        EXPECT_EQ(level[2].caption, "Logos");
        EXPECT_EQ(level[3].path, dir / "p.txt");
    }
    EXPECT_EQ(Build(dir.Path(), true)[0].caption, "Изменить");
}

TEST_F(Level, EmptyFolderHasOnlyTheSpecialEntryAndMissingOneNothing)
{
    Folder("empty");
    EXPECT_EQ(LayoutOf(dir / "empty"), "Q |");
    EXPECT_TRUE(Build(dir / "missing").empty());
    WriteText(dir / "file", "");
    EXPECT_TRUE(Build(dir / "file").empty()) << "a file is no folder";
}

TEST_F(Level, HiddenDotAndDashEntriesAreLeftOut)
{
    Folder(".svn");
    Folder("-old");
    Folder("ok");
    WritePicture(dir / ".hidden.txt", "hidden");
    WritePicture(dir / "notes.doc", "doc");
    WritePicture(dir / "noext", "noext");
    WriteText(dir / "empty.txt", "");
    WritePicture(dir / "-dash.txt", "dash"); // only folders are held back by a dash
    EXPECT_EQ(LayoutOf(dir.Path()), "Q | [ok] dash  noext doc");
}

TEST_F(Level, AHintOfADashIsASeparatorLine)
{
    WritePicture(dir / "b.txt", "-");
    WritePicture(dir / "a.txt", "A");
    const auto level = Build(dir.Path());
    ASSERT_EQ(level.size(), 4u);
    EXPECT_EQ(level[3].role, Role::Picture);
    EXPECT_EQ(level[3].caption, "-");
}

TEST_F(Level, MarkerFilesShowAsTheirSpecialEntries)
{
    WritePicture(dir / std::string(QuickMarker), "x");
    WritePicture(dir / std::string(EditMarker), "x");
    WritePicture(dir / std::string(SeparatorMarker), "x");
    WritePicture(dir / "p.txt", "P");
    const auto level = Build(dir.Path(), true);
    std::string top;
    for (std::size_t i = 0; i + 1 < level.size(); ++i)
        top += Layout({level[i]});
    // The two special markers land on top in listing order, the separator below the first line.
    EXPECT_EQ(std::count(top.begin(), top.end(), 'Q'), 1);
    EXPECT_EQ(std::count(top.begin(), top.end(), 'E'), 2);
    EXPECT_EQ(std::count(top.begin(), top.end(), '|'), 2);
    EXPECT_EQ(Layout({level.back()}), "P");
    for (const auto& e : level) {
        if (e.role == Role::Quick || e.role == Role::Edit) {
            EXPECT_EQ(e.path, dir.Path());
        }
    }
}

TEST_F(Level, LinksCountAsWhatTheyPointToAndLoopsDoNotHang)
{
    Folder("a/b");
    WritePicture(dir / "a/p.txt", "P");
    std::filesystem::create_directory_symlink(dir / "a", dir / "a/b/up");  // a loop through the tree
    std::filesystem::create_symlink(dir / "a/p.txt", dir / "a/link.txt");
    std::filesystem::create_symlink(dir / "a/self", dir / "a/self");         // points at itself
    std::filesystem::create_symlink(dir / "nowhere", dir / "a/dangling.txt");
    EXPECT_EQ(LayoutOf(dir / "a"), "Q | [b] P P");
    EXPECT_EQ(LayoutOf(dir / "a/b"), "Q | [up]");
    EXPECT_EQ(LayoutOf(dir / "a/b/up/b/up/b/up"), "Q | [b] P P");
}

TEST_F(Level, NamesInWindows1251ReadAsCyrillic)
{
    const std::string name = Utf8ToCp1251("Логотипы");
    std::filesystem::create_directory(dir / name);
    WritePicture(dir / name / Utf8ToCp1251("б.txt"), "Бэ");
    WritePicture(dir / name / "а.txt", "А");
    const auto top = Build(dir.Path());
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[2].caption, "Логотипы");
    EXPECT_EQ(top[2].path, dir / name) << "the path keeps the bytes on disk";
    EXPECT_EQ(Layout(Build(top[2].path)), "Q | А Бэ");
}

TEST_F(Level, ThingsThatAreNeitherFileNorFolderAreLeftOut)
{
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    WritePicture(dir / "p.txt", "P");
    EXPECT_EQ(LayoutOf(dir.Path()), "Q | P") << "a pipe would block the reading of its caption";
}

TEST_F(Level, EqualNamesStandNewestListedFirst)
{
    // The Angstrom sign and the letter Å are different names of one length that collate as equal.
    WritePicture(dir / "\u00C5.txt", "letter");
    WritePicture(dir / "\u212B.txt", "sign");
    std::vector<std::string> listed;
    for (const FolderEntry& e : ListFolder(dir.Path()))
        if (!e.IsFolder)
            listed.push_back(e.Name == "\u00C5.txt" ? "letter" : "sign");
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(LayoutOf(dir.Path()), "Q | " + listed[1] + " " + listed[0]);
}

// The order must be the one that walking each group from its start gives.
// Two families where the order test is a true ordering: names of lower-case
// letters and digits of any length (prefixes of one another), and names of
// mixed case all of one length.
TEST_F(Level, HalvingGivesTheOrderOfTheFullWalk)
{
    std::mt19937 random(7);
    auto randomName = [&](const std::string& alphabet, std::size_t minLength, std::size_t maxLength) {
        std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::string name;
        for (std::size_t n = length(random); n > 0; --n)
            name += alphabet[pick(random)];
        return name;
    };
    struct Family {
        std::string alphabet;
        std::size_t minLength, maxLength;
    };
    for (const Family& family : {Family{"ab01", 1, 5}, Family{"aAbB-1", 4, 4}}) {
        TempDir folder;
        for (int i = 0; i < 300; ++i) {
            const std::string name = randomName(family.alphabet, family.minLength, family.maxLength);
            if (name.front() != '-')
                WritePicture(folder / name, name);
        }
        // The walk: each newcomer goes before the first entry it goes before.
        std::vector<std::string> walked;
        for (const FolderEntry& e : ListFolder(folder.Path())) {
            if (e.IsFolder)
                continue;
            auto at = walked.begin();
            while (at != walked.end() && !GoesBefore(root, Utf16(e.Name), Utf16(*at)))
                ++at;
            walked.insert(at, e.Name);
        }
        std::vector<std::string> built;
        for (const LevelEntry& e : Build(folder.Path()))
            if (e.role == Role::Picture)
                built.push_back(e.caption);
        EXPECT_EQ(built, walked) << family.alphabet;
    }
}

TEST_F(Level, TenThousandPicturesAllAppearInOrder)
{
    std::vector<std::string> names;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "p" + std::to_string((i * 7919) % 10000) + ".txt";
        names.push_back(name);
        WriteText(dir / name, "");
    }
    const auto level = Build(dir.Path());
    ASSERT_EQ(level.size(), 10002u);
    std::sort(names.begin(), names.end()); // plain byte order agrees with the collation for these names
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_EQ(level[i + 2].path.filename(), names[i]);
}

TEST(FolderListing, StartsWithDotAndDotDotForAnExistingFolder)
{
    TempDir dir;
    const auto listed = ListFolder(dir.Path());
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].Name, ".");
    EXPECT_EQ(listed[1].Name, "..");
    EXPECT_TRUE(listed[0].IsFolder);
    EXPECT_FALSE(listed[0].Archive);
    EXPECT_TRUE(ListFolder(dir / "missing").empty());

    WriteText(dir / "f", "");
    std::filesystem::create_directory(dir / "d");
    for (const FolderEntry& e : ListFolder(dir.Path())) {
        if (e.Name == "f") {
            EXPECT_TRUE(!e.IsFolder && e.Archive);
        }
        if (e.Name == "d") {
            EXPECT_TRUE(e.IsFolder && !e.Archive);
        }
    }
}

TEST(FolderListing, DisplayNamesDecodeWindows1251OnlyWhereTheNameIsNotUtf8)
{
    EXPECT_EQ(DisplayName("Логотипы"), "Логотипы");
    EXPECT_EQ(DisplayName(Utf8ToCp1251("Логотипы")), "Логотипы");
    EXPECT_EQ(DisplayName("plain"), "plain");
    EXPECT_EQ(DisplayName("\xC0\x80"), Cp1251ToUtf8("\xC0\x80")) << "an overlong form is no UTF-8";
}
