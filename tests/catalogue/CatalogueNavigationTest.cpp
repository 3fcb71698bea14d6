#include "catalogue/CatalogueFiles.h"
#include "catalogue/FavoritesMenu.h"
#include "catalogue/MenuProbe.h"
#include "catalogue/uChange2.h"
#include "viewer/MainWindowFixture.h"

#include <QMenuBar>
#include <QTimer>

using namespace bitloom;

namespace {

constexpr std::size_t DumpSize = 0x100000;

// The program started in a folder that holds a dump, opened, and a catalogue
// folder "menu" beside it.
class CatalogueNavigation : public MainWindowTest {
protected:
    CatalogueNavigation()
    {
        WriteBytes(dir / "ff.bin", CountingBytes(DumpSize));
        OpenDump(dir / "ff.bin");
    }

    std::filesystem::path Menu() const { return dir.Path() / "menu"; }

    void Section(const std::string& relative) { std::filesystem::create_directories(Menu() / relative); }

    void Picture(const std::string& relative, std::initializer_list<std::string_view> lines)
    {
        std::filesystem::create_directories((Menu() / relative).parent_path());
        WriteDescriptionLines(Menu() / relative, lines);
    }

    // Clicks the menu's title in the menu bar, as the user opens it.
    void OpenFromMenuBar(QMenu* menu)
    {
        QMenuBar* bar = ui().MainMenu3;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QApplication::processEvents();
    }

    // Opens the sections named by path one below the other, starting at top,
    // which is open already; returns the last one, left open.
    QMenu* OpenPath(QMenu* top, const QStringList& path)
    {
        QMenu* level = top;
        for (const QString& name : path) {
            level = ::Section(level, name);
            if (level == nullptr)
                return nullptr;
            OpenMenu(level);
        }
        return level;
    }

    // Opens the full menu and picks the entry captioned caption in the
    // section path, as the user chooses a picture.
    void Choose(const QStringList& path, const QString& caption)
    {
        OpenFromMenuBar(ui().N8);
        QMenu* level = OpenPath(ui().N8, path);
        ASSERT_NE(level, nullptr);
        QAction* entry = Entry(level, caption);
        ASSERT_NE(entry, nullptr) << caption.toStdString();
        entry->trigger();
        ui().N8->hide();
        QApplication::processEvents();
    }

    // Runs action, which opens the editor modally, and returns the editor's
    // caption and folder as it was shown; the editor is closed at once.
    std::pair<QString, std::filesystem::path> EditorShownBy(const std::function<void()>& action)
    {
        TfChange2& editor = program->FChange2();
        std::pair<QString, std::filesystem::path> shown;
        bool wasShown = false;
        QTimer::singleShot(0, &editor, [&] {
            wasShown = editor.isVisible();
            shown = {editor.windowTitle(), editor.FolderPath()};
            editor.reject();
        });
        action();
        EXPECT_TRUE(wasShown);
        EXPECT_FALSE(editor.isVisible());
        return shown;
    }

    // What CountingBytes put at offset.
    static std::uint8_t DumpByte(std::int64_t offset) { return static_cast<std::uint8_t>(offset); }
};

} // namespace

TEST_F(CatalogueNavigation, TheFullMenuListsTheCatalogueRootFixedAtItsFirstOpening)
{
    Section("Logos/Start");
    Picture("p.txt", {"Hint=P"});
    OpenFromMenuBar(ui().N8);
    EXPECT_EQ(Shown(ui().N8), (QStringList{">> В Быстрое", "-", "Logos", "P"}));
    EXPECT_EQ(TMenuItem::Of(ui().N8).Hint(), Menu());
    ui().N8->hide();

    // Opening a dump elsewhere moves the current folder; the catalogue stays.
    std::filesystem::create_directory(dir / "other");
    WriteBytes(dir / "other/x.bin", CountingBytes(16));
    OpenDump(dir / "other/x.bin");
    std::filesystem::current_path(dir / "other");
    EXPECT_EQ(OpenAndRead(ui().N8), (QStringList{">> В Быстрое", "-", "Logos", "P"}));
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
}

TEST_F(CatalogueNavigation, OpeningASectionBuildsItAndShowsFilesCopiedInAtTheNextOpening)
{
    Section("Logos/Start");
    Picture("Logos/a.txt", {"Hint=A"});
    OpenFromMenuBar(ui().N8);
    QMenu* logos = OpenPath(ui().N8, {"Logos"});
    ASSERT_NE(logos, nullptr);
    EXPECT_EQ(Shown(logos), (QStringList{">> В Быстрое", "-", "Start", "A"}));
    CloseMenu(logos);

    std::filesystem::copy_file(Menu() / "Logos/a.txt", Menu() / "Logos/0.txt");
    Picture("Logos/b.txt", {"Hint=B"});
    EXPECT_EQ(OpenAndRead(logos), (QStringList{">> В Быстрое", "-", "Start", "A", "A", "B"}));
    ui().N8->hide();
}

TEST_F(CatalogueNavigation, ChoosingAPictureShowsItWithItsOwnGeometryAndName)
{
    Picture("Logos/logo.txt",
            {"Hint=Логотип", "Width=96", "WidthImage=90", "Height=65", "Offs=0x0B5626", "Bppc=2"});
    Choose({"Logos"}, "Логотип");
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_EQ(ui().Edit1->text(), "96");
    EXPECT_EQ(ui().Edit3->text(), "90");
    EXPECT_EQ(ui().Edit2->text(), "65");
    EXPECT_FALSE(ui().SpeedButton1->isChecked());
    EXPECT_TRUE(ui().SpeedButton2->isChecked());
    EXPECT_FALSE(ui().SpeedButton3->isChecked());
    EXPECT_EQ(ui().Label2->text(), "0B5626");
    EXPECT_EQ(ui().Panel4->text(), "Логотип");
    EXPECT_EQ(state().BaseOffset, 0x0B5626);
    EXPECT_EQ(state().StepOffset, 0);
    EXPECT_EQ(state().RowBits, 192);
    EXPECT_EQ(state().PictureBits, 180);
    EXPECT_EQ(state().WindowBuffer[0], DumpByte(0x0B5626));

    // The duplicate-width switch makes the image width win.
    ui().CheckBox1->setChecked(true);
    Choose({"Logos"}, "Логотип");
    EXPECT_EQ(ui().Edit3->text(), "96");
    EXPECT_EQ(state().PictureBits, 192);
}

TEST_F(CatalogueNavigation, AColourModeOutsideTheThreeReleasesEveryButtonAndDrawsNothing)
{
    Picture("p.txt", {"Hint=P", "Width=16", "Height=16", "Offs=0x100", "Bppc=4"});
    Choose({}, "P");
    EXPECT_TRUE(rec.errors.isEmpty());
    EXPECT_EQ(state().ColorMode, 4);
    EXPECT_FALSE(ui().SpeedButton1->isChecked());
    EXPECT_FALSE(ui().SpeedButton2->isChecked());
    EXPECT_FALSE(ui().SpeedButton3->isChecked());
    const QRgb background = PreviewPixel(127, 184);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(PreviewPixel(x, y), background) << x << "," << y;
}

TEST_F(CatalogueNavigation, ADescriptionThatVanishedLoadsTheDefaults)
{
    Picture("p.txt", {"Hint=P", "Width=16", "Height=16", "Offs=0x100", "Bppc=2"});
    OpenFromMenuBar(ui().N8);
    QAction* entry = Entry(ui().N8, "P");
    ASSERT_NE(entry, nullptr);
    std::filesystem::remove(Menu() / "p.txt");
    entry->trigger();
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_EQ(ui().Panel4->text(), "");
    EXPECT_EQ(ui().Edit1->text(), "000");
    EXPECT_EQ(ui().Edit3->text(), "000");
    EXPECT_EQ(ui().Edit2->text(), "000");
    EXPECT_TRUE(ui().SpeedButton1->isChecked());
    EXPECT_EQ(ui().Label2->text(), "000000");
    EXPECT_EQ(state().BaseOffset, 0);
    ui().N8->hide();
}

TEST_F(CatalogueNavigation, ASizeThatIsNoNumberStopsAfterTheEntryValuesAreSet)
{
    ui().Button7->click(); // "8 +": StepOffset 1
    Picture("p.txt", {"Hint=P", "Width=abc", "Height=16", "Offs=0x200", "Bppc=3"});
    Choose({}, "P");
    EXPECT_EQ(rec.errors, QStringList{"'abc' is not a valid integer value."});
    EXPECT_EQ(state().BaseOffset, 0x200);
    EXPECT_EQ(ui().Panel4->text(), "P");
    EXPECT_EQ(ui().Edit1->text(), "abc");
    EXPECT_EQ(ui().Edit3->text(), "abc");
    EXPECT_EQ(state().ColorMode, 3);
    EXPECT_TRUE(ui().SpeedButton3->isChecked());
    EXPECT_EQ(state().StepOffset, 1);
    EXPECT_EQ(ui().Label2->text(), "000001") << "the window was not read again";
}

TEST_F(CatalogueNavigation, AnOffsetTheDumpCannotServeShowsTheReadError)
{
    Picture("p.txt", {"Hint=P", "Width=8", "WidthImage=4", "Height=8", "Offs=0xFFFFF0", "Bppc=1"});
    ui().CheckBox1->setChecked(true);
    Choose({}, "P");
    EXPECT_EQ(rec.errors, QStringList{"Read beyond end of file."});
    EXPECT_EQ(ui().Label2->text(), "FFFFF0");
    EXPECT_EQ(ui().Edit3->text(), "4") << "the width is not synchronised after a failed read";
}

TEST_F(CatalogueNavigation, ToQuickAtTheTopMakesTheWholeCatalogueTheQuickMenu)
{
    Section("Logos");
    Picture("p.txt", {"Hint=P", "Width=8", "Height=8", "Offs=0x40"});
    EXPECT_FALSE(ui().NLast->menuAction()->isEnabled());
    Choose({}, ">> В Быстрое");
    EXPECT_EQ(ui().Panel6->text(), "");
    EXPECT_TRUE(ui().NLast->menuAction()->isEnabled());
    EXPECT_EQ(TMenuItem::Of(ui().NLast).Hint(), Menu());
    EXPECT_EQ(form().FavoritesMenu2().InitialDir(), Menu());

    OpenFromMenuBar(ui().NLast);
    EXPECT_EQ(Shown(ui().NLast), (QStringList{"Изменить", "-", "Logos", "P"}));
    QMenu* logos = OpenPath(ui().NLast, {"Logos"});
    ASSERT_NE(logos, nullptr);
    EXPECT_EQ(Shown(logos), QStringList{"Изменить"});
    CloseMenu(logos);

    // A picture of the quick menu is shown like one of the full menu.
    Entry(ui().NLast, "P")->trigger();
    ui().NLast->hide();
    EXPECT_EQ(ui().Panel4->text(), "P");
    EXPECT_EQ(ui().Label2->text(), "000040");
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(CatalogueNavigation, EditOpensTheEditorOnTheLevelsFolderCaptionedByItsRelativePath)
{
    Section("Logos/Start/Small");
    OpenFromMenuBar(ui().N8);
    QMenu* start = OpenPath(ui().N8, {"Logos", "Start"});
    ASSERT_NE(start, nullptr);
    Entry(start, ">> В Быстрое")->trigger();
    ui().N8->hide();
    EXPECT_EQ(ui().Panel6->text(), "/Logos/Start");

    OpenFromMenuBar(ui().NLast);
    EXPECT_EQ(Shown(ui().NLast), (QStringList{"Изменить", "-", "Small"}));
    auto shown = EditorShownBy([&] { Entry(ui().NLast, "Изменить")->trigger(); });
    EXPECT_EQ(shown.first, "/Logos/Start");
    EXPECT_EQ(shown.second, Menu() / "Logos/Start");

    QMenu* small = OpenPath(ui().NLast, {"Small"});
    ASSERT_NE(small, nullptr);
    shown = EditorShownBy([&] { Entry(small, "Изменить")->trigger(); });
    EXPECT_EQ(shown.first, "/Logos/Start/Small");
    EXPECT_EQ(shown.second, Menu() / "Logos/Start/Small");
    ui().NLast->hide();
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(CatalogueNavigation, AMissingCatalogueAndADeletedQuickFolderOpenEmptyWithoutAMessage)
{
    OpenFromMenuBar(ui().N8);
    EXPECT_EQ(Shown(ui().N8), QStringList{});
    ui().N8->hide();

    Section("Logos");
    OpenFromMenuBar(ui().N8);
    QMenu* logos = OpenPath(ui().N8, {"Logos"});
    Entry(logos, ">> В Быстрое")->trigger();
    ui().N8->hide();
    std::filesystem::remove_all(Menu() / "Logos");
    OpenFromMenuBar(ui().NLast);
    EXPECT_EQ(Shown(ui().NLast), QStringList{});
    ui().NLast->hide();
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(CatalogueNavigation, Windows1251NamesAndHintsReadAsCyrillic)
{
    const std::string logos = Utf8ToCp1251("Логотипы");
    std::filesystem::create_directories(Menu() / logos);
    WriteDescriptionLines(Menu() / logos / Utf8ToCp1251("старт.txt"),
                          {"Hint=Заставка", "Width=8", "Height=8", "Offs=0x80"});
    OpenFromMenuBar(ui().N8);
    QMenu* level = OpenPath(ui().N8, {"Логотипы"});
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(Shown(level), (QStringList{">> В Быстрое", "-", "Заставка"}));
    Entry(level, ">> В Быстрое")->trigger();
    OpenMenu(level);
    Entry(level, "Заставка")->trigger();
    ui().N8->hide();
    EXPECT_EQ(ui().Panel6->text(), "/Логотипы");
    EXPECT_EQ(ui().Panel4->text(), "Заставка");
    EXPECT_EQ(ui().Label2->text(), "000080");
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
}

TEST_F(CatalogueNavigation, EntriesCarryTheIconsOfImageList1)
{
    Section("Logos");
    Picture("p.txt", {"Hint=P"});
    OpenFromMenuBar(ui().N8);
    const QList<QIcon>& icons = form().ImageList1();
    ASSERT_EQ(icons.size(), 4);
    auto same = [](const QIcon& a, const QIcon& b) { return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage(); };
    EXPECT_TRUE(same(Entry(ui().N8, ">> В Быстрое")->icon(), icons[3]));
    EXPECT_TRUE(same(Entry(ui().N8, "Logos")->icon(), icons[0]));
    EXPECT_TRUE(same(Entry(ui().N8, "P")->icon(), icons[1]));
    ui().N8->hide();
}
