#pragma once

#include <string>
#include <string_view>

// Every text an error can carry, kept together so that wording stays consistent.
namespace bitloom::msg {

inline constexpr std::string_view FileNotFound = "File not found";
inline constexpr std::string_view InvalidFilename = "Invalid filename";
inline constexpr std::string_view TooManyOpenFiles = "Too many open files";
inline constexpr std::string_view FileAccessDenied = "File access denied";
inline constexpr std::string_view ReadBeyondEnd = "Read beyond end of file";
inline constexpr std::string_view DiskFull = "Disk full";
inline constexpr std::string_view FileAlreadyExists = "File already exists";
inline constexpr std::string_view WriteBeyondEnd = "Write beyond end of file";
inline constexpr std::string_view WindowTooLarge = "Picture window too large";
inline constexpr std::string_view UnsupportedClipboardFormat = "Unsupported clipboard format";

// "I/O error %d"
std::string IoError(int code);
// "'%s' is not a valid integer value"
std::string NotAnInteger(std::string_view text);
// "Unable to write to %s"
std::string UnableToWrite(std::string_view path);

} // namespace bitloom::msg

namespace bitloom {

// The error box ends a message with a full stop when its last character sorts
// after "." (a letter or a digit does; ")" or "!" does not).
std::string WithFullStop(std::string message);

} // namespace bitloom
