// The editor's list and its boxes: what a folder lists, in which order, and
// how the selected row reaches the boxes without overwriting typing.

#include "catalogue/EditorFixture.h"
#include "catalogue/OrdinaryUser.h"

#include <QPainter>

using namespace bitloom;

namespace {

const QString NA = QStringLiteral("<not available>");

} // namespace

TEST_F(EditorTest, AnEmptyFolderListsNothingAndEveryBoxReadsNotAvailable)
{
    Open(Menu());
    EXPECT_EQ(Rows(), QStringList{});
    EXPECT_EQ(Fields(), (QStringList{NA, NA, NA, NA, NA, NA, NA}));
    EXPECT_EQ(Enabled(), std::vector<bool>(7, false));
    EXPECT_TRUE(ed().edBpp->isVisibleTo(&editor()));
    EXPECT_FALSE(ed().CBbpp->isVisibleTo(&editor()));
    EXPECT_FALSE(ed().ButtonDelete->isEnabled());
    EXPECT_FALSE(ed().ButtonSave->isEnabled());
    EXPECT_EQ(editor().ShownRow(), std::nullopt);
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(EditorTest, FoldersComeFirstAndEachGroupSortsByNameOnDiskNotByShownText)
{
    Folder("Zeta");
    Folder("Alpha");
    Folder("-old"); // a section the menus hide is still the editor's
    Folder(".svn"); // hidden
    Picture("b.txt", {"Hint=Aaa"});
    Picture("a.txt", {"Hint=Zzz"});
    Picture(".hidden.txt", {"Hint=Hidden"});
    Picture("readme.doc", {"Note=x"});
    Open(Menu());
    EXPECT_EQ(Rows(), (QStringList{"-old", "Alpha", "Zeta", "Zzz", "Aaa", ""}));
    EXPECT_EQ(editor().Rows().folderCount, 3u);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_TRUE(ed().ButtonDelete->isEnabled());
    EXPECT_TRUE(ed().ListBox1->hasFocus());

    ChooseRow(5);
    EXPECT_EQ(Fields(), (QStringList{"readme", "", "0x000000", "#0", "000", "000", "000"}));
}

TEST_F(EditorTest, PictureNamesSortAsTextsInTheUsersLanguageLowerCaseFirst)
{
    for (const char* name : {"b.txt", "2.txt", "Ab.txt", "10.txt", "a.txt", "ж.txt", "Б.txt"})
        Picture(name, {std::string("Hint=") + name});
    Open(Menu());
    EXPECT_EQ(Rows(), (QStringList{"10.txt", "2.txt", "a.txt", "Ab.txt", "b.txt", "Б.txt", "ж.txt"}));
}

TEST_F(EditorTest, ThePictureRowFillsEveryBoxWithTheFileDefaultsWhereKeysAreMissing)
{
    struct Case {
        std::vector<std::string_view> lines;
        QStringList fields;
    };
    const std::vector<Case> cases = {
        {{"Hint=Logo", "Width=96", "WidthImage=90", "Height=65", "Offs=0x0B5626", "Bppc=2"},
         {"p", "Logo", "0x0B5626", "#1", "96", "90", "65"}},
        {{"Hint=NoWidthImage", "Width=64", "Height=8", "Bppc=3"},
         {"p", "NoWidthImage", "0x000000", "#2", "64", "64", "8"}},
        {{"Offs=0x1000"}, {"p", "", "0x1000", "#0", "000", "000", "000"}},
        {{"Hint=Seven", "Bppc=7"}, {"p", "Seven", "0x000000", "#-1", "000", "000", "000"}},
        {{"Hint=Hex", "Bppc=0x2"}, {"p", "Hex", "0x000000", "#1", "000", "000", "000"}},
        {{"HINT=  upper  ", "WIDTHIMAGE=", "Width=\"8\""}, {"p", "upper", "0x000000", "#0", "8", "", "000"}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(Menu());
        Folder("");
        std::string text = "[values]\r\n";
        for (std::string_view line : c.lines)
            text += std::string(line) + "\r\n";
        WriteText(Menu() / "p.txt", text);
        Open(Menu());
        EXPECT_EQ(Fields(), c.fields) << c.fields.join(',').toStdString();
        EXPECT_EQ(Enabled(), std::vector<bool>(7, true));
        EXPECT_TRUE(ed().CBbpp->isVisibleTo(&editor()));
        EXPECT_FALSE(ed().edBpp->isVisibleTo(&editor()));
        EXPECT_FALSE(ed().ButtonSave->isEnabled());
        editor().reject();
    }
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

TEST_F(EditorTest, AFolderRowOffersOnlyItsNameAndShowsItLessTheLastDot)
{
    Folder("Old.Logos");
    Picture("p.txt", {"Hint=P", "Bppc=2"});
    Open(Menu());
    EXPECT_EQ(Fields(), (QStringList{"Old", "Old.Logos", NA, NA, NA, NA, NA}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, false, false, false}));
    EXPECT_TRUE(ed().edBpp->isVisibleTo(&editor()));
    EXPECT_FALSE(ed().CBbpp->isVisibleTo(&editor()));

    ChooseRow(1);
    EXPECT_EQ(Fields()[3], "#1");
    ChooseRow(0);
    EXPECT_TRUE(ed().edBpp->isVisibleTo(&editor())) << "the folder's box again, not the picture's list";
    EXPECT_FALSE(ed().CBbpp->isVisibleTo(&editor()));
    EXPECT_EQ(Fields()[3], NA);
}

TEST_F(EditorTest, TypingSurvivesTheRefreshAndAnotherRowDropsIt)
{
    Picture("a.txt", {"Hint=A", "Offs=0x10"});
    Picture("b.txt", {"Hint=B", "Offs=0x20"});
    const std::string before = FileText(Menu() / "a.txt");
    Open(Menu());
    Type(ed().edOffset, "0x99");
    EXPECT_TRUE(ed().ButtonSave->isEnabled());
    for (int i = 0; i < 5; ++i)
        Tick();
    QTest::qWait(120); // the real timer too
    EXPECT_EQ(ed().edOffset->text(), "0x99");
    EXPECT_TRUE(ed().ButtonSave->isEnabled());

    ChooseRow(1);
    EXPECT_EQ(ed().edOffset->text(), "0x20");
    ChooseRow(0);
    EXPECT_EQ(ed().edOffset->text(), "0x10");
    EXPECT_FALSE(ed().ButtonSave->isEnabled());

    // A new item chosen in the colour list is an edit too.
    ed().CBbpp->setCurrentIndex(2);
    EXPECT_TRUE(ed().ButtonSave->isEnabled());
    EXPECT_EQ(FileText(Menu() / "a.txt"), before) << "typing writes nothing";
}

TEST_F(EditorTest, ABppcThatIsNoNumberIsReportedOnceAndTheOtherBoxesShowTheRow)
{
    Picture("a.txt", {"Hint=A", "Width=8", "WidthImage=7", "Height=9", "Offs=0x40", "Bppc=2bpp"});
    Picture("b.txt", {"Hint=B", "Bppc=3"});
    Open(Menu());
    EXPECT_EQ(rec.errors, QStringList{"'2bpp' is not a valid integer value."});
    EXPECT_EQ(Fields(), (QStringList{"a", "A", "0x40", "#-1", "8", "7", "9"}));
    EXPECT_FALSE(ed().ButtonSave->isEnabled());
    for (int i = 0; i < 5; ++i)
        Tick();
    EXPECT_EQ(rec.errors.size(), 1) << "once, not at every tick";

    // The previous row's colour is not left behind for a save to write.
    ChooseRow(1);
    EXPECT_EQ(Fields()[3], "#2");
    ChooseRow(0);
    EXPECT_EQ(Fields()[3], "#-1");
    EXPECT_EQ(rec.errors.size(), 2) << "again when the row is shown again";
}

TEST_F(EditorTest, AFileThatCannotBeReadIsListedWithTheDefaults)
{
    std::filesystem::create_directory(Menu() / "sub");
    std::filesystem::create_symlink(Menu() / "sub", Menu() / "link.txt"); // a folder, listed as one
    Picture("locked.txt", {"Hint=Locked", "Bppc=2"});
    std::filesystem::permissions(Menu() / "locked.txt", std::filesystem::perms::none);
    const OrdinaryUser user;
    if (!user.Active())
        GTEST_SKIP() << "cannot act as an ordinary user here";
    Open(Menu());
    EXPECT_EQ(Rows(), (QStringList{"link.txt", "sub", ""}));
    ChooseRow(2);
    EXPECT_EQ(Fields(), (QStringList{"locked", "", "0x000000", "#0", "000", "000", "000"}));
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(EditorTest, AFolderThatIsMissingListsNothingWithoutAMessage)
{
    Open(Menu() / "gone");
    EXPECT_EQ(Rows(), QStringList{});
    EXPECT_EQ(Fields()[0], NA);
    EXPECT_FALSE(ed().ButtonDelete->isEnabled());
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(EditorTest, RowsAreDrawnWithTheirIconAndTheTextTwentyTwoPixelsIn)
{
    Folder("Logos");
    Picture("p.txt", {"Hint=WWWW"});
    Open(Menu());
    QListWidget* list = ed().ListBox1;
    ChooseRow(1); // the folder row is drawn unselected
    const QImage shot = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QList<QIcon>& icons = form().ImageList1();

    for (int row = 0; row < 2; ++row) {
        const QRect r = list->visualItemRect(list->item(row));
        EXPECT_EQ(r.height(), 16);
        const QColor background = row == 1 ? list->palette().highlight().color() : list->palette().base().color();

        // The icon, its transparent pixels showing the row's colour.
        QImage expected(16, 16, QImage::Format_RGB32);
        expected.fill(background);
        QPainter(&expected).drawPixmap(0, 0, icons[row == 0 ? 0 : 1].pixmap(16, 16));
        EXPECT_EQ(shot.copy(r.left() + 2, r.top(), 16, 16), expected) << "row " << row;

        // Nothing but the row's colour between the icon and the text; the text starts at 22.
        int firstInk = -1;
        for (int x = r.left() + 18; x < r.right() && firstInk < 0; ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                if (shot.pixelColor(x, y) != background) {
                    firstInk = x - r.left();
                    break;
                }
        EXPECT_GE(firstInk, 22) << "row " << row;
        EXPECT_LE(firstInk, 26) << "row " << row;
    }
}

TEST_F(EditorTest, TheWindowIsAFixedToolWindowThatOnlyItsButtonsClose)
{
    Open(Menu());
    EXPECT_EQ(editor().size(), QSize(525, 289));
    EXPECT_TRUE(editor().windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(editor().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(editor().windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(ed().Button4->toolTip(), "Закрыть и заменить Быстрое Текущим");
    EXPECT_EQ(ed().Button5->toolTip(), "Закрыть");
    EXPECT_EQ(ed().ListBox1->geometry(), QRect(8, 8, 233, 145));
    EXPECT_EQ(ed().CBbpp->geometry().topLeft(), ed().edBpp->geometry().topLeft());
    EXPECT_EQ(ed().CBbpp->itemText(0), "2, black/white");

    QTest::keyClick(&editor(), Qt::Key_Escape);
    EXPECT_TRUE(editor().isVisible());
    Click(ed().Button5);
    EXPECT_FALSE(editor().isVisible());
}
