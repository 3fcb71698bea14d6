#include "platform/FlashFile.h"

#include "platform/Error.h"
#include "platform/IoErrors.h"
#include "platform/Messages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <system_error>

namespace bitloom {
namespace {

[[noreturn]] void Fail(int err, const std::filesystem::path& path)
{
    throw Error(IoErrorText(err, path));
}

// pread/pwrite may return early without an error; keep going until done,
// end of file, or a real error.
std::size_t FullPread(int fd, std::uint8_t* data, std::size_t count, std::int64_t position, int& err)
{
    std::size_t done = 0;
    err = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd, data + done, count - done, static_cast<off_t>(position) + static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

} // namespace

FlashFile FlashFile::Open(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        Fail(errno, path);
    FlashFile file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        Fail(errno, path);
    // Root may open anything for writing; a dump that nobody may write to is
    // still treated as read-only, as its owner meant it.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw Error(std::string(msg::FileAccessDenied));
    if (S_ISDIR(st.st_mode))
        throw Error(std::string(msg::FileAccessDenied));
    return file;
}

FlashFile FlashFile::Create(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        Fail(errno, path);
    return FlashFile(fd);
}

FlashFile::FlashFile(FlashFile&& other) noexcept : fd_(other.fd_)
{
    other.fd_ = -1;
}

FlashFile::~FlashFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::int64_t FlashFile::Size() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw Error(msg::IoError(errno));
    return static_cast<std::int64_t>(st.st_size);
}

void FlashFile::ReadAt(std::int64_t position, std::span<std::uint8_t> out) const
{
    if (out.empty())
        return;
    if (position < 0)
        throw Error(msg::IoError(NegativeSeekError));
    int err = 0;
    const std::size_t got = FullPread(fd_, out.data(), out.size(), position, err);
    if (err != 0)
        throw Error(msg::IoError(err));
    if (got < out.size())
        throw Error(std::string(msg::ReadBeyondEnd));
}

void FlashFile::WriteInside(std::int64_t position, std::span<const std::uint8_t> data) const
{
    if (data.empty())
        return;
    if (position < 0)
        throw Error(msg::IoError(NegativeSeekError));
    if (position + static_cast<std::int64_t>(data.size()) > Size())
        throw Error(std::string(msg::WriteBeyondEnd));
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t put = ::pwrite(fd_, data.data() + done, data.size() - done,
                                     static_cast<off_t>(position) + static_cast<off_t>(done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throw Error(errno == ENOSPC ? std::string(msg::DiskFull) : msg::IoError(errno));
        }
        if (put == 0)
            throw Error(std::string(msg::DiskFull));
        done += static_cast<std::size_t>(put);
    }
}

std::size_t FlashFile::ReadSome(std::span<std::uint8_t> out) const
{
    for (;;) {
        const ssize_t got = ::read(fd_, out.data(), out.size());
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw Error(msg::IoError(errno));
    }
}

std::size_t FlashFile::WriteSome(std::span<const std::uint8_t> data) const
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t put = ::write(fd_, data.data() + done, data.size() - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)
                break;
            throw Error(msg::IoError(errno));
        }
        if (put == 0)
            break;
        done += static_cast<std::size_t>(put);
    }
    return done;
}

void CopyFlashFile(const std::filesystem::path& source, const std::filesystem::path& target)
{
    const FlashFile from = FlashFile::Open(source);
    const FlashFile to = FlashFile::Create(target);
    std::array<std::uint8_t, 65536> block{};
    for (;;) {
        const std::size_t got = from.ReadSome(block);
        if (got == 0)
            break;
        const std::size_t put = to.WriteSome(std::span(block.data(), got));
        // A short copy would silently become the open dump: say so instead.
        if (put != got)
            throw Error(std::string(msg::DiskFull));
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

} // namespace bitloom
