#pragma once

#include <QIcon>
#include <QPixmap>

// The small pictures of the main window, drawn rather than shipped, so that
// they stay crisp and need no image files.
QIcon ProgramIcon();
QIcon ColourModeGlyph(int colorMode);
QPixmap BentArrowPicture();
