// Writes the skin archive fuzzer's seeds into the folder named on the command
// line: archives as authors zip them, and the kinds the reader refuses.
#include "common/testing/ziparchive.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using kit::testing::zipArchive;

int main(int argc, char** argv)
{
    if (argc != 2)
        return 64;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::string bitmap = "BM" + std::string(60, '\x7f');
    const std::string flat = zipArchive({{"MAIN.BMP", bitmap}, {"Text.bmp", bitmap, false}, {"Tessel.txt", "0,0,0\r\n"}});
    const std::vector<std::pair<const char*, std::string>> seeds = {
        {"flat.wsz", flat},
        {"folder.wsz", zipArchive({{"Blue/", ""}, {"Blue/main.bmp", bitmap}, {"Blue/region.txt", "[Normal]\r\n"},
                                   {"__MACOSX/Blue/._main.bmp", "x"}})},
        {"two_folders.wsz", zipArchive({{"Blue/main.bmp", bitmap}, {"Red/main.bmp", bitmap}})},
        {"refused.wsz", zipArchive({{"../up.bmp", "x"}, {"C:\\abs.bmp", "x"}, {"main.bmp", bitmap, true, true},
                                    {"bomb.bmp", std::string(64u << 10, '\0')}, {"ok.bmp", bitmap}})},
        {"empty.wsz", zipArchive({})},
        {"cut.wsz", flat.substr(0, flat.size() / 2)},
    };
    for (const auto& [name, bytes] : seeds)
        std::ofstream(folder / name, std::ios::binary) << bytes;
    return 0;
}
