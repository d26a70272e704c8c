#include "skin_checker/tests/corpus.h"

#include "button_builder/core/randomcolours.h"
#include "common/core/skinpieces.h"
#include "common/portable/bmp.h"
#include "common/testing/encodedpicture.h"
#include "region_editor/core/pointstore.h"
#include "workbench/core/colourfile.h"
#include "workbench/core/polygonstore.h"
#include "workbench/core/regionfile.h"

#include <QImage>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace skincheck::corpus {
namespace {

using kit::testing::zipArchive;
using kit::testing::ZipEntry;

constexpr std::pair<int, int> kPlayerSizes[kit::kSkinFileCount] = {
    {275, 116}, {136, 36}, {92, 85}, {307, 10}, {68, 433}, {56, 24}, {344, 87}, {155, 18}, {99, 13}, {42, 9},
};

constexpr const char* kPlaylistColours =
    "[Text]\r\nNormal=#00FF00\r\nCurrent=#FFFFFF\r\nNormalBG=#000000\r\nSelectedBG=#0000C6\r\nFont=Arial\r\n";

// A concave outline of the main window, in the region editor's 1-based pixels.
const std::vector<std::pair<int, int>> kOutline = {{1, 1}, {275, 1}, {275, 116}, {140, 100}, {1, 116}};

std::string png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(40, 80, 120));
    return kit::testing::encodedPicture(image, "PNG");
}

// A run-length bitmap of `side` x `side` whose data is only its end: a few bytes
// that claim millions of pixels.
std::string claimedBitmap(std::uint32_t side)
{
    std::string bytes(14 + 40 + 4 * 4, '\0');
    const auto put = [&bytes](size_t at, std::uint32_t value) {
        for (size_t i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<std::uint32_t>(bytes.size() + 2));
    put(10, static_cast<std::uint32_t>(bytes.size()));
    put(14, 40);
    put(18, side);
    put(22, side);
    put(26, 1 | 8 << 16); // one plane, 8 bits
    put(30, 1);           // run-length, 8 bits
    put(34, 2);
    put(46, 4);
    return bytes + std::string("\0\1", 2);
}

Files replaced(Files files, const std::string& name, std::string bytes)
{
    for (ZipEntry& entry : files)
        if (entry.name == name)
            entry.bytes = std::move(bytes);
    return files;
}

Files without(Files files, const std::string& name)
{
    std::erase_if(files, [&](const ZipEntry& entry) { return entry.name == name; });
    return files;
}

Files renamed(Files files, const std::string& prefix, bool upper)
{
    for (ZipEntry& entry : files) {
        if (upper)
            for (char& c : entry.name)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        entry.name = prefix + entry.name;
    }
    return files;
}

std::string regionWith(const char* counts, const char* points)
{
    return std::string("[Normal]\r\nNumPoints=") + counts + "\r\nPointList=" + points + "\r\n";
}

} // namespace

std::string bitmap(int width, int height)
{
    kit::bmp::Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = {static_cast<std::uint8_t>(x / 8 * 40), static_cast<std::uint8_t>(y / 4 * 30), 90};
    return kit::bmp::write(image, kit::bmp::Depth::Palette8);
}

std::string plevoRegionFile(const std::vector<std::pair<int, int>>& points)
{
    QTemporaryDir directory;
    plevo::PointStore store({});
    for (const auto& [x, y] : points)
        store.recordPoint(std::to_string(x), std::to_string(y));
    const std::filesystem::path folder = directory.path().toStdString();
    if (!store.SaveRegionFile(folder).saved)
        throw std::runtime_error("Plevo's writer failed");
    std::ifstream in(folder / plevo::kRegionFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string tesselRegionFile(const std::vector<std::vector<std::pair<int, int>>>& polygons)
{
    tessel::PolygonStore store;
    for (const auto& polygon : polygons) {
        for (const auto& [x, y] : polygon)
            store.recordPoint(x, y);
        store.FinishPolygon();
    }
    store.prepareSave();
    return tessel::regionFileText(store.regionCounts(), store.regionPoints());
}

Files cleanSkin()
{
    Files files;
    for (int file = 0; file < kit::kSkinFileCount; ++file) {
        const auto [width, height] = kPlayerSizes[file];
        files.push_back({kit::kSkinFileNames[static_cast<size_t>(file)], bitmap(width, height), file % 2 == 0});
    }
    files.push_back({"region.txt", plevoRegionFile(kOutline)});
    std::int16_t next = 0;
    files.push_back({"Tessel.txt", knapro::randomColourFileBytes([&next] { return next = std::int16_t((next + 37) % 255); })});
    files.push_back({"pledit.txt", kPlaylistColours});
    return files;
}

std::vector<CorpusSkin> corpus()
{
    const Files clean = cleanSkin();
    tessel::ColourTable colours {};
    colours[5] = {10, 20, 30};
    std::string colour300 = clean[11].bytes;
    colour300.replace(colour300.find("\r\n", colour300.find("\r\n") + 2) + 2, 0, "300,");

    Files clash = clean;
    clash.push_back({"MAIN.BMP", bitmap(275, 116)});
    // No zip writer writes one name twice; a patch does.
    Files twice = clean;
    twice.push_back({"text.bm_", bitmap(155, 18)});
    // The colours under a name the player does not read them by.
    Files otherColours = without(clean, "Tessel.txt");
    otherColours.push_back({"viscolor.txt", clean[11].bytes});

    using enum Level;
    return {
        {"clean.wsz", zipArchive(clean), {}, "", ""},
        {"mixed_case.wsz", zipArchive(renamed(clean, "", true)), {}, "", ""},
        {"subfolder.wsz", zipArchive(renamed(clean, "Blue/", false)), Note, "Blue/", "one folder deep"},
        {"short_cbuttons.wsz", zipArchive(replaced(clean, "cbuttons.bmp", bitmap(120, 36))), Error, "cbuttons.bmp",
         "cut off: eject button and eject button held"},
        {"no_text.wsz", zipArchive(without(clean, "text.bmp")), Note, "text.bmp", "missing"},
        {"hidden_region.wsz", zipArchive(replaced(clean, "region.txt", regionWith("3", "0,0,100,0,200,0"))), Error,
         "region.txt", "covers no pixel"},
        {"count_mismatch.wsz", zipArchive(replaced(clean, "region.txt", regionWith("5", "0,0,100,0,100,50,0,50"))),
         Error, "region.txt", "NumPoints asks for 5 points"},
        {"colours_23.wsz", zipArchive(replaced(clean, "Tessel.txt", tessel::colourFileText(colours))), Warning,
         "Tessel.txt", "entry 23 stays at the player's default"},
        {"colours_elsewhere.wsz", zipArchive(otherColours), Note, "viscolor.txt", "the player never reads it"},
        {"colour_300.wsz", zipArchive(replaced(clean, "Tessel.txt", colour300)), Warning, "Tessel.txt",
         "red 300 is outside 0 to 255"},
        {"huge_main.wsz", zipArchive(replaced(clean, "main.bmp", claimedBitmap(16000))), Error, "main.bmp",
         "is 16000 x 16000, far larger than any skin bitmap; it is not read"},
        {"png_main.wsz", zipArchive(replaced(clean, "main.bmp", png(275, 116))), Warning, "main.bmp",
         "a PNG picture under a .bmp name"},
        {"case_clash.wsz", zipArchive(clash), Warning, "MAIN.BMP", "differ only in case"},
        {"twice.wsz", kit::testing::patched(zipArchive(twice), "text.bm_", "text.bmp"), Warning, "text.bmp", "appears twice; the kit reads the first, "},
        {"bad_pledit.wsz", zipArchive(replaced(clean, "pledit.txt", "[text]\r\nnormal=#12345\r\ncurrent=#FFFFFF\r\n"
                                                                    "normalbg=#000000\r\nselectedbg=#0000C6\r\nfont=Arial\r\n")),
         Warning, "pledit.txt", "not a colour of the form #RRGGBB"},
        {"not_a_skin.wsz", "BM, but no zip", Error, "", "not a zip archive"},
    };
}

} // namespace skincheck::corpus
