#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

// The one way across between the cores' texts and paths and Qt's strings.
namespace kit {

// The cores' own texts are UTF-8 and need not end in a zero byte.
QString toQString(std::string_view utf8);
std::string toUtf8(const QString& text);

// A reason the system gave (an strerror text) is in the locale's encoding.
QString fromSystemText(std::string_view text);

// Paths take the file system's own encoding both ways, so that a name that is
// not valid UTF-8 still names the same file.
std::filesystem::path toPath(const QString& path);
QString fromPath(const std::filesystem::path& path);

} // namespace kit
