#pragma once

#include "common/core/textconversion.h"

#include <QString>

#include <filesystem>

namespace kit::testing {

// A folder whose name is not UTF-8 ("café" in Latin-1 unless named otherwise),
// made in `parent` and removed with all it holds when the test ends.
// QTemporaryDir cannot remove it: Qt's file classes do not reach such names.
class Latin1Folder
{
public:
    explicit Latin1Folder(const QString& parent, const char* name = "caf\xE9")
        : m_path(toPath(parent) / name)
    {
        std::filesystem::create_directory(m_path);
    }
    ~Latin1Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    Latin1Folder(const Latin1Folder&) = delete;
    Latin1Folder& operator=(const Latin1Folder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The path as the programs hold it, with the bytes kept (see textconversion.h).
    QString text() const { return fromPath(m_path); }

private:
    std::filesystem::path m_path;
};

} // namespace kit::testing
