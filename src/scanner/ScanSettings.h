#pragma once

#include <cstdint>
#include <string>

namespace bitloom {

// The scanner's settings, one record beside the viewing state.
struct ScanSettings {
    std::int32_t ScanStart = 0;
    std::int32_t ScanStop = 0;
    std::string ScanWidthText = "024";
    std::int32_t ScanColorMode = 1;
    std::int32_t ScanDirection = 0;
    std::int32_t ScanInterval = 500;
    std::int32_t ScanMethod = 2;
};

} // namespace bitloom
