#pragma once

#include <QFont>

namespace bitloom {

// The windows were laid out for an 8-point sans of about 11 pixels; the nearest
// font present keeps the texts inside their specified places.
inline QFont FormFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

} // namespace bitloom
