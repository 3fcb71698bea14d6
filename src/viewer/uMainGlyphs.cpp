#include "viewer/uMainGlyphs.h"

#include "viewer/Palette.h"
#include "viewer/PreviewImage.h"

#include <QPainter>
#include <QPainterPath>

using namespace bitloom;

namespace {

QColor Colour(ColourValue value)
{
    return QColor(ToQRgb(value));
}

} // namespace

QIcon ColourModeGlyph(int colorMode)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    if (colorMode == 1) {
        p.setBrush(Qt::white);
        p.drawRect(1, 1, 7, 14);
        p.setBrush(Qt::black);
        p.drawRect(8, 1, 7, 14);
    } else {
        const auto& palette = colorMode == 2 ? FourColourPalette
                                             : std::array<ColourValue, 4>{0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040};
        const QRect cells[4] = {{1, 1, 7, 7}, {8, 1, 7, 7}, {1, 8, 7, 7}, {8, 8, 7, 7}};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(Colour(palette[static_cast<std::size_t>(i)]));
            p.drawRect(cells[i]);
        }
    }
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, 14, 14);
    return QIcon(pixmap);
}

QPixmap BentArrowPicture()
{
    // From the image-width box on the left, right and down to the picture-width box.
    QPixmap pixmap(23, 36);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    QPainterPath path;
    path.moveTo(1, 6);
    path.lineTo(14, 6);
    path.lineTo(14, 28);
    path.lineTo(3, 28);
    p.drawPath(path);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(QPolygonF({QPointF(1, 28), QPointF(6, 24), QPointF(6, 32)}));
    return pixmap;
}

QIcon ProgramIcon()
{
    // A magnifier over a grid of pixels: pictures found in raw bytes.
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        const double u = size / 16.0;
        const ColourValue cells[4] = {FourColourPalette[1], FourColourPalette[2], FourColourPalette[3], Black};
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                p.fillRect(QRectF((1 + 2.5 * x) * u, (1 + 2.5 * y) * u, 2.2 * u, 2.2 * u),
                           (x + y) % 2 == 0 ? Colour(cells[(x + y * 2) % 4]) : QColor(Qt::white));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Colour(MarginColour), 1.6 * u));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(9.5 * u, 9.5 * u), 3.6 * u, 3.6 * u);
        p.setPen(QPen(QColor(90, 60, 20), 2.0 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.2 * u, 12.2 * u), QPointF(15 * u, 15 * u));
        icon.addPixmap(pixmap);
    }
    return icon;
}
