#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bitloom {

// What DefaultBrowserPath holds when the desktop names no browser.
inline constexpr std::string_view UnknownBrowser = "unknown";

// Cuts a registered browser command line down to the program it starts: a
// leading quoted path is kept with its quotes; an unquoted program is kept up
// to the first double quote (a blank before it stays); a line without quotes,
// or with a lone leading quote, is kept whole.
std::string CutToProgram(std::string_view commandLine);

// DefaultBrowserPath from what the desktop registers: "unknown" when nothing
// is registered, otherwise the registered command cut down to its program
// (empty when the entry exists but names no command).
std::string DefaultBrowserPathFrom(const std::optional<std::string>& registeredCommand);

} // namespace bitloom
