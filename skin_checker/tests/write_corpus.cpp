// Writes the test corpus into the folder named on the command line, for the
// command-line checks and for anyone who wants to try skincheck on it:
//   skincheck_corpus skins FOLDER   each corpus skin as FOLDER/<name>.wsz, and
//                                   the clean skin unpacked in FOLDER/clean/
//   skincheck_corpus seeds FOLDER   the text-file fuzzer's seeds
#include "skin_checker/tests/corpus.h"

#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

void write(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 64;
    const std::string_view mode = argv[1];
    const std::filesystem::path folder = argv[2];
    using namespace skincheck::corpus;
    if (mode == "skins") {
        for (const CorpusSkin& skin : corpus())
            write(folder / skin.name, skin.archive);
        for (const auto& file : cleanSkin())
            write(folder / "clean" / file.name, file.bytes);
    } else if (mode == "seeds") {
        write(folder / "plevo_region.txt", plevoRegionFile({{1, 1}, {275, 1}, {275, 116}, {1, 116}}));
        write(folder / "tessel_region.txt", tesselRegionFile({{{10, 10}, {60, 10}, {60, 40}}, {{0, 0}, {300, 5}, {9, 90}}}));
        write(folder / "region_shapes.txt", "[normal]\nnumpoints = 3,4,\npointlist=0 0 275 0,275 116, -5,-5 9 9 0 9 9 0\n"
                                            "[WindowShade]\r\nNumPoints=3\r\nPointList=0,0,275,0,0,14\r\n[EqualizerWS]\n");
        write(folder / "pledit.txt", "[Text]\r\nNormal=#00FF00\r\nCurrent=#FFFFFF\r\nNormalBG=#000000\r\n"
                                     "SelectedBG=#0000C6\r\nFont=Arial\r\n");
    } else {
        return 64;
    }
    return 0;
}
