#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueIcons.h"
#include "catalogue/FavoritesMenu.h"
#include "catalogue/MenuProbe.h"
#include "platform/PathText.h"

#include <gtest/gtest.h>

#include <memory>

#include <QTest>

using namespace bitloom;

namespace {

struct Click {
    QAction* sender;
    std::filesystem::path url;
};

// One component over a menu of its own, with handlers that record what they are told.
class FavoritesMenuTest : public ::testing::Test {
protected:
    FavoritesMenuTest()
    {
        top->addSeparator(); // the placeholder every item holds
        menu.SetImages(CatalogueImageList());
        menu.SetMenuItem(TMenuItem::Of(top.get()));
        menu.SetInitialDir(dir.Path());
        menu.SetOnUrlClick([this](TMenuItem sender, const std::filesystem::path& url) {
            clicks.push_back({sender.Action(), url});
        });
        menu.SetOnUrlClickQuick([this](TMenuItem sender, const std::filesystem::path& url) {
            quickClicks.push_back({sender.Action(), url});
        });
        // What the host does: point the component at the opening item, then rebuild.
        menu.SetOnRefresh([this](TMenuItem sender) {
            refreshed.push_back(sender.Action());
            menu.SetMenuItem(sender);
            menu.SetInitialDir(sender.Hint());
            menu.RebuildMenu();
        });
        QObject::connect(top.get(), &QMenu::aboutToShow, [this] {
            menu.SetMenuItem(TMenuItem::Of(top.get()));
            menu.SetInitialDir(dir.Path());
            menu.RebuildMenu();
        });
    }

    void Folder(const std::string& name) { std::filesystem::create_directories(dir / name); }

    TempDir dir;
    std::unique_ptr<QMenu> top = std::make_unique<QMenu>();
    TFavoritesMenu menu{nullptr};
    std::vector<Click> clicks;
    std::vector<Click> quickClicks;
    std::vector<QAction*> refreshed;
};

} // namespace

TEST_F(FavoritesMenuTest, ALevelShowsSpecialEntrySectionsThenPictures)
{
    Folder("b");
    Folder("A");
    WritePicture(dir / "2.txt", "two");
    WritePicture(dir / "10.txt", "ten");
    EXPECT_EQ(OpenAndRead(top.get()), (QStringList{">> В Быстрое", "-", "A", "b", "ten", "two"}));

    // Kind, path and image of each entry, the placeholder last.
    const TMenuItem item = TMenuItem::Of(top.get());
    ASSERT_EQ(item.Count(), 7);
    struct Expected {
        int tag;
        std::filesystem::path hint;
        int image;
    };
    const Expected expected[] = {{0, dir.Path(), 3},    {0, {}, 1},           {1, dir / "A", 0}, {1, dir / "b", 0},
                                 {2, dir / "10.txt", 1}, {2, dir / "2.txt", 1}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(item.Items(i).Tag(), expected[i].tag) << i;
        EXPECT_EQ(item.Items(i).Hint(), expected[i].hint) << i;
        EXPECT_EQ(item.Items(i).ImageIndex(), expected[i].image) << i;
    }
    EXPECT_TRUE(item.Items(6).Action()->isSeparator());
    // A section holds its placeholder until it opens.
    EXPECT_EQ(item.Items(2).Count(), 1);
    EXPECT_TRUE(item.Items(2).Items(0).Action()->isSeparator());
}

TEST_F(FavoritesMenuTest, EmptyFolderShowsOnlyTheSpecialEntryAndMissingOneNothing)
{
    EXPECT_EQ(OpenAndRead(top.get()), QStringList{">> В Быстрое"});
    std::filesystem::remove_all(dir.Path());
    EXPECT_EQ(OpenAndRead(top.get()), QStringList{});
    EXPECT_EQ(TMenuItem::Of(top.get()).Count(), 1) << "only the placeholder";
}

TEST_F(FavoritesMenuTest, SectionsFillWhenTheyOpenAndAgainAtEveryOpening)
{
    Folder("Logos/Start");
    WritePicture(dir / "Logos/one.txt", "one");
    OpenMenu(top.get());
    QMenu* logos = Section(top.get(), "Logos");
    ASSERT_NE(logos, nullptr);
    EXPECT_TRUE(refreshed.empty()) << "nothing below is listed before it opens";

    OpenMenu(logos);
    EXPECT_EQ(refreshed, std::vector<QAction*>{logos->menuAction()});
    EXPECT_EQ(Shown(logos), (QStringList{">> В Быстрое", "-", "Start", "one"}));
    CloseMenu(logos);

    WritePicture(dir / "Logos/two.txt", "two");
    EXPECT_EQ(OpenAndRead(logos), (QStringList{">> В Быстрое", "-", "Start", "one", "two"}));
    EXPECT_EQ(TMenuItem::Of(logos).Count(), 6) << "the old entries went, the placeholder stayed";
    CloseMenu(top.get());
}

TEST_F(FavoritesMenuTest, SimpleMenusStartEveryLevelWithEdit)
{
    Folder("Logos");
    menu.SetSimple(true);
    OpenMenu(top.get());
    EXPECT_EQ(Shown(top.get()), (QStringList{"Изменить", "-", "Logos"}));
    EXPECT_EQ(TMenuItem(Entry(top.get(), "Изменить")).ImageIndex(), 2);
    QMenu* logos = Section(top.get(), "Logos");
    EXPECT_EQ(OpenAndRead(logos), QStringList{"Изменить"});
    EXPECT_EQ(TMenuItem(Entry(logos, "Изменить")).ImageIndex(), 2);
    CloseMenu(top.get());
}

TEST_F(FavoritesMenuTest, ClicksHandTheEntryAndItsPathToTheHandlers)
{
    Folder("Logos");
    WritePicture(dir / "Logos/p.txt", "P");
    OpenMenu(top.get());
    QMenu* logos = Section(top.get(), "Logos");
    OpenMenu(logos);
    menu.SetInitialDir(dir.Path().string() + "/Logos/"); // a trailing separator never reaches the path
    menu.RebuildMenu();

    QAction* picture = Entry(logos, "P");
    picture->trigger();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].sender, picture);
    EXPECT_EQ(clicks[0].url, dir / "Logos/p.txt");

    QAction* quick = Entry(logos, ">> В Быстрое");
    quick->trigger();
    ASSERT_EQ(quickClicks.size(), 1u);
    EXPECT_EQ(quickClicks[0].sender, quick);
    EXPECT_EQ(quickClicks[0].url.native(), (dir / "Logos").native());
    CloseMenu(logos);
    CloseMenu(top.get());
}

TEST_F(FavoritesMenuTest, EventsWithoutHandlersAreNotRaised)
{
    Folder("Logos");
    WritePicture(dir / "p.txt", "P");
    menu.SetOnUrlClick({});
    menu.SetOnUrlClickQuick({});
    menu.SetOnRefresh({});
    OpenMenu(top.get());
    Entry(top.get(), "P")->trigger();
    Entry(top.get(), ">> В Быстрое")->trigger();
    QMenu* logos = Section(top.get(), "Logos");
    // Made while no refresh handler was set: the section has nothing to fill it.
    menu.SetOnRefresh([this](TMenuItem sender) { refreshed.push_back(sender.Action()); });
    EXPECT_EQ(OpenAndRead(logos), QStringList{});
    EXPECT_TRUE(refreshed.empty());
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(quickClicks.empty());
    CloseMenu(top.get());
}

TEST_F(FavoritesMenuTest, AHintOfADashIsALineThatCannotBeClicked)
{
    WritePicture(dir / "a.txt", "A");
    WritePicture(dir / "b.txt", "-");
    WritePicture(dir / "c.txt", "C");
    WritePicture(dir / "d.txt", "");
    EXPECT_EQ(OpenAndRead(top.get()), (QStringList{">> В Быстрое", "-", "A", "-", "C", ""}));
    const TMenuItem line = TMenuItem::Of(top.get()).Items(3);
    EXPECT_TRUE(line.Action()->isSeparator());
    EXPECT_EQ(line.Tag(), 2);
    EXPECT_EQ(line.Caption(), "-");
}

TEST_F(FavoritesMenuTest, CaptionsAreTheHintsAsWrittenWithNoAcceleratorsAdded)
{
    WritePicture(dir / "a.txt", "Логотип «Старт»");
    WritePicture(dir / "b.txt", "Alpha Beta");
    OpenMenu(top.get());
    EXPECT_NE(Entry(top.get(), "Логотип «Старт»"), nullptr);
    EXPECT_NE(Entry(top.get(), "Alpha Beta"), nullptr);
    for (QAction* action : top->actions())
        EXPECT_FALSE(action->text().contains('&')) << action->text().toStdString();
    CloseMenu(top.get());
}

TEST_F(FavoritesMenuTest, ARemovedMenuItemIsForgotten)
{
    Folder("Logos");
    OpenMenu(top.get());
    QMenu* logos = Section(top.get(), "Logos");
    OpenMenu(logos);
    CloseMenu(logos);
    CloseMenu(top.get());
    EXPECT_EQ(menu.MenuItem().Action(), logos->menuAction());
    // Opening the level above again makes its sections afresh: the old one goes.
    menu.SetMenuItem(TMenuItem::Of(logos));
    menu.SetInitialDir(dir.Path());
    {
        // Rebuild the top level while the component still points at the old section.
        TFavoritesMenu other(nullptr);
        other.SetMenuItem(TMenuItem::Of(top.get()));
        other.SetInitialDir(dir.Path());
        other.RebuildMenu();
    }
    EXPECT_FALSE(menu.MenuItem());
    menu.RebuildMenu(); // no item: nothing happens
    EXPECT_FALSE(menu.MenuItem());
}

TEST_F(FavoritesMenuTest, RecursiveLinksOpenOneLevelAtATime)
{
    Folder("a");
    std::filesystem::create_directory_symlink(dir / "a", dir / "a/again");
    OpenMenu(top.get());
    QMenu* level = Section(top.get(), "a");
    for (int depth = 0; depth < 5; ++depth) {
        ASSERT_NE(level, nullptr) << depth;
        OpenMenu(level);
        EXPECT_EQ(Shown(level), (QStringList{">> В Быстрое", "-", "again"}));
        level = Section(level, "again");
    }
}

TEST(CatalogueImageList, HoldsFourDistinctSixteenPixelIcons)
{
    const QList<QIcon> icons = CatalogueImageList();
    ASSERT_EQ(icons.size(), 4);
    QList<QImage> images;
    for (const QIcon& icon : icons) {
        const QImage image = icon.pixmap(16, 16).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_FALSE(images.contains(image));
        images.append(image);
    }
}

TEST_F(FavoritesMenuTest, ASectionHoldingOnlyItsPlaceholderOpensUnderTheMouse)
{
    Folder("Logos");
    WritePicture(dir / "Logos/p.txt", "P");
    OpenMenu(top.get());
    QAction* logosEntry = Entry(top.get(), "Logos");
    const QPoint at = top->actionGeometry(logosEntry).center();
    QTest::mouseMove(top.get(), at);
    QTest::mouseClick(top.get(), Qt::LeftButton, {}, at);
    QMenu* logos = logosEntry->menu<QMenu*>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return logos->isVisible(); }, 2000));
    EXPECT_EQ(Shown(logos), (QStringList{">> В Быстрое", "-", "P"}));
    CloseMenu(logos);
    CloseMenu(top.get());
}
