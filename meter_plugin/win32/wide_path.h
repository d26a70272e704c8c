#pragma once

#include "meter_plugin/win32/scoped_win.h"

#include <cstddef>
#include <string_view>

// A path as the platform hands paths out, up to the longest it allows, kept
// NUL-terminated for the calls that take it.
namespace dovrik {

class WidePath {
public:
    // The longest path the platform hands out, in characters, without its end.
    static constexpr std::size_t kLongest = 32767;

    // An empty path with room for the longest one and `extra` characters more.
    explicit WidePath(std::size_t extra = 0) : text_(kLongest + extra + 1) {}

    // Adds `text` at the end; a path that would not fit is left as it was.
    bool append(std::wstring_view text);

    // Keeps the first `length` characters of the buffer as the path.
    void cut(std::size_t length);

    // Where the platform may write the path, and its room without the end.
    wchar_t* buffer() { return text_.data(); }
    std::size_t room() const { return text_.empty() ? 0 : text_.size() - 1; }
    // After the platform wrote into buffer(): takes its length up to the end.
    void takeWritten(std::size_t length) { cut(length <= room() ? length : 0); }

    const wchar_t* c_str() const { return text_.empty() ? L"" : text_.data(); }
    std::wstring_view view() const { return {c_str(), length_}; }

private:
    HeapArray<wchar_t> text_;
    std::size_t length_ = 0;
};

} // namespace dovrik
