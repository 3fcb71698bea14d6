#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom {

// One key to write: section, key and value, all UTF-8.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// The longest value a read returns, in characters; the rest of a longer line is cut off.
inline constexpr std::size_t MaxIniValueLength = 2047;

// A profile (INI) file as the program's settings and description files use it:
// "[section]" lines, then "key=value" lines; ";" starts a comment line.
// Section and key names match without regard to case; blanks around a value
// and one pair of enclosing quotes (" or ') are dropped. The file's bytes are
// Windows-1251; names and values cross this interface as UTF-8.
//
// Every line is kept as it was read, so writing a key changes that key's line
// and nothing else: other sections, comments, blank lines and line ends stay
// byte for byte. New lines end in CR LF.
class IniFile final {
public:
    IniFile() = default;
    // Takes the file's bytes as they are on disk.
    explicit IniFile(std::string_view bytes);

    // Reads the file at path now. A missing or unreadable file reads as empty,
    // so every key gives its default.
    static IniFile Load(const std::filesystem::path& path);

    // The value of the key, or nullopt when the key or its section is absent.
    // A key that is present with nothing after "=" gives "".
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // The value read as an integer (see ParseIniInteger); fallback when the key
    // is absent or its text is empty or no number.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

    // Replaces the key's value where the key stands, appends a missing key to
    // the end of its section, and a missing section to the end of the file.
    // A line break inside the value is written as a blank, so a value can never
    // spill into a line of its own.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes, ready to be stored.
    std::string Bytes() const;

private:
    struct Line {
        std::string text;   // without its line end
        std::string ending; // "\r\n", "\n", "\r" (last line only) or "" (last line only)
    };
    struct Found {
        std::optional<std::size_t> key;     // the line holding the key
        std::optional<std::size_t> section; // the first section of that name
        std::size_t sectionEnd = 0;         // one past that section's last line that is not blank
    };

    Found Find(std::string_view section, std::string_view key) const;
    void InsertLine(std::size_t at, std::string text);

    std::vector<Line> lines_;
};

// A profile integer: a text of more than two characters that begins "0x" or
// "0X" is hexadecimal; anything else goes through the program's integer
// conversion. nullopt for an empty or invalid text.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// Writes the entries, in their order, into the file at path: the file is read
// afresh, changed key by key as IniFile::WriteString does, and replaced in one
// step (a crash never leaves half a file; a failure changes nothing). A missing
// file is created. Any failure, including a file that exists but cannot be
// read, raises "Unable to write to %s" with the path.
void WriteIniFile(const std::filesystem::path& path, std::span<const IniEntry> entries);

// One key, as WriteIniFile.
void WriteIniString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                    std::string_view value);

} // namespace bitloom
