// Folder listing on POSIX systems. There are no attributes here: a name that
// begins with "." is hidden, every regular file counts as archived, nothing is
// a system file.

#include "catalogue/FolderListing.h"

#include "platform/Cp1251.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace bitloom {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

enum class Kind { Folder, File, Other };

Kind KindOf(int folder, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return Kind::Folder;
    case DT_REG:
        return Kind::File;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return Kind::Other;
    }
    // A link counts as what it points to; a loop or a dangling link fails here.
    struct stat info {};
    if (::fstatat(folder, entry.d_name, &info, 0) != 0)
        return Kind::Other;
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    if (S_ISREG(info.st_mode))
        return Kind::File;
    return Kind::Other;
}

// Whether bytes are well-formed UTF-8: no stray continuation byte, no overlong
// form, no surrogate, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, c = b & 0x1Fu, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, c = b & 0x0Fu, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, c = b & 0x07u, least = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= bytes.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3Fu);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

std::string DisplayName(std::string_view name)
{
    return IsUtf8(name) ? std::string(name) : Cp1251ToUtf8(name);
}

FolderReader::FolderReader(const std::filesystem::path& folder)
    : handle_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
}

FolderReader::~FolderReader()
{
    if (handle_ >= 0)
        ::close(handle_);
}

std::vector<FolderEntry> FolderReader::List() const
{
    if (handle_ < 0)
        return {};
    // The directory stream gets a handle of its own, so that this one stays
    // free for reading files after the listing.
    const int listing = ::openat(handle_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return {};
    const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(listing));
    if (!dir) {
        ::close(listing);
        return {};
    }
    std::vector<FolderEntry> entries{{".", true, false}, {"..", true, false}};
    while (const dirent* entry = ::readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        switch (KindOf(handle_, *entry)) {
        case Kind::Folder:
            entries.push_back({entry->d_name, true, false});
            break;
        case Kind::File:
            entries.push_back({entry->d_name, false, true});
            break;
        case Kind::Other:
            break;
        }
    }
    return entries;
}

std::string FolderReader::ReadFile(const std::string& name) const
{
    if (handle_ < 0)
        return {};
    // A pipe put in the file's place since the listing must not block the menu.
    const int fd = ::openat(handle_, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got < 0)
                content.clear();
            break;
        }
        content.append(buffer, static_cast<std::size_t>(got));
        // A regular file reads short only at its end: no second call to learn that.
        if (static_cast<std::size_t>(got) < sizeof buffer)
            break;
    }
    ::close(fd);
    return content;
}

std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder)
{
    return FolderReader(folder).List();
}

} // namespace bitloom
