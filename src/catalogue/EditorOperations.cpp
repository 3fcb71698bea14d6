#include "catalogue/EditorOperations.h"

#include "catalogue/EntryFiles.h"
#include "catalogue/FolderListing.h"
#include "catalogue/PictureDescription.h"
#include "platform/Error.h"
#include "platform/Messages.h"

#include <algorithm>
#include <system_error>

namespace bitloom {

namespace {

bool EntryExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

bool IsLink(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec));
}

bool IsFolderItself(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, ec));
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::string SavedName(const EditorRow& row, std::string_view typedName)
{
    const std::string shown = DisplayName(row.name);
    std::string name(typedName);
    name += Extension(shown);
    return name == shown ? row.name : name;
}

bool IsEntryName(std::string_view name)
{
    return !name.empty() && !name.starts_with('.') &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::string RenameFolderRow(const std::filesystem::path& folder, const EditorRow& row, const std::string& name)
{
    if (name != row.name && IsEntryName(name) && RenameEntry(folder / row.name, folder / name))
        return name;
    return row.name;
}

std::string WriteEntry(const std::filesystem::path& folder, const EditorRow& row, const std::string& name,
                       const DescriptionTexts& values)
{
    std::string target = row.name;
    if (name != row.name && IsEntryName(name)) {
        // Writing into another entry would overwrite someone else's picture.
        if (EntryExists(folder / name))
            throw Error(std::string(msg::FileAlreadyExists));
        // A file gone since the listing is written afresh under the name chosen.
        if (RenameEntry(folder / row.name, folder / name) || !EntryExists(folder / row.name))
            target = name;
    }
    DescriptionTexts stored = values;
    stored.Hint = StoredHint(values.Hint);
    WriteDescription(folder / target, stored);
    return target;
}

std::string StoredHint(std::string_view hint)
{
    // The file holds one line per key: a line break is stored as a blank.
    std::string text(hint);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string_view read = text;
    while (!read.empty() && IsBlank(read.front()))
        read.remove_prefix(1);
    while (!read.empty() && IsBlank(read.back()))
        read.remove_suffix(1);
    if (read.size() >= 2 && (read.front() == '"' || read.front() == '\'') && read.back() == read.front())
        read = read.substr(1, read.size() - 2);
    return read == text ? text : "\"" + text + "\"";
}

void DeleteFolderTree(const std::filesystem::path& path)
{
    std::error_code ec;
    if (IsLink(path)) {
        std::filesystem::remove(path, ec);
        return;
    }
    for (const FolderEntry& entry : ListFolder(path)) {
        const std::filesystem::path item = path / entry.Name;
        if (entry.IsFolder) {
            if (entry.Name.starts_with('.'))
                continue;
            // Removing fails for a folder that is not empty: then its content goes first.
            if (IsLink(item) || !std::filesystem::remove(item, ec))
                DeleteFolderTree(item);
        } else if (entry.Archive && !IsFolderItself(item)) {
            std::filesystem::remove(item, ec);
        }
    }
    std::filesystem::remove(path, ec);
}

void DeleteRowEntry(const std::filesystem::path& folder, const EditorRow& row)
{
    const std::filesystem::path entry = folder / row.name;
    if (row.kind == RowKind::Folder) {
        DeleteFolderTree(entry);
    } else if (EntryExists(entry) && !IsFolderItself(entry)) {
        std::error_code ec;
        std::filesystem::remove(entry, ec);
    }
}

std::string DeleteQuestion(std::string_view rowText)
{
    std::string question = "Удаление \"";
    question += rowText;
    question += "\".  Подтверждаете?";
    return question;
}

} // namespace bitloom
