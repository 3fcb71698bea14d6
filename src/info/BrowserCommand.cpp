#include "info/BrowserCommand.h"

namespace bitloom {

std::string CutToProgram(std::string_view commandLine)
{
    const std::size_t firstQuote = commandLine.find('"');
    if (firstQuote == std::string_view::npos)
        return std::string(commandLine);
    if (firstQuote == 0) {
        const std::size_t secondQuote = commandLine.find('"', 1);
        if (secondQuote == std::string_view::npos)
            return std::string(commandLine);
        return std::string(commandLine.substr(0, secondQuote + 1));
    }
    return std::string(commandLine.substr(0, firstQuote));
}

std::string DefaultBrowserPathFrom(const std::optional<std::string>& registeredCommand)
{
    if (!registeredCommand)
        return std::string(UnknownBrowser);
    return CutToProgram(*registeredCommand);
}

} // namespace bitloom
