#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom {

class Collation;

// One entry of a catalogue menu level.
struct LevelEntry {
    enum class Role {
        Quick,     // ">> В Быстрое": make this folder the quick menu
        Edit,      // "Изменить": open the editor on this folder
        Separator, // the line below the special entry
        Folder,    // a section: a sub-menu filled when it opens
        Picture,   // a description file; its caption is its Hint
    };
    Role role;
    std::filesystem::path path; // the folder itself for Quick and Edit; empty for Separator
    std::string caption;        // UTF-8: a folder's name, a picture's Hint
};

// The names that stand for the special entries. No file is meant to bear
// them; one that does shows as that special entry.
inline constexpr std::string_view QuickMarker = "FFFБыстроееFFF";
inline constexpr std::string_view EditMarker = "FFFИзменитьFFF";
inline constexpr std::string_view SeparatorMarker = "FFF--------FFF";

// The entries of one level of a catalogue menu, from the folder as it is on
// disk now, in menu order: the special entry (Edit when simple, else Quick),
// the separator, the sub-folders, the pictures. Folders whose names begin with
// "." or "-" are no sections. A folder that lists nothing (missing, or
// unreadable) gives no entries at all.
//
// Within each group a name goes before the first name it does not sort after
// (GoesBefore), so equal names stand newest-listed first. Each position is
// found by halving, not by walking the whole group.
std::vector<LevelEntry> BuildLevel(const std::filesystem::path& folder, bool simple, const Collation& collation);

} // namespace bitloom
