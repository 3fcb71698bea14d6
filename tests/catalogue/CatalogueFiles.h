#pragma once

#include "platform/Cp1251.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <string_view>

// Catalogue fixtures on disk, written as a Windows catalogue holds them:
// Windows-1251 bytes, CR LF lines.

inline void WriteText(const std::filesystem::path& path, std::string_view utf8)
{
    const std::string bytes = bitloom::Utf8ToCp1251(utf8);
    WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

// A description file with the given lines after "[values]".
inline void WriteDescriptionLines(const std::filesystem::path& path, std::initializer_list<std::string_view> lines)
{
    std::string text = "[values]\r\n";
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    WriteText(path, text);
}

// A picture file with only a Hint.
inline void WritePicture(const std::filesystem::path& path, std::string_view hint)
{
    WriteDescriptionLines(path, {"Hint=" + std::string(hint)});
}
