#pragma once

#include "catalogue/EditorRows.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace bitloom {

struct DescriptionTexts;

// What the catalogue editor's buttons do to the folder on disk. Renames and
// removals that fail do so silently: the editor lists the folder again and
// shows what is really there.

// The name a row is saved under: the typed name followed by the extension of
// the row's name, which the name box does not show. A name the user did not
// change is the row's name on disk, in whatever encoding it has there.
std::string SavedName(const EditorRow& row, std::string_view typedName);

// Whether a name may be given to an entry of the folder: not empty, no path
// separator of either system, and not beginning with "." (that would hide the
// entry from the catalogue, "." and ".." included).
bool IsEntryName(std::string_view name);

// Save of a folder row: renames the folder to name (see SavedName), never
// over another entry. Returns the folder's name on disk afterwards.
std::string RenameFolderRow(const std::filesystem::path& folder, const EditorRow& row, const std::string& name);

// Save of a picture row: renames its file to name (see SavedName) and writes
// the six values into it. A name that another entry has already is refused
// with "File already exists" before anything changes. When the rename fails
// otherwise, the values go into the file under its old name. Returns the
// file's name on disk afterwards.
std::string WriteEntry(const std::filesystem::path& folder, const EditorRow& row, const std::string& name,
                       const DescriptionTexts& values);

// A Hint as the file must hold it to read back as typed: blanks at its ends
// and a pair of enclosing quotes would be taken off by the reader, so such a
// text is written inside one more pair of double quotes.
std::string StoredHint(std::string_view hint);

// Removes a folder with every entry the listing shows in it, sub-folders
// included. A symbolic link is removed itself; what it points to is never
// touched. Hidden entries stay, and with them the folders that hold them.
void DeleteFolderTree(const std::filesystem::path& path);

// Delete of a row: a folder with its tree; a picture's file if it still is one.
void DeleteRowEntry(const std::filesystem::path& folder, const EditorRow& row);

// The question asked before a row is deleted.
std::string DeleteQuestion(std::string_view rowText);

} // namespace bitloom
