// The road the help text describes: open a dump, scan, pause at a picture,
// move its catalogue folder into the quick menu, open the editor with
// "Изменить", add the picture on show, rename it and pick it again.

#include "catalogue/EditorFixture.h"
#include "catalogue/MenuItem.h"
#include "catalogue/MenuProbe.h"
#include "scanner/ScanSettings.h"

#include <QMenuBar>
#include <QTimer>

using namespace bitloom;

namespace {

class EditorWalkthrough : public EditorTest {
protected:
    // Clicks the menu's title in the menu bar, as the user opens it.
    void OpenFromMenuBar(QMenu* menu)
    {
        QMenuBar* bar = ui().MainMenu3;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QApplication::processEvents();
    }

    // Triggers the entry, which opens the editor modally, and runs inside
    // while the editor waits; an editor that inside left open is closed.
    void WithEditor(QAction* entry, const std::function<void()>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, &editor(), [&] {
            EXPECT_TRUE(editor().isVisible());
            EXPECT_TRUE(editor().isModal());
            Tick();
            inside();
            ran = true;
            if (editor().isVisible())
                editor().reject();
        });
        entry->trigger();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(editor().isVisible());
    }
};

} // namespace

TEST_F(EditorWalkthrough, ThePictureFoundByTheScanIsAddedRenamedAndPickedAgain)
{
    WriteBytes(dir / "ff.bin", CountingBytes(0x20000));
    OpenDump(dir / "ff.bin");
    Folder("Logos/Start");
    Picture("Logos/old.txt", {"Hint=Old", "Width=8", "Height=8", "Offs=0x40"});

    // Scan four-colour pictures 16 wide from 0x100, and pause after a few steps;
    // the picture width follows the image width.
    ui().CheckBox1->setChecked(true);
    form().Scan() = ScanSettings{0x100, 0x10000, "016", 2, 0, 250, 2};
    form().N6().trigger();
    for (int i = 0; i < 3; ++i)
        form().Timer1().Tick();
    form().N5aa().trigger();
    ASSERT_FALSE(form().Timer1().Enabled());
    const QString address = ui().Label2->text();
    const ViewState found = state();
    ASSERT_NE(address, "000100");
    ASSERT_TRUE(rec.errors.isEmpty()) << Errors().toStdString();

    // ">> В Быстрое" on the folder Logos.
    OpenFromMenuBar(ui().N8);
    QMenu* logos = ::Section(ui().N8, "Logos");
    ASSERT_NE(logos, nullptr);
    OpenMenu(logos);
    Entry(logos, ">> В Быстрое")->trigger();
    ui().N8->hide();
    EXPECT_EQ(ui().Panel6->text(), "/Logos");

    // "Изменить" in the quick menu: add the picture on show, name it, close setting the quick menu.
    OpenFromMenuBar(ui().NLast);
    EXPECT_EQ(Shown(ui().NLast), (QStringList{"Изменить", "-", "Start", "Old"}));
    WithEditor(Entry(ui().NLast, "Изменить"), [&] {
        EXPECT_EQ(editor().windowTitle(), "/Logos");
        EXPECT_EQ(Rows(), (QStringList{"Start", "Old"}));
        Click(ed().Button3);
        EXPECT_EQ(Rows(), (QStringList{"Start", "new image 00", "Old"}));
        EXPECT_EQ(Fields()[0], "new image 00");
        Type(ed().edName, "logo");
        Type(ed().edHint, "Логотип");
        Click(ed().ButtonSave);
        EXPECT_EQ(Rows(), (QStringList{"Start", "Логотип", "Old"}));
        Click(ed().Button4);
    });
    ui().NLast->hide();
    EXPECT_EQ(FileText(Menu() / "Logos/logo.txt"),
              DescriptionBytes("Логотип", "16", "16", "185", "0x" + address.toStdString(), "2"));
    EXPECT_EQ(ui().Panel6->text(), "/Logos/") << "the folder path ends with its separator after an operation";

    // Go elsewhere, then pick the new entry from the quick menu.
    ui().SpeedButton1->click();
    ui().MenuItem238->trigger(); // to the start
    ASSERT_EQ(ui().Label2->text(), "000000");
    OpenFromMenuBar(ui().NLast);
    EXPECT_EQ(Shown(ui().NLast), (QStringList{"Изменить", "-", "Start", "Логотип", "Old"}));
    Entry(ui().NLast, "Логотип")->trigger();
    ui().NLast->hide();
    EXPECT_EQ(ui().Label2->text(), address);
    EXPECT_EQ(ui().Panel4->text(), "Логотип");
    EXPECT_EQ(state().ColorMode, found.ColorMode);
    EXPECT_EQ(state().RowBits, found.RowBits);
    EXPECT_EQ(state().PictureBits, found.PictureBits);
    EXPECT_EQ(state().RowCount, found.RowCount);
    EXPECT_EQ(state().WindowBuffer, found.WindowBuffer);
    EXPECT_TRUE(rec.errors.isEmpty()) << Errors().toStdString();
}
