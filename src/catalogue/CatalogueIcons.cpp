#include "catalogue/CatalogueIcons.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

namespace {

const QColor Outline(64, 64, 64);

QIcon Drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    draw(p);
    return QIcon(pixmap);
}

void Folder(QPainter& p)
{
    const QColor brown(176, 112, 40);
    const QColor light(224, 168, 88);
    p.setPen(QColor(96, 56, 16));
    p.setBrush(brown);
    p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(6, 3), QPoint(7, 5), QPoint(14, 5), QPoint(14, 13), QPoint(1, 13)}));
    p.setBrush(light);
    p.drawRect(1, 6, 13, 7);
}

void Page(QPainter& p)
{
    p.setPen(Outline);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void PictureOnPage(QPainter& p)
{
    Page(p);
    p.setPen(Qt::NoPen);
    p.fillRect(5, 6, 7, 6, QColor(128, 192, 255)); // sky
    p.setBrush(QColor(32, 144, 48));                // a hill
    p.drawPolygon(QPolygon({QPoint(5, 12), QPoint(8, 8), QPoint(12, 12)}));
    p.fillRect(10, 7, 1, 1, QColor(255, 208, 0)); // the sun
}

void TextOnPage(QPainter& p)
{
    Page(p);
    p.setPen(QColor(0, 0, 128));
    for (int y = 5; y <= 12; y += 2)
        p.drawLine(5, y, y == 5 ? 8 : 11, y);
}

void Bars(QPainter& p)
{
    const QColor blue(32, 80, 208);
    p.setPen(QColor(16, 40, 120));
    p.setBrush(blue);
    p.drawRect(1, 2, 9, 3);
    p.drawRect(5, 7, 9, 3);
    p.drawRect(1, 12, 9, 3);
}

} // namespace

QList<QIcon> CatalogueImageList()
{
    return {Drawn(Folder), Drawn(PictureOnPage), Drawn(TextOnPage), Drawn(Bars)};
}
