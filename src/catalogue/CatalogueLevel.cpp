#include "catalogue/CatalogueLevel.h"

#include "catalogue/Collation.h"
#include "catalogue/FolderListing.h"
#include "catalogue/PictureDescription.h"

#include <algorithm>
#include <cstdint>

namespace bitloom {

namespace {

// A group of entries kept in order as they are added one by one.
class OrderedGroup final {
public:
    explicit OrderedGroup(const Collation& collation) : collation_(collation) {}

    void Add(LevelEntry entry, std::u16string name)
    {
        OrderKey key(std::move(name));
        // The entries in place are in order, so the first one the newcomer goes
        // before is found by halving; what comes before it is all entries it
        // goes after.
        const auto at = std::partition_point(order_.begin(), order_.end(), [&](std::uint32_t i) {
            return !GoesBefore(collation_, key, keys_[i]);
        });
        order_.insert(at, static_cast<std::uint32_t>(entries_.size()));
        entries_.push_back(std::move(entry));
        keys_.push_back(std::move(key));
    }

    void AppendTo(std::vector<LevelEntry>& level)
    {
        for (std::uint32_t i : order_)
            level.push_back(std::move(entries_[i]));
    }

private:
    const Collation& collation_;
    std::vector<LevelEntry> entries_;
    std::vector<OrderKey> keys_;
    std::vector<std::uint32_t> order_; // indexes into entries_, in menu order; small, so moving them is cheap
};

// The folder path as the special entries hold it: without a trailing separator.
std::filesystem::path WithoutTrailingSeparator(const std::filesystem::path& folder)
{
    return folder.has_filename() || !folder.has_relative_path() ? folder : folder.parent_path();
}

} // namespace

std::vector<LevelEntry> BuildLevel(const std::filesystem::path& folder, bool simple, const Collation& collation)
{
    const FolderReader reader(folder);
    const std::vector<FolderEntry> listing = reader.List();
    if (listing.empty())
        return {};

    const std::filesystem::path self = WithoutTrailingSeparator(folder);
    const LevelEntry quick{LevelEntry::Role::Quick, self, ">> В Быстрое"};
    const LevelEntry edit{LevelEntry::Role::Edit, self, "Изменить"};
    const LevelEntry separator{LevelEntry::Role::Separator, {}, "-"};

    // The entries above the sections: the special entry and its separator,
    // and whatever a file bearing a marker name puts there (special entries
    // on top, separators below the first line).
    std::vector<LevelEntry> top{simple ? edit : quick, separator};
    OrderedGroup folders(collation);
    OrderedGroup pictures(collation);

    for (const FolderEntry& entry : listing) {
        if (entry.IsFolder) {
            if (entry.Name.starts_with('.') || entry.Name.starts_with('-'))
                continue;
            std::string caption = DisplayName(entry.Name);
            std::u16string key = Utf16(caption);
            folders.Add({LevelEntry::Role::Folder, self / entry.Name, std::move(caption)}, std::move(key));
        } else if (entry.Archive) {
            std::string name = DisplayName(entry.Name);
            if (name == SeparatorMarker) {
                top.insert(top.begin() + 1, separator);
            } else if (name == QuickMarker) {
                top.insert(top.begin(), quick);
            } else if (name == EditMarker) {
                top.insert(top.begin(), edit);
            } else {
                pictures.Add({LevelEntry::Role::Picture, self / entry.Name, MenuCaptionOf(reader.ReadFile(entry.Name))},
                             Utf16(name));
            }
        }
    }

    std::vector<LevelEntry> level = std::move(top);
    folders.AppendTo(level);
    pictures.AppendTo(level);
    return level;
}

} // namespace bitloom
