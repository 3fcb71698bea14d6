#include "viewer/FlashWindow.h"

#include "platform/Error.h"
#include "platform/FlashFile.h"
#include "platform/Messages.h"
#include "viewer/Geometry.h"

#include <span>

namespace bitloom {

std::int64_t MeasureFlash(const std::filesystem::path& path)
{
    return FlashFile::Open(path).Size();
}

std::int64_t CheckedWindowBytes(const ViewState& state)
{
    const std::int32_t n = WindowLength(state);
    if (n <= 0)
        return 0;
    if (n > MaxWindowBytes)
        throw Error(std::string(msg::WindowTooLarge));
    return n;
}

void GrowWindowBuffer(ViewState& state, std::int64_t count)
{
    if (count > static_cast<std::int64_t>(state.WindowBuffer.size()))
        state.WindowBuffer.resize(static_cast<std::size_t>(count), 0);
}

void ReadWindow(ViewState& state, std::int32_t offset)
{
    const std::int64_t n = CheckedWindowBytes(state);
    const FlashFile file = FlashFile::Open(state.FlashPath);
    GrowWindowBuffer(state, n);
    file.ReadAt(WindowAddress(state, offset), std::span(state.WindowBuffer.data(), static_cast<std::size_t>(n)));
}

void WriteWindow(ViewState& state)
{
    const std::int64_t n = CheckedWindowBytes(state);
    const FlashFile file = FlashFile::Open(state.FlashPath);
    // A geometry applied after the last read may ask for more than was read;
    // those bytes are what the buffer holds, zero where it never held any.
    GrowWindowBuffer(state, n);
    file.WriteInside(WindowAddress(state, state.StepOffset),
                     std::span(state.WindowBuffer.data(), static_cast<std::size_t>(n)));
}

} // namespace bitloom
