#include "meter_plugin/host/meter_observation.h"

#include "common/portable/bmp.h"
#include "meter_plugin/host/host_report.h"
#include "meter_plugin/win32/scoped_win.h"

#include <fstream>
#include <vector>

namespace dovrik::host {

void reportRecords(const VisHeader& header, HMODULE library)
{
    report("header version=0x%x description=%s", header.version, header.description);
    const VisModule* module = header.getModule(0);
    report("module 0 description=%s latency=%d delay=%d spectrum=%d waveform=%d", module->description,
           module->latencyMs, module->delayMs, module->spectrumNch, module->waveformNch);
    report("module 1 %s", header.getModule(1) ? "present" : "null");

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(library, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<unsigned char> version(GetFileVersionInfoSizeW(path, &ignored));
    if (version.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(version.size()), version.data())) {
        report("version none");
        return;
    }
    auto value = [&](const wchar_t* name) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040404b0\\") + name;
        wchar_t* text = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(version.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
            return std::string("(none)");
        return utf8(text);
    };
    report("version FileVersion=%s ProductVersion=%s", value(L"FileVersion").c_str(), value(L"ProductVersion").c_str());
}

void reportMeterPlacement(HWND meter, HWND hostWindow)
{
    if (!IsWindow(meter)) {
        report("meter none");
        return;
    }
    RECT rect{};
    GetWindowRect(meter, &rect);
    MapWindowPoints(nullptr, hostWindow, reinterpret_cast<POINT*>(&rect), 2);
    report("meter %ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void dumpMeter(HWND meter, const std::string& path)
{
    RECT client{};
    GetClientRect(meter, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) {
        report("dump empty");
        return;
    }
    UpdateWindow(meter);
    WindowDC screen(meter);
    GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        MemoryDC memory(screen.get());
        Selection selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(width) * height);
    GetDIBits(screen.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);

    kit::bmp::Image image(width, height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        image.pixels[i] = {pixels[i].rgbRed, pixels[i].rgbGreen, pixels[i].rgbBlue};
    const std::string bytes = kit::bmp::write(image);
    std::ofstream out(wide(path).c_str(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    report(out ? "dump %dx%d" : "dump failed", width, height);
}

} // namespace dovrik::host
