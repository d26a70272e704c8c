#pragma once

#include <windows.h>

#include <string>

// How the host stand-in tells a test what it sees: lines on standard output.
namespace dovrik::host {

// Writes one line in one call, since several threads report.
void report(const char* format, ...);

std::string utf8(const std::wstring& text);
std::wstring wide(const std::string& text);
std::wstring windowText(HWND window);

} // namespace dovrik::host
