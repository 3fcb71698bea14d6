#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom {

class Collation;

// The catalogue editor's rows: one per sub-folder and picture file of the
// folder it edits, folders first, each group in the order of the names on disk.

// What a row shows where a folder has no value.
inline constexpr std::string_view NotAvailable = "<not available>";

enum class RowKind { Folder, Picture };

// The kind as the editor names it: "dir" or "fil".
std::string_view KindText(RowKind kind);

struct EditorRow {
    RowKind kind = RowKind::Picture;
    std::string name; // the entry's name on disk, in the file system's own bytes
    std::string text; // what the list shows: a folder's name, a picture's Hint (UTF-8)
    // The six values of a picture, as read; NotAvailable for a folder.
    std::string hint;
    std::string offset;
    std::string bpp;
    std::string width;
    std::string width1;
    std::string height;
};

struct RowTable {
    std::vector<EditorRow> rows;
    std::size_t folderCount = 0;
};

// Adds a row for every sub-folder of folder whose name does not begin with
// ".". Each goes before the first row whose name does not sort before it.
void ListFolders(RowTable& table, const std::filesystem::path& folder, const Collation& collation);

// Adds a row for every file of folder, its values read from it with the
// editor's defaults. Each goes before the first picture row whose name does
// not sort before the file's name less its extension.
void ListPictures(RowTable& table, const std::filesystem::path& folder, const Collation& collation);

// The first row of that name (exact bytes) and kind.
std::optional<std::size_t> FindRow(const RowTable& table, std::string_view name, RowKind kind);

// The extension of a name: from its last "." to its end, or nothing.
std::string_view Extension(std::string_view name);
// The name less its extension.
std::string_view WithoutExtension(std::string_view name);

// The text the name box shows for a row: its name, as the user reads it, less
// its extension.
std::string NameBoxText(const EditorRow& row);

} // namespace bitloom
