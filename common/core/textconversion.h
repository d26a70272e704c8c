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

// A path keeps its bytes both ways, so that a name that is not valid UTF-8 (a
// folder "caf\xE9" unpacked from an old Latin-1 archive) still names the same
// file. Each byte that is no part of valid UTF-8 stands in the QString as the
// lone low surrogate U+DC00 plus the byte (U+DCE9 for 0xE9), which valid UTF-8
// never yields; toPath turns exactly those back into their bytes. Qt's own file
// classes (QFile, QDir, QFileInfo) do not know this form: paths that may carry
// it go to the file system through toPath, and to the screen through displayPath.
std::filesystem::path toPath(const QString& path);
QString fromPath(const std::filesystem::path& path);

// A path or a text holding one, as it can be shown: each byte kept by fromPath
// shows as U+FFFD, the replacement character, as file managers show such names.
QString displayPath(const QString& path);

// A path that came back from a file dialog, which read the names on the way
// through Qt's lossy decoding (every undecodable byte became U+FFFD). Each part
// of the path that does not exist as written but matches exactly one entry of
// its folder when that entry is decoded the same lossy way is taken as that
// entry, with its bytes. A path that exists, or one that cannot be matched
// unambiguously, comes back unchanged.
QString recoverDecodedPath(const QString& path);

} // namespace kit
