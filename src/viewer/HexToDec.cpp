#include "viewer/HexToDec.h"

#include <cstdint>

namespace bitloom {

std::string HexToDecText(std::string_view text)
{
    std::uint32_t value = 0;
    std::uint32_t weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const char c = *it;
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else
            return "error";
        // Both wrap in 32 bits: past the eighth digit the weight is 0.
        value += digit * weight;
        weight *= 16;
    }
    return std::to_string(static_cast<std::int32_t>(value));
}

} // namespace bitloom
