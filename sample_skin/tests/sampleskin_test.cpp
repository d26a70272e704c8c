#include "button_builder/core/picture.h"
#include "common/core/fileio.h"
#include "common/core/pictureload.h"
#include "sample_skin/core/sampleskin.h"
#include "sample_skin/core/wsz.h"
#include "workbench/core/colourfile.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/skin.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <map>

namespace {

using Files = std::map<std::string, std::string>;

Files byName(const std::vector<sample::SkinFile>& files)
{
    Files map;
    for (const auto& file : files)
        map[file.name] = file.bytes;
    return map;
}

// The files of a zip archive, read back with the library that wrote it.
Files unzip(const std::string& bytes)
{
    Files files;
    zip_error_t error;
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (!archive) {
        zip_source_free(source);
        return files;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !file)
            continue;
        std::string data(stat.size, '\0');
        if (zip_fread(file, data.data(), stat.size) == static_cast<zip_int64_t>(stat.size))
            files[stat.name] = data;
        zip_fclose(file);
    }
    zip_close(archive);
    return files;
}

} // namespace

TEST(SampleSkin, OpensInTesselAndKnaproAsTheirOwnReadersTakeIt)
{
    const std::vector<sample::SkinFile> files = sample::sampleSkinFiles();
    QTemporaryDir folder;
    for (const auto& file : files)
        ASSERT_EQ(kit::replaceFile(folder.filePath(QString::fromStdString(file.name)).toStdString(), file.bytes), "");

    const tessel::SkinLoad skin = tessel::LoadSkin(folder.path() + '/');
    EXPECT_EQ(skin.failedFile, -1) << skin.failedPath.toStdString();
    EXPECT_EQ(skin.pictures[tessel::SkinFile::Main].size(), tessel::kMainWindowSize);

    const Files named = byName(files);
    // Tessel reads its colours back to the very same file text, and the region as its two polygons.
    const std::string& colours = named.at("Tessel.txt");
    EXPECT_EQ(tessel::colourFileText(tessel::colourTableFromText(colours)), colours);
    const std::string& region = named.at("Region.txt");
    const tessel::RegionText parts = tessel::readRegionText(region);
    std::vector<size_t> corners;
    tessel::forEachRegionPolygon(parts.counts, parts.pointList, [&corners](const tessel::RegionPolygon& polygon) {
        EXPECT_TRUE(polygon.complete);
        corners.push_back(polygon.corners.size());
    });
    EXPECT_EQ(corners, (std::vector<size_t> {4, 8}));

    // Knapro's three window pictures are whole-window pictures of its size.
    for (const char* name : {"window-main.bmp", "window-equalizer.bmp", "window-playlist.bmp"}) {
        const kit::PictureLoad picture = kit::decodePicture(named.at(name));
        EXPECT_EQ(picture.error, kit::PictureLoad::Error::None) << name;
        EXPECT_TRUE(knapro::hasWindowSize(picture.image)) << name;
    }
}

TEST(SampleSkin, TheArchiveHoldsTheFolderAndIsTheSameOnEveryRun)
{
    const std::vector<sample::SkinFile> files = sample::sampleSkinFiles();
    std::string error;
    const std::string archive = sample::wszBytes(files, error);
    ASSERT_FALSE(archive.empty()) << error;
    EXPECT_EQ(unzip(archive), byName(files));
    EXPECT_EQ(sample::wszBytes(sample::sampleSkinFiles(), error), archive);
}
