#pragma once

#include "viewer/ViewState.h"

#include <string_view>

namespace bitloom {

// The three size texts of the main window, as typed.
struct SizeTexts {
    std::string_view imageWidth;   // Edit1
    std::string_view pictureWidth; // Edit3
    std::string_view imageHeight;  // Edit2
};

// Takes the geometry from the size texts into state, doubling the widths into
// bits in the two 2 bpp modes. A text that is not a number raises the
// conversion error; the fields assigned before it keep their new values.
void ApplySizesTo(ViewState& state, const SizeTexts& texts);

} // namespace bitloom
