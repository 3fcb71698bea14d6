#pragma once

#include <cstdint>
#include <string>

namespace bitloom {

// Upper-case hexadecimal, at least six digits, no prefix; a negative value shows
// as the eight digits of its two's complement. The address label, the window
// title and the stored scan addresses all use it.
std::string FormatAddress(std::int32_t value);

} // namespace bitloom
