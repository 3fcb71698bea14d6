#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace bitloom {

// File names cross between Qt and the core in the system's own encoding.
inline std::filesystem::path ToPath(const QString& text)
{
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

inline QString ToQString(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

} // namespace bitloom
