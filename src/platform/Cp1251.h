#pragma once

#include <string>
#include <string_view>

namespace bitloom {

// Windows-1251, the 8-bit code page of the description files and FFscan.ini.
// The core works in UTF-8; these two convert at the edge where such a file is
// read or written.

// Every byte has a character (0x98, unassigned, stands for U+0098), so any file
// decodes and encodes back to the same bytes.
std::string Cp1251ToUtf8(std::string_view bytes);

// A character the code page lacks, and any byte that is not part of valid
// UTF-8, becomes "?".
std::string Utf8ToCp1251(std::string_view text);

// The lower-case partner of a Windows-1251 byte (Latin and Cyrillic letters);
// other bytes are returned unchanged. Profile names compare through it.
unsigned char Cp1251ToLower(unsigned char byte);

} // namespace bitloom
