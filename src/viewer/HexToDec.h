#pragma once

#include <string>
#include <string_view>

namespace bitloom {

// The address dialog's own reading of a typed address: plain hexadecimal digits
// of either case, no prefix, sign or blank. Gives the decimal text of the value
// taken as a signed 32-bit number, or "error". Digits left of the eighth add
// nothing but must still be digits; an empty text gives "0".
std::string HexToDecText(std::string_view text);

} // namespace bitloom
