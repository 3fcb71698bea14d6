#include "platform/FileReplace.h"

#include "platform/Error.h"
#include "platform/IoErrors.h"
#include "platform/Messages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <system_error>

namespace bitloom {
namespace {

constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

class Descriptor final {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    int Get() const { return fd_; }
    bool Close()
    {
        if (fd_ < 0)
            return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t put = ::write(fd, data.data(), data.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (put == 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Writing through a symbolic link changes what it points to, not the link.
std::filesystem::path ResolvedTarget(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto target = std::filesystem::weakly_canonical(path, ec);
        if (!ec)
            return target;
    }
    return path;
}

std::filesystem::path TemporaryName(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                       std::to_string(counter.fetch_add(1)) + ".tmp";
    return target.parent_path() / name;
}

bool TryReplace(const std::filesystem::path& path, std::string_view content)
{
    const std::filesystem::path target = ResolvedTarget(path);
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();

    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode) ||
        (folderStat.st_mode & AnyWrite) == 0)
        return false;

    mode_t mode = 0666;
    bool keepMode = false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode) || (old.st_mode & AnyWrite) == 0)
            return false;
        mode = old.st_mode & 07777;
        keepMode = true;
    } else if (errno != ENOENT) {
        return false;
    }

    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    Descriptor file(fd);

    bool ok = WriteAll(file.Get(), content);
    // A new file gets the usual permissions through the umask; a replaced one
    // keeps its own, and its owner where we may give it back.
    if (ok && keepMode) {
        ok = ::fchmod(file.Get(), mode) == 0;
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(file.Get(), old.st_uid, old.st_gid);
    }
    ok = ok && ::fsync(file.Get()) == 0;
    ok = file.Close() && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the new name itself durable; a failure here leaves a complete file.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path)
{
    // Not blocking: a pipe or device under the name must not hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw Error(IoErrorText(errno, path));
    }
    Descriptor file(fd);
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0)
        throw Error(IoErrorText(errno, path));
    if (!S_ISREG(st.st_mode))
        throw Error(std::string(msg::FileAccessDenied));
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw Error(IoErrorText(errno, path));
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

void ReplaceFileContent(const std::filesystem::path& path, std::string_view content)
{
    if (!TryReplace(path, content))
        throw Error(msg::UnableToWrite(path.string()));
}

} // namespace bitloom
