#include "catalogue/EditorRows.h"

#include "catalogue/Collation.h"
#include "catalogue/FolderListing.h"
#include "catalogue/PictureDescription.h"

namespace bitloom {

namespace {

// The names of the rows in the form the comparison takes, as the user reads
// them, kept beside the table while rows are added so that each is made once.
class SortKeys final {
public:
    explicit SortKeys(const RowTable& table)
    {
        keys_.reserve(table.rows.size());
        for (const EditorRow& row : table.rows)
            keys_.push_back(Utf16(DisplayName(row.name)));
    }

    // The first row from first on whose name compares greater than or equal
    // to key, or the end.
    std::size_t InsertionRow(std::size_t first, std::u16string_view key, const Collation& collation) const
    {
        for (std::size_t i = first; i < keys_.size(); ++i)
            if (collation.Compare(keys_[i], key) >= 0)
                return i;
        return keys_.size();
    }

    void Insert(RowTable& table, std::size_t at, EditorRow row)
    {
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(at), Utf16(DisplayName(row.name)));
        table.rows.insert(table.rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    }

private:
    std::vector<std::u16string> keys_;
};

} // namespace

std::string_view KindText(RowKind kind)
{
    return kind == RowKind::Folder ? "dir" : "fil";
}

void ListFolders(RowTable& table, const std::filesystem::path& folder, const Collation& collation)
{
    SortKeys keys(table);
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (!entry.IsFolder || entry.Name.starts_with('.'))
            continue;
        std::string shown = DisplayName(entry.Name);
        const std::size_t at = keys.InsertionRow(0, Utf16(shown), collation);
        const std::string na(NotAvailable);
        keys.Insert(table, at, {RowKind::Folder, entry.Name, std::move(shown), na, na, na, na, na, na});
        ++table.folderCount;
    }
}

void ListPictures(RowTable& table, const std::filesystem::path& folder, const Collation& collation)
{
    SortKeys keys(table);
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (entry.IsFolder || !entry.Archive)
            continue;
        const std::u16string base(Utf16(WithoutExtension(DisplayName(entry.Name))));
        const std::size_t at = keys.InsertionRow(table.folderCount, base, collation);
        DescriptionTexts values = ReadDescriptionTexts(folder / entry.Name);
        keys.Insert(table, at,
                    {RowKind::Picture, entry.Name, values.Hint, values.Hint, std::move(values.Offs),
                     std::move(values.Bppc), std::move(values.Width), std::move(values.WidthImage),
                     std::move(values.Height)});
    }
}

std::optional<std::size_t> FindRow(const RowTable& table, std::string_view name, RowKind kind)
{
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        if (table.rows[i].kind == kind && table.rows[i].name == name)
            return i;
    return std::nullopt;
}

std::string_view Extension(std::string_view name)
{
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string_view WithoutExtension(std::string_view name)
{
    return name.substr(0, name.size() - Extension(name).size());
}

std::string NameBoxText(const EditorRow& row)
{
    return std::string(WithoutExtension(DisplayName(row.name)));
}

} // namespace bitloom
