// The editor's buttons, each checked on the files and folders it leaves on disk.

#include "catalogue/EditorFixture.h"
#include "catalogue/FavoritesMenu.h"
#include "catalogue/MenuItem.h"
#include "catalogue/OrdinaryUser.h"
#include "catalogue/PictureDescription.h"

#include <set>

using namespace bitloom;
namespace fs = std::filesystem;

namespace {

const QString NA = QStringLiteral("<not available>");

// The names in a folder, hidden ones included.
std::set<std::string> Entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string Hex2(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", n);
    return text;
}

} // namespace

// ---- Adding ------------------------------------------------------------------

TEST_F(EditorTest, AddFolderTakesTheLowestFreeNumberAndSelectsIt)
{
    Folder("Новая папка 00");
    Folder("Новая папка 02");
    Open(Menu());
    Click(ed().Button1);
    EXPECT_TRUE(fs::is_directory(Menu() / "Новая папка 01"));
    EXPECT_TRUE(fs::is_empty(Menu() / "Новая папка 01"));
    EXPECT_EQ(Rows(), (QStringList{"Новая папка 00", "Новая папка 01", "Новая папка 02"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Fields(), (QStringList{"Новая папка 01", "Новая папка 01", NA, NA, NA, NA, NA}));
    EXPECT_EQ(editor().FolderPath(), Menu() / "") << "the folder path keeps the separator it was given";

    for (int n = 0; n < 16; ++n)
        Folder("Новая папка " + Hex2(n));
    Click(ed().Button1);
    EXPECT_TRUE(fs::is_directory(Menu() / "Новая папка 10"));
    EXPECT_EQ(Fields()[0], "Новая папка 10");
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, AddNewPictureTwiceWritesTwoTemplatesWithTheColourModeAndSelectsTheSecond)
{
    ui().SpeedButton3->click(); // grey scale
    Open(Menu());
    Click(ed().Button2);
    Click(ed().Button2);
    EXPECT_EQ(FileText(Menu() / "new image 00.txt"), DescriptionBytes("new image 00", "0", "0", "0", "0x000000", "3"));
    EXPECT_EQ(FileText(Menu() / "new image 01.txt"), DescriptionBytes("new image 01", "0", "0", "0", "0x000000", "3"));
    EXPECT_EQ(Rows(), (QStringList{"new image 00", "new image 01"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Fields(), (QStringList{"new image 01", "new image 01", "0x000000", "#2", "0", "0", "0"}));
    EXPECT_FALSE(ed().ButtonSave->isEnabled());
    EXPECT_EQ(Entries(Menu()), (std::set<std::string>{"new image 00.txt", "new image 01.txt"})) << "no leftovers";
}

TEST_F(EditorTest, AddNewPictureLeavesTheSelectedPicturesFileUntouched)
{
    WriteText(Menu() / "a.txt", "[values]\nHint=A\nOffs=0x10"); // LF lines, no line end at the close
    const std::string before = FileText(Menu() / "a.txt");
    Open(Menu());
    Click(ed().Button2);
    EXPECT_EQ(FileText(Menu() / "a.txt"), before);
    EXPECT_EQ(Rows(), (QStringList{"A", "new image 00"}));
    EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(EditorTest, AddCurrentPictureRecordsTheSizesLastAppliedInPixelsAndTheAddressLabel)
{
    WriteBytes(dir / "ff.bin", CountingBytes(0x100000));
    OpenDump(dir / "ff.bin");
    Picture("src.txt", {"Hint=Src", "Width=8", "Height=8", "Offs=0x0B5626", "Bppc=1"});
    form().FavoritesMenu1UrlClick(TMenuItem(), Menu() / "src.txt");
    ASSERT_EQ(ui().Label2->text(), "0B5626");

    QAbstractButton* const modes[] = {ui().SpeedButton1, ui().SpeedButton2, ui().SpeedButton3};
    for (int mode = 1; mode <= 3; ++mode) {
        modes[mode - 1]->click();
        SetSizes("96", "90", "64");
        ui().Button1->click();
        ui().Edit1->setText("50"); // typed, not applied: the picture on show keeps 96
        fs::remove_all(Menu() / "cur");
        Folder("cur");
        Open(Menu() / "cur");
        Click(ed().Button3);
        EXPECT_EQ(FileText(Menu() / "cur/new image 00.txt"),
                  DescriptionBytes("new image 00", "96", "90", "64", "0x0B5626", std::to_string(mode)))
            << "mode " << mode;
        EXPECT_EQ(Fields()[0], "new image 00");
        Click(ed().Button5);
    }
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

// ---- Save --------------------------------------------------------------------

TEST_F(EditorTest, SaveRenamesThePictureWritesItsValuesInPlaceAndSelectsIt)
{
    ui().SpeedButton2->click();
    Folder("Sub");
    Open(Menu());
    Click(ed().Button2);
    Type(ed().edName, "logo");
    Type(ed().edHint, "Логотип");
    Type(ed().edOffset, "0x1234");
    Type(ed().edWidth, "96");
    Type(ed().edWidth1, "90");
    Type(ed().edHeight, "65");
    ed().CBbpp->setCurrentIndex(2);
    ASSERT_TRUE(ed().ButtonSave->isEnabled());
    Click(ed().ButtonSave);

    EXPECT_FALSE(fs::exists(Menu() / "new image 00.txt"));
    EXPECT_EQ(FileText(Menu() / "logo.txt"), DescriptionBytes("Логотип", "96", "90", "65", "0x1234", "3"));
    EXPECT_EQ(Rows(), (QStringList{"Sub", "Логотип"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Fields(), (QStringList{"logo", "Логотип", "0x1234", "#2", "96", "90", "65"}));
    EXPECT_FALSE(ed().ButtonSave->isEnabled());
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, SaveKeepsOtherLinesOfAFileAndAppendsTheKeysItLacks)
{
    WriteText(Menu() / "p.txt", "; from a friend\r\n[values]\r\nBppc=1\r\nhint=old\r\n[other]\r\nA=1\r\n");
    Open(Menu());
    Type(ed().edHint, "new");
    Click(ed().ButtonSave);
    EXPECT_EQ(FileText(Menu() / "p.txt"), "; from a friend\r\n[values]\r\nBppc=1\r\nhint=new\r\nWidth=000\r\n"
                                          "WidthImage=000\r\nHeight=000\r\nOffs=0x000000\r\n[other]\r\nA=1\r\n");
}

TEST_F(EditorTest, SaveOfAFolderRenamesItKeepingThePartAfterTheLastDot)
{
    Folder("Old.Logos/inner");
    Open(Menu());
    ASSERT_EQ(Fields()[0], "Old");
    Type(ed().edName, "New");
    Click(ed().ButtonSave);
    EXPECT_FALSE(fs::exists(Menu() / "Old.Logos"));
    EXPECT_TRUE(fs::is_directory(Menu() / "New.Logos/inner"));
    EXPECT_EQ(Rows(), QStringList{"New.Logos"});
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Fields()[0], "New");
}

TEST_F(EditorTest, SaveWithNoColourChosenWritesBppcZero)
{
    Picture("p.txt", {"Hint=P", "Width=8", "WidthImage=8", "Height=8", "Offs=0x10", "Bppc=7"});
    Open(Menu());
    ASSERT_EQ(Fields()[3], "#-1");
    Type(ed().edHint, "Q");
    Click(ed().ButtonSave);
    EXPECT_EQ(FileText(Menu() / "p.txt"), DescriptionBytes("Q", "8", "8", "8", "0x10", "0"));
}

TEST_F(EditorTest, SaveStoresSizesAndOffsetsAsTypedLettersIncluded)
{
    Picture("p.txt", {"Hint=P", "Width=8", "WidthImage=8", "Height=8", "Offs=0x10", "Bppc=1"});
    Open(Menu());
    Type(ed().edWidth, "abc");
    Type(ed().edWidth1, "");
    Type(ed().edHeight, "12px");
    Type(ed().edOffset, "zz 1");
    Click(ed().ButtonSave);
    EXPECT_EQ(FileText(Menu() / "p.txt"), DescriptionBytes("P", "abc", "", "12px", "zz 1", "1"));
    EXPECT_EQ(Fields(), (QStringList{"p", "P", "zz 1", "#0", "abc", "", "12px"}));
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(EditorTest, HintsWithEqualsSignsQuotesAndBlanksReadBackAsTyped)
{
    struct Case {
        QString typed;
        std::string stored; // the Hint line's value in the file
    };
    const std::vector<Case> cases = {
        {"a=b", "a=b"},
        {"He said \"hi\"", "He said \"hi\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"'single'", "\"'single'\""},
        {"  padded  ", "\"  padded  \""},
        {"\"", "\""},
        {"Заставка №1", Utf8ToCp1251("Заставка №1")},
    };
    Picture("p.txt", {"Hint=P", "Width=1", "WidthImage=1", "Height=1", "Offs=0x1", "Bppc=1"});
    Open(Menu());
    for (const Case& c : cases) {
        Type(ed().edHint, c.typed);
        Click(ed().ButtonSave);
        EXPECT_EQ(FileText(Menu() / "p.txt"),
                  "[values]\r\nHint=" + c.stored + "\r\nWidth=1\r\nWidthImage=1\r\nHeight=1\r\nOffs=0x1\r\nBppc=1\r\n")
            << c.typed.toStdString();
        EXPECT_EQ(Rows(), QStringList{c.typed});
        EXPECT_EQ(Fields()[1], c.typed);
    }
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, SaveUnderTheNameOfAnotherEntryIsRefusedAndTouchesNothing)
{
    Picture("a.txt", {"Hint=A"});
    Picture("b.txt", {"Hint=B"});
    Folder("c.txt");
    const std::string a = FileText(Menu() / "a.txt");
    const std::string b = FileText(Menu() / "b.txt");
    Open(Menu());
    ChooseRow(1);
    ASSERT_EQ(Fields()[0], "a");
    for (const char* taken : {"b", "c"}) {
        Type(ed().edName, taken);
        Type(ed().edHint, "X");
        Click(ed().ButtonSave);
    }
    EXPECT_EQ(rec.errors, (QStringList{"File already exists.", "File already exists."}));
    EXPECT_EQ(FileText(Menu() / "a.txt"), a);
    EXPECT_EQ(FileText(Menu() / "b.txt"), b);
    EXPECT_TRUE(fs::is_empty(Menu() / "c.txt"));
    EXPECT_EQ(Entries(Menu()), (std::set<std::string>{"a.txt", "b.txt", "c.txt"}));
}

TEST_F(EditorTest, NamesThatAreNoNamesOfThisFolderLeaveTheEntryWhereItIs)
{
    Folder("a");
    Folder("Old");
    Picture("p.txt", {"Hint=P", "Width=1", "WidthImage=1", "Height=1", "Offs=0x1", "Bppc=1"});
    Open(Menu());
    for (const QString name : {"a/b", "a\\b", "..", ".", "", ".hidden", "../escape"}) {
        // The picture keeps its name; the values are saved into it all the same.
        ChooseRow(2);
        Type(ed().edName, name);
        Type(ed().edHint, "Q" + name);
        Click(ed().ButtonSave);
        EXPECT_EQ(ReadDescriptionTexts(Menu() / "p.txt").Hint, ("Q" + name).toStdString());
        EXPECT_EQ(SelectedRow(), 2) << name.toStdString();
        EXPECT_EQ(Fields()[0], "p");

        ChooseRow(1);
        Type(ed().edName, name);
        Click(ed().ButtonSave);
        EXPECT_EQ(SelectedRow(), 1) << name.toStdString();
        EXPECT_EQ(Fields()[0], "Old");
    }
    EXPECT_EQ(Entries(Menu()), (std::set<std::string>{"a", "Old", "p.txt"}));
    EXPECT_TRUE(fs::is_empty(Menu() / "a"));
    EXPECT_EQ(Entries(dir.Path()), (std::set<std::string>{"menu"}));
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, CloseDropsWhatWasTypedAndWritesNothing)
{
    Picture("p.txt", {"Hint=P"});
    const std::string before = FileText(Menu() / "p.txt");
    Open(Menu());
    Type(ed().edHint, "changed");
    Click(ed().Button5);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(FileText(Menu() / "p.txt"), before);
    EXPECT_EQ(ui().Panel6->text(), "");
    EXPECT_FALSE(ui().NLast->menuAction()->isEnabled());
}

// ---- Delete ------------------------------------------------------------------

TEST_F(EditorTest, DeleteAsksFirstAndSelectsTheRowThatTakesThePlace)
{
    for (const char* name : {"a", "b", "c", "d", "e"})
        Picture(std::string(name) + ".txt",
                {"Hint=" + std::string(name) + std::string(name), "Offs=0x" + std::string(name)});
    Open(Menu());

    ChooseRow(1);
    Click(ed().ButtonDelete); // no answer queued: No
    EXPECT_EQ(rec.questions, QStringList{"Удаление \"bb\".  Подтверждаете?"});
    EXPECT_TRUE(fs::exists(Menu() / "b.txt"));
    EXPECT_EQ(Rows().size(), 5);

    rec.confirmAnswers = {true};
    Click(ed().ButtonDelete);
    EXPECT_FALSE(fs::exists(Menu() / "b.txt"));
    EXPECT_EQ(Rows(), (QStringList{"aa", "cc", "dd", "ee"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Fields()[2], "0xc");

    ChooseRow(3);
    rec.confirmAnswers = {true};
    Click(ed().ButtonDelete);
    EXPECT_EQ(Rows(), (QStringList{"aa", "cc", "dd"}));
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Fields()[2], "0xd");

    rec.confirmAnswers = {true, true, true};
    Click(ed().ButtonDelete);
    Click(ed().ButtonDelete);
    EXPECT_EQ(Fields()[2], "0xa");
    Click(ed().ButtonDelete);
    EXPECT_EQ(Rows(), QStringList{});
    EXPECT_EQ(Fields(), (QStringList{NA, NA, NA, NA, NA, NA, NA}));
    EXPECT_FALSE(ed().ButtonDelete->isEnabled());
    EXPECT_EQ(Entries(Menu()), std::set<std::string>{});
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, DeletingAFolderRemovesItsWholeTreeButKeepsHiddenFilesAndTheirFolders)
{
    Picture("Logos/a.txt", {"Hint=A"});
    Picture("Logos/Small/b.txt", {"Hint=B"});
    Picture("Logos/Small/Tiny/c.doc", {"Hint=C"});
    Picture("Keep/p.txt", {"Hint=P"});
    Picture("Keep/sub/q.txt", {"Hint=Q"});
    WriteText(Menu() / "Keep/.hidden", "mine");
    Open(Menu());
    ASSERT_EQ(Rows(), (QStringList{"Keep", "Logos"}));

    ChooseRow(1);
    rec.confirmAnswers = {true};
    Click(ed().ButtonDelete);
    EXPECT_FALSE(fs::exists(Menu() / "Logos"));
    EXPECT_EQ(Rows(), QStringList{"Keep"});

    rec.confirmAnswers = {true};
    Click(ed().ButtonDelete);
    EXPECT_EQ(Entries(Menu() / "Keep"), std::set<std::string>{".hidden"});
    EXPECT_EQ(FileText(Menu() / "Keep/.hidden"), "mine");
    EXPECT_EQ(Rows(), QStringList{"Keep"}) << "the folder stays, and stays selected";
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(rec.questions,
              (QStringList{"Удаление \"Logos\".  Подтверждаете?", "Удаление \"Keep\".  Подтверждаете?"}));
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, DeletingRemovesSymbolicLinksAndNeverWhatTheyPointTo)
{
    const fs::path outside = dir / "outside";
    fs::create_directories(outside / "deep");
    WriteText(outside / "x.txt", "[values]\r\nHint=X\r\n");
    WriteText(outside / "deep/y.txt", "[values]\r\nHint=Y\r\n");
    fs::create_symlink(outside, Menu() / "Link");
    Picture("Real/p.txt", {"Hint=P"});
    fs::create_symlink(outside, Menu() / "Real/Inner");
    fs::create_symlink(outside / "x.txt", Menu() / "Real/x-link.txt");
    fs::create_symlink(outside / "x.txt", Menu() / "pic-link.txt");
    Open(Menu());
    ASSERT_EQ(Rows(), (QStringList{"Link", "Real", "X"}));

    rec.confirmAnswers = {true, true, true};
    Click(ed().ButtonDelete); // Link
    Click(ed().ButtonDelete); // Real, with a link to a folder and one to a file inside
    Click(ed().ButtonDelete); // the picture that is a link
    EXPECT_EQ(Entries(Menu()), std::set<std::string>{});
    EXPECT_EQ(Entries(outside), (std::set<std::string>{"deep", "x.txt"}));
    EXPECT_EQ(Entries(outside / "deep"), std::set<std::string>{"y.txt"});
    EXPECT_EQ(FileText(outside / "x.txt"), "[values]\r\nHint=X\r\n");
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

// ---- A folder that changes under the editor ----------------------------------

TEST_F(EditorTest, AFolderRemovedWhileTheEditorIsOpenGivesFileErrorsAndCreatesNothing)
{
    Picture("Logos/p.txt", {"Hint=P"});
    Open(Menu() / "Logos");
    fs::remove_all(Menu() / "Logos");

    Click(ed().Button1);
    Click(ed().Button2);
    Click(ed().Button3);
    Type(ed().edName, "q");
    Click(ed().ButtonSave);
    const std::string q = (Menu() / "Logos" / "q.txt").string();
    EXPECT_EQ(rec.errors, (QStringList{"Invalid filename.", "Invalid filename.", "Invalid filename.",
                                       QString::fromStdString("Unable to write to " + q + ".")}));
    EXPECT_EQ(Rows(), QStringList{"P"}) << "a failed command does not list again";

    rec.confirmAnswers = {true};
    Click(ed().ButtonDelete);
    EXPECT_EQ(Rows(), QStringList{});
    EXPECT_EQ(Fields()[0], NA);
    EXPECT_EQ(rec.errors.size(), 4);
    EXPECT_EQ(Entries(Menu()), std::set<std::string>{});
}

TEST_F(EditorTest, AReadOnlyFolderRefusesEveryChangeWithTheFileErrors)
{
    Picture("ro/p.txt", {"Hint=P", "Width=1", "WidthImage=1", "Height=1", "Offs=0x1", "Bppc=1"});
    Folder("ro/sub");
    const std::string before = FileText(Menu() / "ro/p.txt");
    fs::permissions(Menu() / "ro", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const OrdinaryUser user;
    if (!user.Active())
        GTEST_SKIP() << "cannot act as an ordinary user here";
    Open(Menu() / "ro");

    Click(ed().Button1);
    Click(ed().Button2);
    ChooseRow(1);
    Type(ed().edName, "q");
    Type(ed().edHint, "Q");
    Click(ed().ButtonSave);
    rec.confirmAnswers = {true, true};
    Click(ed().ButtonDelete);
    ChooseRow(0);
    Click(ed().ButtonDelete);

    const std::string p = (Menu() / "ro" / "p.txt").string();
    EXPECT_EQ(rec.errors, (QStringList{"File access denied.", "File access denied.",
                                       QString::fromStdString("Unable to write to " + p + ".")}));
    EXPECT_EQ(FileText(Menu() / "ro/p.txt"), before);
    EXPECT_EQ(Entries(Menu() / "ro"), (std::set<std::string>{"p.txt", "sub"}));
    EXPECT_EQ(Rows(), (QStringList{"sub", "P"}));
}

// ---- Close + Set Quick -------------------------------------------------------

TEST_F(EditorTest, CloseAndSetQuickMakesTheEditedFolderTheQuickMenus)
{
    Folder("Logos/Start");
    Open(Menu() / "Logos");
    Click(ed().Button4);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(ui().Panel6->text(), "/Logos");
    EXPECT_EQ(TMenuItem::Of(ui().NLast).Hint(), Menu() / "Logos");
    EXPECT_EQ(form().FavoritesMenu2().InitialDir(), Menu() / "Logos");
    EXPECT_TRUE(ui().NLast->menuAction()->isEnabled());

    // The root: empty, or a lone separator once an operation has run in this opening.
    Open(Menu());
    Click(ed().Button4);
    EXPECT_EQ(ui().Panel6->text(), "");
    EXPECT_EQ(TMenuItem::Of(ui().NLast).Hint(), Menu());
    Open(Menu());
    Click(ed().Button1);
    Click(ed().Button4);
    EXPECT_EQ(ui().Panel6->text(), "/");
    EXPECT_EQ(TMenuItem::Of(ui().NLast).Hint(), Menu() / "");
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}
