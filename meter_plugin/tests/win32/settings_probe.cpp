// Lets the tests drive the plug-in's settings file code through the real profile
// functions:
//
//   settings_probe write DIRECTORY BITMAP_ID NDELAY NVULIMIT AUTOSET
//   settings_probe read DIRECTORY BITMAP_ID NDELAY NVULIMIT AUTOSET
//
// "write" writes those values to DIRECTORY\plugin.ini; "read" reads that file
// with those values as the current ones and prints the four values it ends with.
#include "meter_plugin/core/settings_rules.h"
#include "meter_plugin/win32/settings_file.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: settings_probe write|read DIRECTORY BITMAP_ID NDELAY NVULIMIT AUTOSET\n");
        return 2;
    }
    const std::string command = argv[1];
    const std::string directory = argv[2];
    const std::wstring path = std::wstring(directory.begin(), directory.end()) + L"\\plugin.ini";

    dovrik::MeterValues values;
    values.modelId = std::atoi(argv[3]);
    values.nDelay = std::atoi(argv[4]);
    values.nVULimit = std::atoi(argv[5]);
    values.AutoSet = std::atoi(argv[6]) != 0;

    if (command == "write") {
        dovrik::writeSettings(dovrik::currentSettings(values), path.c_str());
        return 0;
    }
    if (command == "read") {
        dovrik::applySettings(values, dovrik::readSettings(dovrik::currentSettings(values), path.c_str()));
        const auto read = dovrik::currentSettings(values);
        std::printf("%d %d %d %d\n", read[0], read[1], read[2], read[3]);
        return 0;
    }
    std::fprintf(stderr, "settings_probe: unknown command %s\n", command.c_str());
    return 2;
}
