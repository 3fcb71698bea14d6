#pragma once

#include "viewer/Decoder.h"

#include <QImage>

namespace bitloom {

// The one place where colour values (0x00BBGGRR) meet Qt's colours.
QRgb ToQRgb(ColourValue colour);
ColourValue FromQRgb(QRgb rgb);

QImage ToImage(const Preview& preview);

} // namespace bitloom
