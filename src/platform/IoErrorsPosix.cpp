#include "platform/IoErrors.h"

#include "platform/Messages.h"

#include <cerrno>
#include <system_error>

namespace bitloom {

std::string IoErrorText(int systemError, const std::filesystem::path& path)
{
    switch (systemError) {
    case ENOENT: {
        // A missing file in an existing folder is "not found"; a missing folder
        // on the way makes the whole name invalid.
        std::error_code ec;
        const auto folder = path.parent_path();
        if (folder.empty() || std::filesystem::is_directory(folder, ec))
            return std::string(msg::FileNotFound);
        return std::string(msg::InvalidFilename);
    }
    case ENOTDIR:
    case ENAMETOOLONG:
        return std::string(msg::InvalidFilename);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return std::string(msg::FileAccessDenied);
    case EMFILE:
    case ENFILE:
        return std::string(msg::TooManyOpenFiles);
    case ENOSPC:
    case EDQUOT:
        return std::string(msg::DiskFull);
    default:
        return msg::IoError(systemError);
    }
}

} // namespace bitloom
