#pragma once

#include <filesystem>
#include <string>

namespace bitloom {

// The text the user reads for a system error number met while opening or using
// path. One place decides it, so every file command words its failures alike.
std::string IoErrorText(int systemError, const std::filesystem::path& path);

// The error number the system gives for a negative file position.
inline constexpr int NegativeSeekError = 131;

} // namespace bitloom
