#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace bitloom {

// The whole content of a small text file: nullopt when there is no such file.
// A name that exists but cannot be read as a file (no permission, a folder,
// a pipe) raises "File access denied" (or the matching file error), so a
// caller never mistakes it for an empty file and overwrites what it could not see.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Gives path the content bytes in one step: the bytes go to a new file in the
// same folder, which then takes the old file's place, so a crash leaves either
// the old file or the new one, never half of one. A file or folder that nobody
// may write to is refused, also for root. Every failure raises
// "Unable to write to %s" with the path; the old file is then untouched.
void ReplaceFileContent(const std::filesystem::path& path, std::string_view content);

} // namespace bitloom
