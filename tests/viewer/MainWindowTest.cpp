#include "viewer/MainWindowFixture.h"

#include "viewer/Palette.h"
#include "viewer/PreviewImage.h"

#include <QMenu>

using namespace bitloom;

namespace {

QRgb Rgb(ColourValue c)
{
    return ToQRgb(c);
}

} // namespace

TEST_F(MainWindowTest, StartsWithNoFileAndOnlyTheAlwaysAvailableCommands)
{
    EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [no file]");
    EXPECT_TRUE(ui().SpeedButton1->isChecked());
    EXPECT_FALSE(ui().SpeedButton2->isChecked());
    for (QAction* a : {ui().N3, ui().N2, ui().N8->menuAction(), ui().NLast->menuAction(), ui().N13->menuAction()})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QWidget* b : {ui().Button10, ui().Button11, ui().Button2, ui().Button3, ui().Button4, ui().Button5,
                       ui().Button6, ui().Button7})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(ui().Button1->isEnabled());
    EXPECT_TRUE(ui().Button8->isEnabled());
    EXPECT_EQ(ui().Label2->text(), "000000");
    EXPECT_EQ(ui().Edit1->text(), "0");
    EXPECT_EQ(state().StartDir, std::filesystem::current_path());
    EXPECT_EQ(form().centralWidget()->size(), QSize(724, 563));
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(MainWindowTest, OpenShowsNameAndSizeAndResetsTheView)
{
    WriteBytes(dir / "ff.bin", std::vector<std::uint8_t>(16777216, 0));
    SetSizes("8", "8", "8");
    ui().SpeedButton2->click();
    OpenDump(dir / "ff.bin");
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [ff.bin  size=1000000h]");
    EXPECT_EQ(ui().Label2->text(), "000000");
    EXPECT_EQ(ui().Edit1->text(), "000");
    EXPECT_EQ(ui().Edit3->text(), "000");
    EXPECT_EQ(ui().Edit2->text(), "000");
    EXPECT_TRUE(ui().SpeedButton1->isChecked());
    EXPECT_FALSE(ui().SpeedButton2->isChecked());
    EXPECT_EQ(state().RowBits, 0);
    for (QAction* a : {ui().N3, ui().N2, ui().N8->menuAction(), ui().N13->menuAction()})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_FALSE(ui().NLast->menuAction()->isEnabled());
    EXPECT_TRUE(ui().Button11->isEnabled());
    EXPECT_EQ(ui().Image1->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(rec.fileRequests.back().filter, "Binary full flash (*.bin);;Binary I-file (*.bif)");
}

TEST_F(MainWindowTest, AnEmptyDumpShowsSizeZero)
{
    WriteBytes(dir / "empty.bin", {});
    OpenDump(dir / "empty.bin");
    EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [empty.bin  size=000000h]");
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(MainWindowTest, FailedOpenKeepsTheEarlierDumpAndTitle)
{
    WriteBytes(dir / "good.bin", CountingBytes(64));
    OpenDump(dir / "good.bin");
    WriteBytes(dir / "ro.bin", {1});
    std::filesystem::permissions(dir / "ro.bin", std::filesystem::perms::owner_read);

    struct Case {
        std::filesystem::path path;
        const char* error;
    };
    const Case cases[] = {{dir / "missing.bin", "File not found."},
                          {dir / "nofolder" / "x.bin", "Invalid filename."},
                          {dir / "ro.bin", "File access denied."}};
    for (const auto& c : cases) {
        rec.errors.clear();
        OpenDump(c.path);
        EXPECT_EQ(rec.errors, QStringList{c.error});
        EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [good.bin  size=000040h]");
        EXPECT_EQ(state().FlashPath, dir / "good.bin");
    }
}

TEST_F(MainWindowTest, CancelledOpenChangesNothing)
{
    ui().MenuItem2->trigger();
    EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [no file]");
    EXPECT_EQ(ui().Image1->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST_F(MainWindowTest, AppliedSizesDrawTheDumpInEveryModeAndEnlargeThreeTimes)
{
    // Byte 0x1B: mono K? no: 00011011 -> W W W K K W K K.
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(4096, 0x1B));
    OpenDump(dir / "d.bin");
    SetSizes("8", "6", "2");
    ui().Button1->click();
    ui().MenuItem238->trigger(); // sizes alone never read the file
    const QRgb mono[8] = {Rgb(White), Rgb(White), Rgb(White), Rgb(Black), Rgb(Black), Rgb(White),
                          Rgb(MarginColour), Rgb(MarginColour)};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(PreviewPixel(x, 1), mono[x]) << x;

    ui().SpeedButton2->click();
    EXPECT_EQ(state().RowBits, 16);
    EXPECT_EQ(PreviewPixel(0, 0), Rgb(FourColourPalette[0]));
    EXPECT_EQ(PreviewPixel(1, 0), Rgb(FourColourPalette[1]));
    EXPECT_EQ(PreviewPixel(2, 0), Rgb(FourColourPalette[2]));
    EXPECT_EQ(PreviewPixel(6, 0), Rgb(MarginColour));

    ui().SpeedButton3->click();
    EXPECT_EQ(PreviewPixel(3, 0), Rgb(GreyPalette[3]));
    EXPECT_EQ(PreviewPixel(6, 0), Rgb(GreyPalette[2])); // grey margin starts at 12

    const QImage enlarged = ui().Image1->grab().toImage();
    ASSERT_EQ(enlarged.size(), QSize(384, 555));
    for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx)
            EXPECT_EQ(enlarged.pixel(3 * 3 + dx, dy), Rgb(GreyPalette[3]));
    EXPECT_EQ(enlarged.pixel(383, 554), PreviewPixel(127, 184));
    EXPECT_EQ(ui().Image2->size(), QSize(16, 2));
}

TEST_F(MainWindowTest, ABadSizeShowsTheConversionErrorAndRedrawsNothing)
{
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(4096, 0xFF));
    OpenDump(dir / "d.bin");
    SetSizes("8", "8", "8");
    ui().Button1->click();
    ui().MenuItem238->trigger();
    ASSERT_EQ(PreviewPixel(0, 0), Rgb(Black));
    ui().Edit1->setText("");
    ui().Button1->click();
    EXPECT_EQ(rec.errors, QStringList{"'' is not a valid integer value."});
    EXPECT_EQ(PreviewPixel(0, 0), Rgb(Black));
    rec.errors.clear();
    SetSizes("8", "8x", "8");
    ui().SpeedButton2->click();
    EXPECT_EQ(rec.errors, QStringList{"'8x' is not a valid integer value."});
    EXPECT_EQ(state().RowBits, 8); // read, not yet doubled
}

TEST_F(MainWindowTest, AFailedReadShowsTheAddressButKeepsTheOldPicture)
{
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(100, 0xFF));
    OpenDump(dir / "d.bin");
    SetSizes("8", "8", "8");
    ui().Button1->click();
    ui().Button6->click(); // "8 -" from offset 0
    EXPECT_EQ(rec.errors, QStringList{"I/O error 131."});
    EXPECT_EQ(ui().Label2->text(), "FFFFFFFF");
    EXPECT_EQ(state().StepOffset, -1);
    rec.errors.clear();
    ui().Button7->click();
    EXPECT_TRUE(rec.errors.isEmpty());
    EXPECT_EQ(ui().Label2->text(), "000000");
}

TEST_F(MainWindowTest, SaveWritesTheWindowBackAndSaveAsCopiesFirst)
{
    auto bytes = CountingBytes(256);
    WriteBytes(dir / "d.bin", bytes);
    OpenDump(dir / "d.bin");
    SetSizes("2", "2", "2");
    ui().Button1->click();
    ui().Button7->click(); // offset 1, window bytes 1..4
    ASSERT_TRUE(rec.errors.isEmpty());
    state().WindowBuffer[0] = 0xAA;
    state().WindowBuffer[3] = 0xBB;
    ui().N3->trigger();
    auto expected = bytes;
    expected[1] = 0xAA;
    expected[4] = 0xBB;
    EXPECT_EQ(ReadBytes(dir / "d.bin"), expected);

    state().WindowBuffer[1] = 0xCC;
    rec.fileAnswers.push_back(ToQString(dir / "copy.bin"));
    ui().N2->trigger();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_EQ(ReadBytes(dir / "d.bin"), expected); // the earlier file keeps its content
    auto copied = expected;
    copied[2] = 0xCC;
    EXPECT_EQ(ReadBytes(dir / "copy.bin"), copied);
    EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [copy.bin  size=000100h]");
    EXPECT_EQ(state().FlashPath, dir / "copy.bin");
}

TEST_F(MainWindowTest, SaveAsOntoTheOpenDumpIsAPlainSave)
{
    auto bytes = CountingBytes(64);
    WriteBytes(dir / "d.bin", bytes);
    OpenDump(dir / "d.bin");
    SetSizes("1", "1", "1");
    ui().Button1->click();
    state().WindowBuffer[0] = 0x77;
    rec.fileAnswers.push_back(ToQString(dir / "." / "d.bin"));
    ui().N2->trigger();
    bytes[0] = 0x77;
    EXPECT_EQ(ReadBytes(dir / "d.bin"), bytes);
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(MainWindowTest, SaveAsIntoAMissingFolderKeepsTheOpenDump)
{
    WriteBytes(dir / "d.bin", CountingBytes(64));
    OpenDump(dir / "d.bin");
    rec.fileAnswers.push_back(ToQString(dir / "none" / "copy.bin"));
    ui().N2->trigger();
    EXPECT_EQ(rec.errors, QStringList{"Invalid filename."});
    EXPECT_EQ(state().FlashPath, dir / "d.bin");
    EXPECT_EQ(form().windowTitle(), "Bitloom v4.02 - [d.bin  size=000040h]");
}

TEST_F(MainWindowTest, SaveAfterAFailedReadNeverLengthensTheDump)
{
    WriteBytes(dir / "d.bin", CountingBytes(10));
    OpenDump(dir / "d.bin");
    SetSizes("8", "8", "1");
    ui().Button1->click();
    ui().Button7->click();
    ui().Button7->click();
    ui().Button7->click(); // offset 3: 8 bytes would reach 11
    rec.errors.clear();
    ui().N3->trigger();
    EXPECT_EQ(rec.errors, QStringList{"Write beyond end of file."});
    EXPECT_EQ(ReadBytes(dir / "d.bin"), CountingBytes(10));
}

TEST_F(MainWindowTest, StartFolderStaysWhereTheProgramStarted)
{
    const auto start = state().StartDir;
    std::filesystem::create_directory(dir / "elsewhere");
    WriteBytes(dir / "elsewhere" / "d.bin", CountingBytes(8));
    std::filesystem::current_path(dir / "elsewhere");
    OpenDump(dir / "elsewhere" / "d.bin");
    EXPECT_EQ(state().StartDir, start);
}
