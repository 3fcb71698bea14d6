#pragma once

#include "viewer/ViewState.h"

#include <filesystem>

namespace bitloom {

// The dump's size in bytes; the file must open for reading and writing.
std::int64_t MeasureFlash(const std::filesystem::path& path);

// The number of window bytes the geometry asks for (0 when the product is not
// positive). Raises "Picture window too large" for a window the program will
// not hold, before anything changes.
std::int64_t CheckedWindowBytes(const ViewState& state);

// Makes sure the buffer holds at least count bytes; new bytes are zero.
void GrowWindowBuffer(ViewState& state, std::int64_t count);

// Reads the window at BaseOffset + offset into WindowBuffer. On a failed read
// the bytes got before it are already in the buffer's first places.
void ReadWindow(ViewState& state, std::int32_t offset);

// Writes the window back at BaseOffset + StepOffset. The window must lie wholly
// inside the dump; nothing is written otherwise.
void WriteWindow(ViewState& state);

} // namespace bitloom
