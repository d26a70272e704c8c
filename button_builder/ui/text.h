#pragma once

#include <QString>

#include <string_view>

namespace knapro {

// The core's texts are UTF-8 and need not end in a zero byte.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace knapro
