#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom {

// One entry of a folder listing, with the attributes the catalogue asks about.
struct FolderEntry {
    std::string Name; // the file system's own name, not decoded
    bool IsFolder = false;
    bool Archive = false; // set on every file; folders never carry it
};

// A folder held open while it is listed and the small files in it are read,
// so that each file is found by its name alone. Not copyable; closed when it goes.
class FolderReader final {
public:
    // A folder that does not exist or cannot be read lists nothing.
    explicit FolderReader(const std::filesystem::path& folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    // The entries, as ListFolder gives them.
    std::vector<FolderEntry> List() const;

    // The whole content of the file of that name in the folder; empty when it
    // cannot be opened or read.
    std::string ReadFile(const std::string& name) const;

private:
    int handle_ = -1;
};

// Lists a folder as the catalogue sees it: hidden and system entries are never
// returned, and "." and ".." come first for every folder that exists, so that
// an empty folder lists something and a missing one (or one that cannot be
// read) lists nothing. Symbolic links are listed as what they point to; a link
// that points nowhere, and anything that is neither file nor folder, is left out.
// The order after "." and ".." is the file system's own.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

// A file name as the user reads it, in UTF-8. Names that are not UTF-8 came
// from a Windows catalogue and are read as Windows-1251.
std::string DisplayName(std::string_view name);

} // namespace bitloom
