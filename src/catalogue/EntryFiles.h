#pragma once

#include <filesystem>
#include <string_view>

namespace bitloom {

// Changes to the entries of a catalogue folder that never replace an entry
// already there: other users' pictures and folders are not overwritten by a
// name that happens to be taken. One implementation file per operating system.

// Gives the file or folder from the name to. Nothing is replaced: when an entry
// named to exists (a dangling link included), or anything else fails, nothing
// changes and the answer is false. A link is renamed, not what it points to.
bool RenameEntry(const std::filesystem::path& from, const std::filesystem::path& to);

// Creates the file with exactly these bytes. The bytes are written to a hidden
// file of the folder first and only then put under the name, so the name never
// shows half a file, not even after a crash. false when an entry of that name
// exists already (nothing changes then); other failures raise the file error of
// the name ("File access denied", "Invalid filename", "Disk full", ...).
bool CreateNewFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace bitloom
