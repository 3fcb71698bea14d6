// Entries of a catalogue folder on POSIX systems, where a plain rename(2)
// would replace the target: the kernel's no-replace rename is used, and where a
// file system does not offer it, a hard link, which fails on an existing name.

#include "catalogue/EntryFiles.h"

#include "platform/Error.h"
#include "platform/IoErrors.h"
#include "platform/Messages.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>

namespace bitloom {

namespace {

bool Exists(const std::filesystem::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// Where the no-replace rename is missing: a link for anything but a folder,
// which fails with EEXIST on a taken name, then the old name goes.
int LinkInstead(const std::filesystem::path& from, const std::filesystem::path& to)
{
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0)
        return -1;
    if (S_ISDIR(info.st_mode)) {
        // Folders cannot be linked; checking first leaves only a short race.
        if (Exists(to)) {
            errno = EEXIST;
            return -1;
        }
        return ::rename(from.c_str(), to.c_str());
    }
    if (::link(from.c_str(), to.c_str()) != 0)
        return -1;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        errno = error;
        return -1;
    }
    return 0;
}

int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)
        return LinkInstead(from, to);
    return -1;
}

std::filesystem::path HiddenTemporary(const std::filesystem::path& file)
{
    static std::atomic<unsigned> counter{0};
    return file.parent_path() / ("." + file.filename().string() + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(counter.fetch_add(1)) + ".new");
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t put = ::write(fd, data.data(), data.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

[[noreturn]] void Fail(int error, const std::filesystem::path& file)
{
    // A write that stops early has no errno of its own: the disk is full.
    throw Error(error == 0 ? std::string(msg::DiskFull) : IoErrorText(error, file));
}

} // namespace

bool RenameEntry(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (from == to)
        return false;
    return RenameNoReplace(from, to) == 0;
}

bool CreateNewFile(const std::filesystem::path& file, std::string_view bytes)
{
    if (Exists(file))
        return false;
    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = HiddenTemporary(file);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            Fail(errno, file);
    }
    if (fd < 0)
        Fail(EEXIST, file);

    errno = 0;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && RenameNoReplace(temp, file) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        if (error == EEXIST)
            return false;
        Fail(error, file);
    }
    return true;
}

} // namespace bitloom
