#include "viewer/ImageView.h"

#include <QPainter>

namespace bitloom {

ImageView::ImageView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageView::SetPicture(QImage picture)
{
    picture_ = std::move(picture);
    update();
}

void ImageView::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (stretch_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace bitloom
