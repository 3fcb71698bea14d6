#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace bitloom {

enum ColorModeValue : std::int32_t { Mono = 1, FourColours = 2, GreyScale = 3 };

// The window buffer's first size. It grows for larger geometries, up to
// MaxWindowBytes; the decoder reads bytes beyond its end as zero, which is what
// an untouched buffer holds.
inline constexpr std::size_t InitialWindowBytes = 262168;
inline constexpr std::int64_t MaxWindowBytes = 64LL * 1024 * 1024;

// The main window's viewing state: one for the whole run, touched only by the
// user-interface thread.
struct ViewState {
    std::filesystem::path StartDir;
    std::filesystem::path FlashPath;
    std::int64_t FlashSize = 0;
    std::int32_t ColorMode = 1;
    std::int32_t RowBits = 0;
    std::int32_t PictureBits = 0;
    std::int32_t RowCount = 0;
    std::int32_t BaseOffset = 0;
    std::int32_t StepOffset = 0;
    std::vector<std::uint8_t> WindowBuffer = std::vector<std::uint8_t>(InitialWindowBytes, 0);
};

// RowBits x RowCount as the 32-bit product the window length is taken from.
std::int32_t WindowLength(const ViewState& state);

// BaseOffset + offset, wrapped to 32 bits: the address the label shows.
std::int32_t WindowAddress(const ViewState& state, std::int32_t offset);

} // namespace bitloom
