#pragma once

#include "scanner/ScanSettings.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace bitloom {

// The decisions of a scan run; the main window carries them out with its own
// step commands.

// The step command one tick runs, by direction and method.
enum class ScanStep {
    None,
    PicturePairForward,  // "X*Y*2 +"
    PicturePairBackward, // "X*Y*2 -"
    PictureForward,      // "X*Y +"
    PictureBackward,     // "X*Y -"
    RowForward,          // "X +"
    RowBackward,         // "X -"
    ByteForward,         // "8 +"
    ByteBackward,        // "8 -"
};

// None for a method outside 0 to 3 or a direction other than 0 and 1: the
// offset then does not move on that tick.
ScanStep ScanStepFor(std::int32_t direction, std::int32_t method);

// Whether the run takes another step from scanAddress: forward while below
// ScanStop, backward while above ScanStart, never for any other direction.
bool ScanMayContinue(std::int32_t scanAddress, const ScanSettings& settings);

// The BaseOffset a run starts from; nullopt when the direction leaves it as it is.
std::optional<std::int32_t> ScanStartOffset(const ScanSettings& settings);

// The offset on show, read back from the address label's hexadecimal digits.
// Raises the conversion error for a text that is not one.
std::int32_t ScanAddressFromLabel(std::string_view labelText);

} // namespace bitloom
