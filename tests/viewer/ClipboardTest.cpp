#include "viewer/MainWindowFixture.h"

#include "viewer/Palette.h"
#include "viewer/PreviewImage.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gmock/gmock.h>

#include <functional>
#include <random>

using namespace bitloom;
using ::testing::ElementsAreArray;

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

QClipboard& Clipboard()
{
    return *QGuiApplication::clipboard();
}

QImage Filled(int width, int height, ColourValue colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(ToQRgb(colour));
    return image;
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

// The main window with an empty clipboard, and a dump of 4 KiB at hand.
class ClipboardTest : public MainWindowTest {
protected:
    ClipboardTest() { Clipboard().clear(); }

    void OpenRandomDump(unsigned seed = 7)
    {
        dump = RandomBytes(4096, seed);
        WriteBytes(dir / "d.bin", dump);
        OpenDump(dir / "d.bin");
        ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    }

    // Types the sizes, presses the colour-mode button and reads the window at
    // the start of the dump again.
    void ShowPicture(int mode, const QString& width, const QString& pictureWidth, const QString& height)
    {
        SetSizes(width, pictureWidth, height);
        QAbstractButton* buttons[] = {ui().SpeedButton1, ui().SpeedButton2, ui().SpeedButton3};
        buttons[mode - 1]->click();
        ui().MenuItem238->trigger();
    }

    std::vector<std::uint8_t> Window(std::size_t count)
    {
        return {state().WindowBuffer.begin(), state().WindowBuffer.begin() + static_cast<std::ptrdiff_t>(count)};
    }

    std::vector<std::uint8_t> dump;
};

TEST_F(ClipboardTest, CopyPutsTheWholePreviewOnTheClipboardAndIntoImage2)
{
    OpenRandomDump();
    ShowPicture(2, "10", "6", "7");
    ui().Button9->click();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();

    const QImage preview = ui().PaintBox1->Picture();
    const QImage copied = Clipboard().image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), QSize(128, 185));
    EXPECT_EQ(copied, preview);
    EXPECT_EQ(copied.pixel(6, 0), ToQRgb(MarginColour));
    EXPECT_EQ(copied.pixel(127, 184), preview.pixel(127, 184)); // the background
    EXPECT_NE(copied.pixel(127, 184), ToQRgb(White));
    EXPECT_EQ(ui().Image2->Picture(), preview);
    EXPECT_EQ(ui().Image2->size(), QSize(20, 7));
}

TEST_F(ClipboardTest, CopyThenPasteGivesBackThePictureInEveryMode)
{
    struct Case {
        int mode;
        std::size_t packedBytes; // 13 x 7 pixels
        std::uint8_t lastByteMask;
    };
    const Case cases[] = {{1, 12, 0xE0}, {2, 23, 0xFC}, {3, 23, 0xFC}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        OpenRandomDump(static_cast<unsigned>(c.mode));
        ShowPicture(c.mode, "13", "13", "7");
        const std::size_t windowBytes = static_cast<std::size_t>(state().RowBits * state().RowCount);
        const QImage copiedPreview = ui().PaintBox1->Picture();
        std::vector<std::uint8_t> packed = Window(c.packedBytes);
        packed.back() &= c.lastByteMask;

        ui().Button9->click();
        ui().Button7->click(); // one byte on: other bytes under the picture
        ASSERT_NE(ui().PaintBox1->Picture(), copiedPreview);
        ui().Button8->click();
        ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();

        EXPECT_EQ(ui().PaintBox1->Picture(), copiedPreview);
        EXPECT_THAT(Window(c.packedBytes), ElementsAreArray(packed));
        // The rest of the window is the dump's own, as read at the new offset.
        const std::vector<std::uint8_t> after = Window(windowBytes);
        EXPECT_TRUE(std::equal(after.begin() + static_cast<std::ptrdiff_t>(c.packedBytes), after.end(),
                               dump.begin() + 1 + static_cast<std::ptrdiff_t>(c.packedBytes)));

        ui().N3->trigger();
        std::vector<std::uint8_t> expected = dump;
        std::copy(packed.begin(), packed.end(), expected.begin() + 1);
        EXPECT_EQ(ReadBytes(dir / "d.bin"), expected);
    }
}

TEST_F(ClipboardTest, MarginColumnsPackAsOnes)
{
    // Each row is one whole byte here: the picture's columns keep their bits,
    // the margin's become 1 (mode 1) or code 11 (modes 2 and 3).
    struct Case {
        int mode;
        const char* pictureWidth;
        std::uint8_t pictureMask;
    };
    const Case cases[] = {
        {1, "5", 0xF8},
        {2, "2", 0xF0},
        {3, "1", 0xF0}, // the grey-scale margin begins at twice the picture width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        OpenRandomDump(static_cast<unsigned>(10 + c.mode));
        ShowPicture(c.mode, c.mode == 1 ? "8" : "4", c.pictureWidth, "2");
        ui().Button9->click();
        ui().Button8->click();
        ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
        const auto margin = static_cast<std::uint8_t>(~c.pictureMask);
        EXPECT_THAT(Window(3), ElementsAreArray({static_cast<std::uint8_t>((dump[0] & c.pictureMask) | margin),
                                                 static_cast<std::uint8_t>((dump[1] & c.pictureMask) | margin),
                                                 dump[2]}));
    }
}

TEST_F(ClipboardTest, NineBlackPixelsReplaceOnlyTheirBytesInTheDump)
{
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(64, 0x55));
    OpenDump(dir / "d.bin");
    ShowPicture(1, "3", "3", "3");
    Clipboard().setImage(Filled(3, 3, Black));
    ui().Button8->click();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_THAT(Window(4), ElementsAreArray({0xFF, 0x80, 0x55, 0x55}));
    EXPECT_EQ(PreviewPixel(2, 2), ToQRgb(Black));
    EXPECT_EQ(ui().Image2->Picture().size(), QSize(3, 3));

    ui().N3->trigger();
    std::vector<std::uint8_t> expected(64, 0x55);
    expected[0] = 0xFF;
    expected[1] = 0x80;
    EXPECT_EQ(ReadBytes(dir / "d.bin"), expected);
}

TEST_F(ClipboardTest, WithoutAPictureOnTheClipboardImage2sOwnPictureIsPacked)
{
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(64, 0xFF));
    OpenDump(dir / "d.bin");

    // Before any copy or paste: a white picture of the geometry's size.
    ShowPicture(1, "4", "4", "2");
    ui().Button8->click();
    EXPECT_THAT(Window(2), ElementsAreArray({0x00, 0xFF}));
    EXPECT_EQ(ui().Image2->Picture(), Filled(4, 2, White));
    ShowPicture(2, "4", "4", "2");
    ui().Button8->click();
    EXPECT_THAT(Window(3), ElementsAreArray({0x00, 0x00, 0xFF}));

    // Text on the clipboard is no picture: the last one pasted stays.
    ShowPicture(1, "4", "4", "2");
    Clipboard().setImage(Filled(2, 1, Black));
    ui().Button8->click();
    EXPECT_THAT(Window(2), ElementsAreArray({0xC0, 0xFF}));
    Clipboard().setText(QStringLiteral("not a picture"));
    ui().MenuItem238->trigger();
    ASSERT_THAT(Window(2), ElementsAreArray({0xFF, 0xFF}));
    ui().Button8->click();
    EXPECT_THAT(Window(2), ElementsAreArray({0xC0, 0xFF}));
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
}

TEST_F(ClipboardTest, OddPicturesPackByTheColoursTheyShow)
{
    // Mode 1, 8 x 2: two bytes, the third stays.
    const auto image = [](QImage picture) {
        return [picture] {
            auto* data = new QMimeData;
            data->setImageData(picture);
            return data;
        };
    };
    QImage tiny = Filled(1, 1, Black);

    QImage indexed(8, 2, QImage::Format_Indexed8);
    indexed.setColorTable({ToQRgb(White), ToQRgb(Black), ToQRgb(MarginColour)});
    indexed.fill(0);
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(7, 0, 2);
    indexed.setPixel(3, 1, 1);

    QImage translucent(3, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));   // transparent: white
    translucent.setPixel(1, 0, qRgba(0, 0, 0, 255)); // black
    translucent.setPixel(2, 0, qRgba(0, 0, 0, 128)); // a grey on white

    QImage huge = Filled(4000, 3000, White);
    huge.setPixel(0, 0, ToQRgb(Black));
    huge.setPixel(7, 1, ToQRgb(Black));
    huge.setPixel(8, 0, ToQRgb(Black));
    huge.setPixel(3999, 2999, ToQRgb(Black));

    QImage small = Filled(8, 2, White);
    small.setPixel(1, 0, ToQRgb(Black));
    small.setPixel(6, 1, ToQRgb(Black));

    struct Case {
        const char* name;
        std::function<QMimeData*()> clipboard;
        std::uint8_t byte0, byte1;
    };
    const Case cases[] = {
        {"1 x 1", image(tiny), 0x80, 0x00},
        {"palette", image(indexed), 0x81, 0x10},
        {"alpha", image(translucent), 0x40, 0x00},
        {"much larger than the geometry", image(huge), 0x80, 0x01},
        {"PNG bytes only",
         [&small] {
             auto* data = new QMimeData;
             data->setData(QStringLiteral("image/png"), Png(small));
             return data;
         },
         0x40, 0x02},
    };
    WriteBytes(dir / "d.bin", std::vector<std::uint8_t>(64, 0xAA));
    OpenDump(dir / "d.bin");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowPicture(1, "8", "8", "2");
        Clipboard().setMimeData(c.clipboard());
        ui().Button8->click();
        ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
        EXPECT_THAT(Window(3), ElementsAreArray({c.byte0, c.byte1, std::uint8_t{0xAA}}));
    }
}

TEST_F(ClipboardTest, APictureThatIsNoBitmapIsRefusedAndChangesNothing)
{
    struct Case {
        const char* format;
        QByteArray bytes;
    };
    const Case cases[] = {{"image/x-emf", QByteArray("\x01\x00\x00\x00 a metafile", 16)},
                          {"image/png", QByteArray("not really a PNG")}};
    OpenRandomDump();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        ShowPicture(1, "8", "8", "2");
        ui().Button9->click();
        const QImage copied = ui().Image2->Picture();
        const QImage shown = ui().PaintBox1->Picture();
        ui().Image2->resize(1, 1);
        // A change the next redraw would show.
        state().WindowBuffer[0] = static_cast<std::uint8_t>(~dump[0]);
        const std::vector<std::uint8_t> before = Window(4);

        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(c.format), c.bytes);
        Clipboard().setMimeData(data);
        rec.errors.clear();
        ui().Button8->click();
        EXPECT_EQ(rec.errors, QStringList{"Unsupported clipboard format."});
        EXPECT_EQ(ui().Image2->size(), QSize(8, 2));
        EXPECT_EQ(ui().Image2->Picture(), copied);
        EXPECT_EQ(Window(4), before);
        EXPECT_EQ(ui().PaintBox1->Picture(), shown);
    }
}

TEST_F(ClipboardTest, PasteBeforeAnyFileChangesTheWindowAndThePreviewOnly)
{
    ShowPicture(1, "8", "8", "1");
    QImage picture = Filled(8, 1, White);
    for (int x = 0; x < 4; ++x)
        picture.setPixel(x, 0, ToQRgb(Black));
    Clipboard().setImage(picture);
    rec.errors.clear();
    ui().Button8->click();
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    EXPECT_EQ(state().WindowBuffer[0], 0xF0);
    EXPECT_EQ(PreviewPixel(0, 0), ToQRgb(Black));
    EXPECT_EQ(PreviewPixel(4, 0), ToQRgb(White));
    EXPECT_FALSE(ui().N3->isEnabled());
    EXPECT_FALSE(ui().N2->isEnabled());
}

TEST_F(ClipboardTest, AGeometryTooLargeIsRefusedBeforeAnythingChanges)
{
    // Sizes set by the program (a catalogue entry) may be longer than typing allows.
    SetSizes("9999", "9999", "9999");
    ui().Button1->click();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    Clipboard().setImage(Filled(8, 8, Black));
    ui().Button8->click();
    EXPECT_EQ(rec.errors, QStringList{"Picture window too large."});
    EXPECT_EQ(state().WindowBuffer[0], 0x00);
    EXPECT_TRUE(ui().Image2->Picture().isNull());
}
