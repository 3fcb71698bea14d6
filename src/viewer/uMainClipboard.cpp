#include "viewer/uMain.h"

// Copy and paste of the picture on show.

#include "platform/Error.h"
#include "platform/Messages.h"
#include "ui_uMain.h"
#include "viewer/Encoder.h"
#include "viewer/PreviewImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <vector>

using namespace bitloom;

namespace {

// Whether the clipboard holds a picture of any kind, loadable or not.
bool OffersPicture(const QMimeData* data)
{
    if (data == nullptr)
        return false;
    const QStringList formats = data->formats();
    return std::any_of(formats.begin(), formats.end(), [](const QString& format) {
        return format.startsWith(QLatin1String("image/")) || format == QLatin1String("application/x-qt-image");
    });
}

// The clipboard's picture as a bitmap, or a null image when none of its
// formats can be read as one. Platforms that keep the data as another program
// put it there (an in-process clipboard) do not decode it for us, so every
// picture format on offer is tried.
QImage TakePicture(const QClipboard& clipboard)
{
    QImage image = clipboard.image();
    if (!image.isNull())
        return image;
    const QMimeData* data = clipboard.mimeData();
    for (const QString& format : data->formats()) {
        if (format.startsWith(QLatin1String("image/")) && image.loadFromData(data->data(format)))
            return image;
    }
    return {};
}

// A pixel as it shows on a white page: a translucent picture (a PNG with an
// alpha channel) packs by what the user sees, and transparency by white.
QRgb OnWhite(QRgb pixel)
{
    const int alpha = qAlpha(pixel);
    if (alpha == 255)
        return pixel;
    const auto blend = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; };
    return qRgb(blend(qRed(pixel)), blend(qGreen(pixel)), blend(qBlue(pixel)));
}

// The colours of the part of the picture that the packer reads; a large
// picture is never converted as a whole.
class AreaColours final {
public:
    AreaColours(const QImage& picture, const PackArea& area)
        : width_(std::clamp(area.columns, 0, picture.width())), height_(std::clamp(area.rows, 0, picture.height()))
    {
        if (width_ == 0 || height_ == 0) {
            width_ = height_ = 0;
            return;
        }
        const QImage part = picture.copy(0, 0, width_, height_).convertToFormat(QImage::Format_ARGB32);
        colours_.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        for (int y = 0; y < height_; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(part.constScanLine(y));
            for (int x = 0; x < width_; ++x)
                colours_.push_back(FromQRgb(OnWhite(line[x])));
        }
    }

    PixelGrid Grid() const { return {width_, height_, colours_}; }

private:
    std::int32_t width_;
    std::int32_t height_;
    std::vector<ColourValue> colours_;
};

} // namespace

void TForm1::Button9Click()
{
    // The whole preview, background and margin included, not only the picture.
    const QImage picture = ToImage(preview_);
    ui->Image2->SetPicture(picture);
    QGuiApplication::clipboard()->setImage(picture);
}

void TForm1::Button8Click()
{
    CheckPackable(state_);
    ui->Image2->resize(std::max(0, state_.RowBits), std::max(0, state_.RowCount));

    const QClipboard& clipboard = *QGuiApplication::clipboard();
    if (OffersPicture(clipboard.mimeData())) {
        QImage taken = TakePicture(clipboard);
        if (taken.isNull())
            throw Error(std::string(msg::UnsupportedClipboardFormat));
        ui->Image2->SetPicture(std::move(taken));
    } else if (ui->Image2->Picture().isNull()) {
        QImage white(std::max(0, state_.RowBits), std::max(0, state_.RowCount), QImage::Format_RGB32);
        white.fill(ToQRgb(White));
        ui->Image2->SetPicture(std::move(white));
    }

    const AreaColours area(ui->Image2->Picture(), AreaToPack(state_));
    PackPicture(state_, area.Grid());
    RedrawPreview();
}
