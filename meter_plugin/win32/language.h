#pragma once

#include <windows.h>

namespace dovrik {

// Dialogs, menus and help come in Chinese (Taiwan) for a system whose default
// language is exactly that, and in English for every other. Asked anew each
// time, like the system itself would answer.
inline bool systemPrefersChinese()
{
    constexpr LANGID chineseTaiwan = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL); // 0x0404
    return GetSystemDefaultLangID() == chineseTaiwan;
}

} // namespace dovrik
