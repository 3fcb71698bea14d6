// The clipboard shared with another program on a real X server: xclip reads
// what Bitloom copied and offers a PNG that Bitloom pastes.

// GCC 12 takes the copy of a std::optional<QString> in the recording
// services for a read of uninitialised memory when it inlines it here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "viewer/MainWindowFixture.h"
#pragma GCC diagnostic pop

#include "viewer/Palette.h"
#include "viewer/PreviewImage.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>

#include <random>

using namespace bitloom;

namespace {

QClipboard& Clipboard()
{
    return *QGuiApplication::clipboard();
}

// Keeps the event loop running while process works, since Bitloom must
// answer the other program's requests for the clipboard meanwhile.
bool Serve(QProcess& process, int milliseconds = 10000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(10);
    return process.state() == QProcess::NotRunning;
}

// Runs xclip to its end and gives its output.
QByteArray Xclip(const QStringList& arguments)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), arguments);
    if (!Serve(xclip)) {
        xclip.kill();
        xclip.waitForFinished();
        ADD_FAILURE() << "xclip " << arguments.join(' ').toStdString() << " did not finish";
        return {};
    }
    EXPECT_EQ(xclip.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(xclip.exitCode(), 0) << xclip.readAllStandardError().toStdString();
    return xclip.readAllStandardOutput();
}

bool Until(const std::function<bool()>& condition, int milliseconds = 10000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(10);
    return condition();
}

} // namespace

class X11ClipboardTest : public MainWindowTest {
protected:
    // A dump of random bytes, opened, with a 2 bpp picture of 8 x 4 pixels
    // on show at offset 8.
    void ShowFourColourPicture()
    {
        std::mt19937 random(4);
        dump.resize(256);
        for (auto& b : dump)
            b = static_cast<std::uint8_t>(random());
        dump[8 + 5] = 0x00; // the byte the test paints into
        WriteBytes(dir / "d.bin", dump);
        OpenDump(dir / "d.bin");
        SetSizes(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("4"));
        ui().SpeedButton2->click();
        ui().Button3->click(); // X*Y on: 8 bytes
        ASSERT_EQ(ui().Label2->text(), "000008");
        ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    }

    std::vector<std::uint8_t> dump;
};

TEST_F(X11ClipboardTest, AnotherProgramReadsTheCopiedPreview)
{
    ShowFourColourPicture();
    ui().Button9->click();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();

    const QByteArray targets = Xclip({"-selection", "clipboard", "-t", "TARGETS", "-o"});
    EXPECT_TRUE(targets.split('\n').contains("image/png")) << targets.toStdString();

    const QImage read = QImage::fromData(Xclip({"-selection", "clipboard", "-t", "image/png", "-o"}), "PNG");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), ui().PaintBox1->Picture());
}

TEST_F(X11ClipboardTest, APngFromAnotherProgramIsPastedAndSaved)
{
    ShowFourColourPicture();
    ui().Button9->click();
    QImage picture = QImage::fromData(Xclip({"-selection", "clipboard", "-t", "image/png", "-o"}), "PNG");
    ASSERT_FALSE(picture.isNull());

    // Another program paints one pixel pure green and offers the PNG.
    picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setPixel(5, 2, qRgb(0, 255, 0));
    const QString png = bitloom::ToQString(dir / "changed.png");
    ASSERT_TRUE(picture.save(png, "PNG"));
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-quiet", "-selection", "clipboard", "-t", "image/png", "-i", png});
    ASSERT_TRUE(Until([] {
        const QMimeData* data = Clipboard().mimeData();
        return !Clipboard().ownsClipboard() && data != nullptr && data->hasFormat(QStringLiteral("image/png"));
    })) << "xclip never offered the picture";

    const QImage before = ui().PaintBox1->Picture();
    ui().Button8->click();
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
    const QImage after = ui().PaintBox1->Picture();
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QRgb expected = x == 5 && y == 2 ? ToQRgb(FourColourPalette[3]) : before.pixel(x, y);
            ASSERT_EQ(after.pixel(x, y), expected) << x << "," << y;
        }

    // Save writes the packed bytes at the offset and nothing else changes:
    // pixel 21 is bits 42 and 43, code 11 in byte 5 of the picture.
    ui().N3->trigger();
    std::vector<std::uint8_t> expected = dump;
    expected[8 + 5] = 0x30;
    EXPECT_EQ(ReadBytes(dir / "d.bin"), expected);

    // Taking the clipboard back ends xclip.
    Clipboard().setText(QStringLiteral("done"));
    if (!Serve(xclip, 5000)) {
        xclip.kill();
        xclip.waitForFinished();
    }
}
