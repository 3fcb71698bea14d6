#include "scanner/ScanRun.h"

#include "platform/IntConv.h"

#include <string>

namespace bitloom {

ScanStep ScanStepFor(std::int32_t direction, std::int32_t method)
{
    static constexpr ScanStep Forward[] = {ScanStep::PicturePairForward, ScanStep::PictureForward,
                                           ScanStep::RowForward, ScanStep::ByteForward};
    static constexpr ScanStep Backward[] = {ScanStep::PicturePairBackward, ScanStep::PictureBackward,
                                            ScanStep::RowBackward, ScanStep::ByteBackward};
    if (method < 0 || method > 3)
        return ScanStep::None;
    if (direction == 0)
        return Forward[method];
    if (direction == 1)
        return Backward[method];
    return ScanStep::None;
}

bool ScanMayContinue(std::int32_t scanAddress, const ScanSettings& settings)
{
    if (settings.ScanDirection == 0)
        return scanAddress < settings.ScanStop;
    if (settings.ScanDirection == 1)
        return scanAddress > settings.ScanStart;
    return false;
}

std::optional<std::int32_t> ScanStartOffset(const ScanSettings& settings)
{
    if (settings.ScanDirection == 0)
        return settings.ScanStart;
    if (settings.ScanDirection == 1)
        return settings.ScanStop;
    return std::nullopt;
}

std::int32_t ScanAddressFromLabel(std::string_view labelText)
{
    return StrToInt("0x" + std::string(labelText));
}

} // namespace bitloom
