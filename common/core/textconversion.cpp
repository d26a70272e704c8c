#include "common/core/textconversion.h"

#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

namespace kit {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

bool isEscapedByte(char16_t unit) { return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF; }

// The length of the valid UTF-8 sequence at `at`, or 0: no overlong forms, no
// surrogates, nothing past U+10FFFF.
size_t validSequenceAt(std::string_view bytes, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

bool exists(const QString& path)
{
    struct stat info {};
    return ::lstat(toPath(path).c_str(), &info) == 0;
}

// The one entry of `folder` whose name, decoded as Qt decodes names, reads
// `lossyName`; empty when none or several do.
QString uniqueEntryDecodedAs(const QString& folder, const QString& lossyName)
{
    DIR* directory = ::opendir(toPath(folder.isEmpty() ? QStringLiteral("/") : folder).c_str());
    if (directory == nullptr)
        return {};
    QString found;
    int matches = 0;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name(entry->d_name);
        if (QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) == lossyName) {
            found = fromPath(std::string(name));
            ++matches;
        }
    }
    ::closedir(directory);
    return matches == 1 ? found : QString();
}

} // namespace

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(const QString& text)
{
    return text.toStdString();
}

QString fromSystemText(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path toPath(const QString& path)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(path.size()));
    qsizetype plainFrom = 0;
    const auto flushPlain = [&](qsizetype to) {
        bytes += path.mid(plainFrom, to - plainFrom).toStdString();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        const bool paired = i > 0 && QChar::isHighSurrogate(path.at(i - 1).unicode());
        if (isEscapedByte(unit) && !paired) {
            flushPlain(i);
            bytes += static_cast<char>(unit - kEscapeBase);
            plainFrom = i + 1;
        }
    }
    flushPlain(path.size());
    return std::filesystem::path(std::move(bytes));
}

QString fromPath(const std::filesystem::path& path)
{
    const std::string& bytes = path.native();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    size_t validFrom = 0;
    for (size_t at = 0; at < bytes.size();) {
        if (const size_t length = validSequenceAt(bytes, at); length > 0) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.data() + validFrom, static_cast<qsizetype>(at - validFrom));
        text += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at])));
        validFrom = ++at;
    }
    text += QString::fromUtf8(bytes.data() + validFrom, static_cast<qsizetype>(bytes.size() - validFrom));
    return text;
}

QString displayPath(const QString& path)
{
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool paired = i > 0 && QChar::isHighSurrogate(path.at(i - 1).unicode());
        if (isEscapedByte(shown.at(i).unicode()) && !paired)
            shown[i] = QChar(kReplacement);
    }
    return shown;
}

QString recoverDecodedPath(const QString& path)
{
    if (!path.contains(QChar(kReplacement)) || exists(path))
        return path;
    const QStringList parts = path.split(QLatin1Char('/'));
    QString recovered = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString next = recovered + QLatin1Char('/') + parts[i];
        if (parts[i].contains(QChar(kReplacement)) && !exists(next)) {
            // A name that matches nothing stays as written: a new file being saved.
            if (const QString entry = uniqueEntryDecodedAs(recovered, parts[i]); !entry.isEmpty())
                next = recovered + QLatin1Char('/') + entry;
        }
        recovered = next;
    }
    return recovered;
}

} // namespace kit
