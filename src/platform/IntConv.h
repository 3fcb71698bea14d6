#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace bitloom {

// The program's one text-to-integer rule: optional leading blanks, then either
// a signed decimal within 32 bits, or "$", "x", "X", "0x", "0X" and up to 32 bits
// of hexadecimal taken as signed. Nothing may follow the digits.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, raising "'%s' is not a valid integer value" on failure.
std::int32_t StrToInt(std::string_view text);

// 32-bit two's complement wrap of a wider intermediate; the program's products
// and sums are 32-bit and wrap, and C++ must not overflow a signed int to get there.
constexpr std::int32_t Wrap32(std::int64_t v)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

} // namespace bitloom
