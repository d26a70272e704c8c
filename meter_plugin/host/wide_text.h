#pragma once

#include <windows.h>

#include <string>

// The hosts keep their texts in UTF-8 and meet the platform's UTF-16 here.
namespace dovrik::host {

std::string utf8(const std::wstring& text);
std::wstring wide(const std::string& text);
std::wstring windowText(HWND window);

} // namespace dovrik::host
