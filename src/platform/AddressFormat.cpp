#include "platform/AddressFormat.h"

#include <cstdio>

namespace bitloom {

std::string FormatAddress(std::int32_t value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return buf;
}

} // namespace bitloom
