#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Running the Windows side of the meter under Wine from a native test, and
// reading what it leaves behind.
namespace dovrik::testing {

struct ProgramRun {
    int exitCode = -1;
    std::vector<std::string> lines; // standard output and error, line by line

    bool has(const std::string& line) const;
    // Every line that starts with `prefix`, in order.
    std::vector<std::string> startingWith(const std::string& prefix) const;
    std::string text() const;
};

// Runs `command` through the shell, `arguments` quoted, and collects its output.
ProgramRun runCommand(const std::string& command, const std::vector<std::string>& arguments);

// Runs a program of the Windows build (by file name) under the test prefix.
// `environment` entries ("NAME=value") are set for Wine only.
ProgramRun runUnderWine(const std::string& program, const std::vector<std::string>& arguments,
                        const std::vector<std::string>& environment = {});

// The name Wine gives a Unix path (its drive Z: is the root directory).
std::string windowsPath(const std::filesystem::path& path);

// A temporary directory of its own holding a copy of vis_Dovrik.dll, so that
// each test has its own settings file beside the plug-in. Removed at the end.
class PluginFolder {
public:
    PluginFolder();
    ~PluginFolder();
    PluginFolder(const PluginFolder&) = delete;
    PluginFolder& operator=(const PluginFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path settingsFile() const { return path_ / "plugin.ini"; }
    void writeSettings(const std::string& text) const;
    // The settings file's bytes, or "(none)" when there is no file.
    std::string settingsText() const;
    std::filesystem::path dumpFile() const { return path_ / "meter.bmp"; }

    // Runs the test host on this folder's plug-in, dumping the meter to dumpFile().
    ProgramRun runHost(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {}) const;

private:
    std::filesystem::path path_;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The picture in a BMP file; width and height stay 0 when the file cannot be
// read as one.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top row first

    static Picture read(const std::filesystem::path& path);
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

std::ostream& operator<<(std::ostream& out, const Rgb& colour);

} // namespace dovrik::testing
