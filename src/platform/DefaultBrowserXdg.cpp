#include "platform/DefaultBrowserXdg.h"

#include "platform/DefaultBrowser.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>

namespace bitloom {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view HttpHandlerKey = "x-scheme-handler/http";

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// A relative or empty path in these variables is invalid and means "use the default".
fs::path DirFromEnvironment(const char* name, const fs::path& fallback)
{
    const fs::path value = Environment(name);
    return value.is_absolute() ? value : fallback;
}

std::vector<fs::path> DirListFromEnvironment(const char* name, std::string_view fallback)
{
    std::string text = Environment(name);
    if (text.empty())
        text = fallback;
    std::vector<fs::path> dirs;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t colon = std::min(text.find(':', start), text.size());
        const fs::path dir = text.substr(start, colon - start);
        if (dir.is_absolute())
            dirs.push_back(dir);
        start = colon + 1;
    }
    return dirs;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The keys of one group of a desktop-entry style file; nothing when the file
// cannot be read.
std::optional<std::map<std::string, std::string, std::less<>>> ReadGroup(const fs::path& path,
                                                                         std::string_view group)
{
    std::ifstream in(path);
    if (!in)
        return std::nullopt;
    std::map<std::string, std::string, std::less<>> keys;
    bool inGroup = false;
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = Trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        if (text.front() == '[') {
            inGroup = text == "[" + std::string(group) + "]";
            continue;
        }
        const std::size_t equals = text.find('=');
        if (!inGroup || equals == std::string_view::npos)
            continue;
        // The first occurrence of a key counts.
        keys.emplace(std::string(Trimmed(text.substr(0, equals))), std::string(Trimmed(text.substr(equals + 1))));
    }
    return keys;
}

// The escapes every string value of a desktop entry may carry.
std::string Unescaped(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default:
            out += '\\';
            out += value[i];
        }
    }
    return out;
}

std::vector<fs::path> MimeappsLists(const XdgDirs& dirs)
{
    std::vector<fs::path> lists;
    const auto addFrom = [&](const fs::path& dir) {
        if (dir.empty())
            return;
        for (const std::string& desktop : dirs.desktops)
            lists.push_back(dir / (desktop + "-mimeapps.list"));
        lists.push_back(dir / "mimeapps.list");
    };
    addFrom(dirs.configHome);
    for (const fs::path& dir : dirs.configDirs)
        addFrom(dir);
    addFrom(dirs.dataHome.empty() ? fs::path() : dirs.dataHome / "applications");
    for (const fs::path& dir : dirs.dataDirs)
        addFrom(dir / "applications");
    return lists;
}

std::optional<fs::path> FindDesktopEntry(const XdgDirs& dirs, std::string_view id)
{
    // An id is a plain file name; anything that could leave the folder is no id.
    if (id.empty() || id.find('/') != std::string_view::npos || id == "." || id == "..")
        return std::nullopt;
    std::vector<fs::path> roots;
    if (!dirs.dataHome.empty())
        roots.push_back(dirs.dataHome);
    roots.insert(roots.end(), dirs.dataDirs.begin(), dirs.dataDirs.end());
    for (const fs::path& root : roots) {
        const fs::path candidate = root / "applications" / fs::path(std::string(id));
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec))
            return candidate;
    }
    return std::nullopt;
}

bool IsFieldCode(char code)
{
    return std::string_view("fFuUdDnNickvm").find(code) != std::string_view::npos;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

XdgDirs XdgDirsFromEnvironment()
{
    XdgDirs dirs;
    const fs::path home = Environment("HOME");
    const bool haveHome = home.is_absolute();
    dirs.configHome = DirFromEnvironment("XDG_CONFIG_HOME", haveHome ? home / ".config" : fs::path());
    dirs.configDirs = DirListFromEnvironment("XDG_CONFIG_DIRS", "/etc/xdg");
    dirs.dataHome = DirFromEnvironment("XDG_DATA_HOME", haveHome ? home / ".local" / "share" : fs::path());
    dirs.dataDirs = DirListFromEnvironment("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const std::string desktops = Environment("XDG_CURRENT_DESKTOP");
    std::size_t start = 0;
    while (start < desktops.size()) {
        const std::size_t colon = std::min(desktops.find(':', start), desktops.size());
        std::string name = desktops.substr(start, colon - start);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!name.empty())
            dirs.desktops.push_back(name);
        start = colon + 1;
    }
    return dirs;
}

std::optional<std::string> XdgDefaultBrowserCommand(const XdgDirs& dirs)
{
    for (const fs::path& list : MimeappsLists(dirs)) {
        const auto defaults = ReadGroup(list, "Default Applications");
        if (!defaults)
            continue;
        const auto handlers = defaults->find(HttpHandlerKey);
        if (handlers == defaults->end())
            continue;
        // The first installed entry of the list wins; an entry that is not
        // installed hands over to the next one, and then to the next file.
        std::string_view ids = handlers->second;
        while (!ids.empty()) {
            const std::size_t semicolon = std::min(ids.find(';'), ids.size());
            const std::string_view id = Trimmed(ids.substr(0, semicolon));
            ids.remove_prefix(std::min(semicolon + 1, ids.size()));
            const auto entry = FindDesktopEntry(dirs, id);
            if (!entry)
                continue;
            const auto keys = ReadGroup(*entry, "Desktop Entry");
            if (!keys)
                continue;
            const auto exec = keys->find("Exec");
            return exec == keys->end() ? std::string() : CommandLineFromExec(Unescaped(exec->second));
        }
    }
    return std::nullopt;
}

std::string CommandLineFromExec(std::string_view exec)
{
    std::string commandLine;
    std::size_t i = 0;
    while (i < exec.size()) {
        while (i < exec.size() && IsBlank(exec[i]))
            ++i;
        if (i == exec.size())
            break;
        std::string argument;
        bool quoted = false;
        bool hadFieldCode = false;
        while (i < exec.size() && (quoted || !IsBlank(exec[i]))) {
            const char c = exec[i];
            if (quoted && c == '\\' && i + 1 < exec.size()) {
                argument.append(exec.substr(i, 2));
                i += 2;
            } else if (c == '%' && i + 1 < exec.size() && (exec[i + 1] == '%' || IsFieldCode(exec[i + 1]))) {
                if (exec[i + 1] == '%')
                    argument += '%';
                else
                    hadFieldCode = true;
                i += 2;
            } else {
                if (c == '"')
                    quoted = !quoted;
                argument += c;
                ++i;
            }
        }
        if (hadFieldCode && (argument.empty() || argument == "\"\""))
            continue;
        if (!commandLine.empty())
            commandLine += ' ';
        commandLine += argument;
    }
    return commandLine;
}

std::optional<std::string> DefaultBrowserCommand()
{
    return XdgDefaultBrowserCommand(XdgDirsFromEnvironment());
}

} // namespace bitloom
