#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom {

// Where a free desktop keeps its settings and its application entries, in the
// order they are searched.
struct XdgDirs {
    std::filesystem::path configHome;
    std::vector<std::filesystem::path> configDirs;
    std::filesystem::path dataHome;
    std::vector<std::filesystem::path> dataDirs;
    // The names in XDG_CURRENT_DESKTOP, lower case; their own lists come first.
    std::vector<std::string> desktops;
};

XdgDirs XdgDirsFromEnvironment();

// The command line of the default handler of http addresses: the first
// installed entry named for "x-scheme-handler/http" in the mimeapps.list
// files, searched in their order of precedence.
std::optional<std::string> XdgDefaultBrowserCommand(const XdgDirs& dirs);

// An entry's Exec line as a command line of its own: the field codes that
// stand for the address, files or icon are dropped (an argument made of them
// alone goes with them) and "%%" becomes "%"; quoting is kept as written.
std::string CommandLineFromExec(std::string_view exec);

} // namespace bitloom
