#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace bitloom {

// A dump file opened for reading and writing, as every command that touches the
// dump needs it. The handle lives for one command only; the destructor closes it
// on every path, errors included. Every failure raises bitloom::Error with the
// text the user is shown ("File not found", "File access denied", ...).
class FlashFile final {
public:
    // Opens an existing file for reading and writing. A file that nobody may
    // write to is refused, also when running as root, so a read-only dump is
    // never touched.
    static FlashFile Open(const std::filesystem::path& path);

    // Creates (or empties) a file for reading and writing.
    static FlashFile Create(const std::filesystem::path& path);

    FlashFile(FlashFile&& other) noexcept;
    FlashFile& operator=(FlashFile&&) = delete;
    FlashFile(const FlashFile&) = delete;
    FlashFile& operator=(const FlashFile&) = delete;
    ~FlashFile();

    std::int64_t Size() const;

    // Reads out.size() bytes starting at position. When the read stops early the
    // bytes got so far are in out's first places and the error is raised:
    // "I/O error 131" for a negative position, "Read beyond end of file" past the end.
    void ReadAt(std::int64_t position, std::span<std::uint8_t> out) const;

    // Writes data at position, which must lie wholly inside the file: the dump
    // is never lengthened ("Write beyond end of file"); a negative position is
    // "I/O error 131". Nothing is written when the range is refused.
    void WriteInside(std::int64_t position, std::span<const std::uint8_t> data) const;

    // Reads up to out.size() bytes from the current position; returns the count.
    std::size_t ReadSome(std::span<std::uint8_t> out) const;
    // Writes data at the current position; returns the count written.
    std::size_t WriteSome(std::span<const std::uint8_t> data) const;

private:
    explicit FlashFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// Copies the whole of source into a new (or emptied) target in blocks of
// 65,536 bytes. A short write ends the copy and is reported as "Disk full";
// a target already created stays as the copy left it.
void CopyFlashFile(const std::filesystem::path& source, const std::filesystem::path& target);

// True when both paths name the same existing file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace bitloom
