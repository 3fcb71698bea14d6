#include "platform/IniFile.h"

#include "platform/Cp1251.h"
#include "platform/Error.h"
#include "platform/FileReplace.h"
#include "platform/IntConv.h"
#include "platform/Messages.h"

#include <algorithm>

namespace bitloom {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s)
{
    return TrimRight(TrimLeft(s));
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

// What a line of the file is. A "[" without its "]", a line without "=" and a
// ";" comment are none of section or key: they are kept and never matched.
Parsed Classify(std::string_view line)
{
    const std::string_view s = TrimLeft(line);
    if (s.empty() || s.front() == ';')
        return {};
    if (s.front() == '[') {
        const auto close = s.find(']', 1);
        if (close == std::string_view::npos)
            return {};
        return {Kind::Section, Trim(s.substr(1, close - 1)), {}};
    }
    const auto eq = s.find('=');
    if (eq == std::string_view::npos)
        return {};
    return {Kind::Key, TrimRight(s.substr(0, eq)), Trim(s.substr(eq + 1))};
}

// Names are Windows-1251 bytes compared without regard to case.
bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Cp1251ToLower(static_cast<unsigned char>(x)) == Cp1251ToLower(static_cast<unsigned char>(y));
    });
}

std::string_view Unquoted(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string SingleLine(std::string value)
{
    std::replace_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return value;
}

} // namespace

IniFile::IniFile(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto nl = bytes.find('\n', pos);
        const bool last = nl == std::string_view::npos;
        std::string_view text = bytes.substr(pos, last ? std::string_view::npos : nl - pos);
        const bool cr = !text.empty() && text.back() == '\r';
        if (cr)
            text.remove_suffix(1);
        lines_.push_back({std::string(text), last ? (cr ? "\r" : "") : (cr ? "\r\n" : "\n")});
        if (last)
            break;
        pos = nl + 1;
    }
}

IniFile IniFile::Load(const std::filesystem::path& path)
{
    try {
        if (const auto bytes = ReadWholeFile(path))
            return IniFile(*bytes);
    } catch (const Error&) {
        // A settings file that cannot be read gives the defaults, as a missing one does.
    }
    return IniFile();
}

IniFile::Found IniFile::Find(std::string_view section, std::string_view key) const
{
    Found found;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Parsed line = Classify(lines_[i].text);
        if (line.kind == Kind::Section) {
            inSection = SameName(line.name, section);
            inFirstSection = inSection && !found.section;
            if (inFirstSection)
                found.section = i;
        }
        if (inFirstSection && !Trim(lines_[i].text).empty())
            found.sectionEnd = i + 1;
        if (inSection && line.kind == Kind::Key && SameName(line.name, key)) {
            found.key = i;
            break;
        }
    }
    return found;
}

std::optional<std::string> IniFile::ReadString(std::string_view section, std::string_view key) const
{
    const Found found = Find(Utf8ToCp1251(section), Utf8ToCp1251(key));
    if (!found.key)
        return std::nullopt;
    const std::string_view value = Unquoted(Classify(lines_[*found.key].text).value);
    return Cp1251ToUtf8(value.substr(0, MaxIniValueLength));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    const auto text = ReadString(section, key);
    if (!text)
        return fallback;
    return ParseIniInteger(*text).value_or(fallback);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string s = Utf8ToCp1251(section);
    const std::string k = Utf8ToCp1251(key);
    const std::string v = SingleLine(Utf8ToCp1251(value));
    const Found found = Find(s, k);
    if (found.key) {
        // The key keeps the spelling it has in the file.
        Line& line = lines_[*found.key];
        line.text = std::string(Classify(line.text).name) + "=" + v;
    } else if (found.section) {
        InsertLine(found.sectionEnd, k + "=" + v);
    } else {
        InsertLine(lines_.size(), "[" + s + "]");
        InsertLine(lines_.size(), k + "=" + v);
    }
}

void IniFile::InsertLine(std::size_t at, std::string text)
{
    // The line before may be the file's last one, without a line end of its own.
    if (at > 0 && lines_[at - 1].ending != "\n" && lines_[at - 1].ending != "\r\n")
        lines_[at - 1].ending = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), "\r\n"});
}

std::string IniFile::Bytes() const
{
    std::string bytes;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return TryStrToInt("$" + std::string(text.substr(2)));
    return TryStrToInt(text);
}

void WriteIniFile(const std::filesystem::path& path, std::span<const IniEntry> entries)
{
    std::optional<std::string> old;
    try {
        old = ReadWholeFile(path);
    } catch (const Error&) {
        // Writing over a file that could not be read would lose what it holds.
        throw Error(msg::UnableToWrite(path.string()));
    }
    IniFile ini(old.value_or(std::string()));
    for (const IniEntry& entry : entries)
        ini.WriteString(entry.section, entry.key, entry.value);
    ReplaceFileContent(path, ini.Bytes());
}

void WriteIniString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                    std::string_view value)
{
    const IniEntry entry{std::string(section), std::string(key), std::string(value)};
    WriteIniFile(path, std::span(&entry, 1));
}

} // namespace bitloom
