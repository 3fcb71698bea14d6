// The demo's sample dump and catalogue, made by the demo's own tool, picked
// from both menus as a newcomer would.

#include "catalogue/MenuProbe.h"
// g++ 12 sees the queued dialog answer of the recording services as possibly
// uninitialised when it inlines them here; it is not.
#include "viewer/MainWindowFixture.h"
#include "viewer/Palette.h"
#include "viewer/PreviewImage.h"

#include <QMenuBar>

#include <cstdlib>

using namespace bitloom;

namespace {

class SampleCatalogue : public MainWindowTest {
protected:
    SampleCatalogue()
    {
        const std::string command = std::string("'") + BITLOOM_MKSAMPLE + "' '" + dir.Path().string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        OpenDump(dir / "sample.bin");
    }

    void OpenFromMenuBar(QMenu* menu)
    {
        QMenuBar* bar = ui().MainMenu3;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QApplication::processEvents();
    }

    // Opens the sections of path below the open menu top and picks caption.
    void Pick(QMenu* top, const QStringList& path, const QString& caption)
    {
        QMenu* level = top;
        for (const QString& name : path) {
            level = Section(level, name);
            ASSERT_NE(level, nullptr) << name.toStdString();
            OpenMenu(level);
        }
        QAction* entry = Entry(level, caption);
        ASSERT_NE(entry, nullptr) << caption.toStdString();
        entry->trigger();
        top->hide();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(SampleCatalogue, PicturesOpenFromBothMenusWithTheirGeometryAndName)
{
    OpenFromMenuBar(ui().N8);
    EXPECT_EQ(Shown(ui().N8), (QStringList{">> В Быстрое", "-", "Анимация", "Логотипы", "Цветные"}));
    Pick(ui().N8, {"Логотипы"}, "Улыбка");
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_EQ(ui().Panel4->text(), "Улыбка");
    EXPECT_EQ(ui().Label2->text(), "010000");
    EXPECT_EQ(ui().Edit1->text(), "64");
    EXPECT_EQ(ui().Edit2->text(), "48");
    EXPECT_TRUE(ui().SpeedButton1->isChecked());
    EXPECT_EQ(PreviewPixel(53, 23), ToQRgb(Black)) << "on the face's outline";
    EXPECT_EQ(PreviewPixel(31, 23), ToQRgb(White)) << "inside the face";

    OpenFromMenuBar(ui().N8);
    Pick(ui().N8, {"Цветные"}, "Флаг (4 цвета)");
    EXPECT_EQ(ui().Label2->text(), "020000");
    EXPECT_TRUE(ui().SpeedButton2->isChecked());
    EXPECT_EQ(PreviewPixel(10, 5), ToQRgb(FourColourPalette[1]));
    EXPECT_EQ(PreviewPixel(10, 30), ToQRgb(FourColourPalette[3]));

    // The animation section becomes the quick menu; its sub-section opens from there.
    OpenFromMenuBar(ui().N8);
    Pick(ui().N8, {"Анимация"}, ">> В Быстрое");
    EXPECT_EQ(ui().Panel6->text(), "/Анимация");
    OpenFromMenuBar(ui().NLast);
    EXPECT_EQ(Shown(ui().NLast), (QStringList{"Изменить", "-", "Вертушка"}));
    Pick(ui().NLast, {"Вертушка"}, "Кадр 3");
    EXPECT_EQ(ui().Panel4->text(), "Кадр 3");
    EXPECT_EQ(ui().Label2->text(), "040040");
    EXPECT_EQ(ui().Edit1->text(), "16");
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
}
