#include "meter_plugin/win32/wide_path.h"

namespace dovrik {

bool WidePath::append(std::wstring_view text)
{
    if (text.size() > room() - length_)
        return false;
    for (wchar_t c : text)
        text_.data()[length_++] = c;
    text_.data()[length_] = L'\0';
    return true;
}

void WidePath::cut(std::size_t length)
{
    if (text_.empty() || length > room())
        return;
    length_ = length;
    text_.data()[length_] = L'\0';
}

} // namespace dovrik
