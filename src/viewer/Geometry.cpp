#include "viewer/Geometry.h"

#include "platform/IntConv.h"

namespace bitloom {

std::int32_t WindowLength(const ViewState& state)
{
    return Wrap32(static_cast<std::int64_t>(state.RowBits) * state.RowCount);
}

std::int32_t WindowAddress(const ViewState& state, std::int32_t offset)
{
    return Wrap32(static_cast<std::int64_t>(state.BaseOffset) + offset);
}

void ApplySizesTo(ViewState& state, const SizeTexts& texts)
{
    state.RowBits = StrToInt(texts.imageWidth);
    state.PictureBits = StrToInt(texts.pictureWidth);
    if (state.ColorMode == FourColours || state.ColorMode == GreyScale) {
        state.RowBits = Wrap32(2LL * state.RowBits);
        state.PictureBits = Wrap32(2LL * state.PictureBits);
    }
    state.RowCount = StrToInt(texts.imageHeight);
}

} // namespace bitloom
