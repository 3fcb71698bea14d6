#include "scanner/ScanDialogFixture.h"

#include <QApplication>

using bitloom::ScanSettings;

namespace {

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

} // namespace

TEST_F(ScanTest, WithoutTheFileTheDialogAndTheSettingsHoldTheDefaults)
{
    EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0, 0, "024", 1, 0, 500, 2}));
    WithDialog([&] {
        EXPECT_EQ(dlg().edStAddr->text(), "0x000000");
        EXPECT_EQ(dlg().edEnAddr->text(), "0x000000");
        EXPECT_EQ(dlg().edWidth->text(), "024");
        EXPECT_EQ(dlg().cbBpp->currentText(), "1 bpp (monochrome)");
        EXPECT_EQ(dlg().cbDir->currentText(), "forvard");
        EXPECT_EQ(dlg().edSpeed->text(), "500");
        EXPECT_TRUE(dlg().RadioButton3->isChecked());
        dlg().Button2->click();
    });
    EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0, 0, "024", 1, 0, 500, 2}));
    EXPECT_FALSE(std::filesystem::exists(IniPath())) << "only \"Save + Close\" creates the file";
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(ScanTest, HasItsCaptionSizeAndTabOrder)
{
    WithDialog([&] {
        EXPECT_EQ(dialog().windowTitle(), "Настройки сканирования");
        EXPECT_EQ(dialog().size(), QSize(313, 252));
        EXPECT_EQ(dlg().cbBpp->count(), 3);
        EXPECT_EQ(dlg().cbDir->itemText(1), "backward");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));
        dlg().edStAddr->setFocus();
        QStringList order;
        for (int i = 0; i < 10; ++i) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            order << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        // The radio buttons are one group and so one stop of the tab order.
        EXPECT_EQ(Utf8(order.join(' ')),
                  "edStAddr edEnAddr edWidth cbBpp cbDir edSpeed Button1 Button2 RadioButton1 edStAddr");
    });
}

TEST_F(ScanTest, ATypedStartAddressIsSavedInHexadecimalAndShownNextTime)
{
    WithDialog([&] {
        Type(dlg().edStAddr, "1000");
        dlg().Button1->click();
        EXPECT_FALSE(dialog().isVisible());
    });
    EXPECT_EQ(scan().ScanStart, 1000);
    EXPECT_EQ(IniText(), "[setup]\r\nWidth=024\r\nBppc=1\r\nStartAddress=0x0003E8\r\nStopAddress=0x000000\r\n"
                         "[actions]\r\ndirection=0\r\nspeed=500\r\nmethod=2\r\n");
    WithDialog([&] { EXPECT_EQ(dlg().edStAddr->text(), "0x0003E8"); });
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(ScanTest, AddressesRoundTripThroughTheFile)
{
    WithDialog([&] {
        Type(dlg().edStAddr, "$1234567");
        Type(dlg().edEnAddr, "-1");
        dlg().Button1->click();
    });
    scan() = ScanSettings{};
    WithDialog([&] {
        EXPECT_EQ(dlg().edStAddr->text(), "0x1234567");
        EXPECT_EQ(dlg().edEnAddr->text(), "0xFFFFFFFF");
        EXPECT_EQ(scan().ScanStart, 0x1234567);
        EXPECT_EQ(scan().ScanStop, -1);
    });
}

TEST_F(ScanTest, FileValuesTheControlsCannotShowStayInTheSettingsUntilCollected)
{
    WriteIni("[setup]\r\nBppc=2\r\n[actions]\r\nmethod=0\r\n");
    WithDialog([&] { EXPECT_TRUE(dlg().RadioButton1->isChecked()); });

    WriteIni("[SETUP]\r\nbppc = 4\r\n[Actions]\r\nSpeed=0x1F4\r\nDirection=5\r\nMETHOD=7\r\n");
    WithDialog([&] {
        EXPECT_EQ(dlg().edSpeed->text(), "500");
        EXPECT_EQ(dlg().cbBpp->currentIndex(), -1);
        EXPECT_EQ(dlg().cbDir->currentIndex(), -1);
        EXPECT_TRUE(dlg().RadioButton1->isChecked()) << "an unknown method leaves the radio buttons as they were";
        EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0, 0, "024", 4, 5, 500, 7}));
        dlg().Button2->click();
    });
    EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0, 0, "024", 0, -1, 500, 0}));
}

TEST_F(ScanTest, CloseAppliesUntilTheNextShowingLoadsTheFileAgain)
{
    WriteIni("[setup]\r\nStartAddress=0x10\r\nStopAddress=0x20\r\n");
    WithDialog([&] {
        Type(dlg().edStAddr, "0x99");
        Type(dlg().edEnAddr, "0x100");
        dlg().cbDir->setCurrentIndex(1);
        dlg().RadioButton4->click();
        dlg().Button2->click();
    });
    EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0x99, 0x100, "024", 1, 1, 500, 3}));
    EXPECT_EQ(IniText(), "[setup]\r\nStartAddress=0x10\r\nStopAddress=0x20\r\n") << "\"Close\" writes nothing";
    WithDialog([&] {
        EXPECT_EQ(dlg().edStAddr->text(), "0x10");
        EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0x10, 0x20, "024", 1, 0, 500, 2}));
    });
}

TEST_F(ScanTest, TheCloseBoxClosesWithoutCollecting)
{
    WithDialog([&] {
        Type(dlg().edStAddr, "0x99");
        dlg().cbBpp->setCurrentIndex(2);
        dialog().close();
    });
    EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0, 0, "024", 1, 0, 500, 2}));
}

TEST_F(ScanTest, NeitherEscapeNorEnterInAnEditBoxClosesTheDialog)
{
    WithDialog([&] {
        Type(dlg().edStAddr, "0x99");
        QTest::keyClick(dlg().edStAddr, Qt::Key_Escape);
        QTest::keyClick(dlg().edStAddr, Qt::Key_Return);
        EXPECT_TRUE(dialog().isVisible());
        dlg().Button2->setFocus();
        QTest::keyClick(dlg().Button2, Qt::Key_Return);
        EXPECT_FALSE(dialog().isVisible()) << "Enter presses the button that has the focus";
    });
    EXPECT_EQ(scan().ScanStart, 0x99);
    EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(ScanTest, AWidthOfLettersIsAcceptedAndSaved)
{
    WithDialog([&] {
        Type(dlg().edWidth, "abc");
        dlg().Button1->click();
    });
    EXPECT_EQ(scan().ScanWidthText, "abc");
    EXPECT_NE(IniText().find("\r\nWidth=abc\r\n"), std::string::npos);
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(ScanTest, ABadTextInTheDialogStopsTheButtonAndKeepsTheDialogOpen)
{
    struct Case {
        QLineEdit* Ui::TForm5::*edit;
        const char* text;
        const char* error;
        ScanSettings expected;
    };
    const Case cases[] = {
        {&Ui::TForm5::edSpeed, "fast", "'fast' is not a valid integer value.", {0, 0, "024", 3, 0, 500, 2}},
        {&Ui::TForm5::edStAddr, "", "'' is not a valid integer value.", {0, 0, "024", 3, 0, 250, 2}},
        {&Ui::TForm5::edEnAddr, "0x1 ", "'0x1 ' is not a valid integer value.", {16, 0, "024", 3, 0, 250, 2}},
    };
    for (const Case& c : cases) {
        for (QPushButton* Ui::TForm5::*button : {&Ui::TForm5::Button1, &Ui::TForm5::Button2}) {
            rec.errors.clear();
            scan() = ScanSettings{};
            WithDialog([&] {
                dlg().cbBpp->setCurrentIndex(2);
                Type(dlg().edSpeed, "250");
                Type(dlg().edStAddr, "0x10");
                Type(dlg().*c.edit, c.text);
                (dlg().*button)->click();
                EXPECT_TRUE(dialog().isVisible());
                EXPECT_EQ(Fields(scan()), Fields(c.expected)) << c.text;
            });
            EXPECT_EQ(rec.errors, QStringList{c.error});
            EXPECT_FALSE(std::filesystem::exists(IniPath()));
        }
    }
}

TEST_F(ScanTest, AFileOrFolderThatCannotBeWrittenIsReportedAndTheDialogStaysOpen)
{
    namespace fs = std::filesystem;
    const std::string expected = "Unable to write to " + IniPath().string() + ".";

    WriteIni("[setup]\r\nWidth=8\r\n");
    fs::permissions(IniPath(), fs::perms::owner_read | fs::perms::group_read);
    WithDialog([&] {
        Type(dlg().edStAddr, "0x40");
        dlg().Button1->click();
        EXPECT_TRUE(dialog().isVisible());
    });
    EXPECT_EQ(scan().ScanStart, 0x40) << "the settings were collected before the write";
    EXPECT_EQ(IniText(), "[setup]\r\nWidth=8\r\n");
    EXPECT_EQ(rec.errors, QStringList{QString::fromStdString(expected)});

    fs::remove(IniPath());
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    WithDialog([&] { dlg().Button1->click(); });
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(IniPath()));
    EXPECT_EQ(rec.errors.size(), 2);
    EXPECT_EQ(Utf8(rec.errors.back()), expected);
}

TEST_F(ScanTest, ABadAddressInTheFileEndsTheLoadAndTheMainWindowsActivation)
{
    WriteIni("[setup]\r\nWidth=016\r\nBppc=2\r\nStartAddress=zz\r\nStopAddress=0x10\r\n"
             "[actions]\r\ndirection=1\r\nspeed=250\r\nmethod=3\r\n");
    Restart();
    EXPECT_EQ(rec.errors, QStringList{"'zz' is not a valid integer value."});
    // Colour mode and interval were taken before the failing address, the rest not.
    EXPECT_EQ(Fields(scan()), Fields(ScanSettings{0, 0, "024", 2, 0, 250, 2}));
    // The controls were already filled; the radio buttons were not reached.
    EXPECT_EQ(dlg().edStAddr->text(), "zz");
    EXPECT_EQ(dlg().edEnAddr->text(), "0x10");
    EXPECT_EQ(dlg().edWidth->text(), "016");
    EXPECT_EQ(dlg().cbBpp->currentIndex(), 1);
    EXPECT_EQ(dlg().cbDir->currentIndex(), 1);
    EXPECT_EQ(dlg().edSpeed->text(), "250");
    EXPECT_TRUE(dlg().RadioButton3->isChecked());
    // The main window's activation ended with the load: no colour button was pressed.
    EXPECT_FALSE(ui().SpeedButton1->isChecked());

    WriteIni("[setup]\r\nStartAddress=0x8\r\nStopAddress=stop\r\n");
    rec.errors.clear();
    WithDialog([&] {
        EXPECT_EQ(rec.errors, QStringList{"'stop' is not a valid integer value."});
        EXPECT_EQ(scan().ScanStart, 8);
        EXPECT_EQ(scan().ScanStop, 0);
    });
}
