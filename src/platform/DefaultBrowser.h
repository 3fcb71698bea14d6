#pragma once

#include <optional>
#include <string>

namespace bitloom {

// The command line the desktop registers for opening web addresses; nothing
// when no browser is registered, empty text when the entry names no command.
// One implementation per platform: the XDG desktop entries on Linux and other
// free desktops, the classes root of the registry on Windows.
std::optional<std::string> DefaultBrowserCommand();

} // namespace bitloom
