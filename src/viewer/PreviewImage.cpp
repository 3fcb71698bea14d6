#include "viewer/PreviewImage.h"

namespace bitloom {

QRgb ToQRgb(ColourValue colour)
{
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColourValue FromQRgb(QRgb rgb)
{
    return MakeColour(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
                      static_cast<std::uint8_t>(qBlue(rgb)));
}

QImage ToImage(const Preview& preview)
{
    QImage image(PreviewWidth, PreviewHeight, QImage::Format_RGB32);
    for (int y = 0; y < PreviewHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < PreviewWidth; ++x)
            line[x] = ToQRgb(preview.At(x, y));
    }
    return image;
}

} // namespace bitloom
