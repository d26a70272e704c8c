#include "common/core/elementtable.h"
#include "common/core/fileio.h"
#include "common/core/pictureload.h"
#include "common/core/skinsource.h"
#include "sample_skin/core/sampleskin.h"
#include "sample_skin/core/wsz.h"
#include "skin_checker/core/skincheck.h"
#include "workbench/core/colourfile.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/skin.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
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
    // Tessel reads its colours back to the very same lines, the player's 24th past them, and
    // the region as its two polygons.
    const std::string& colours = named.at("Tessel.txt");
    const std::string tesselLines = tessel::colourFileText(tessel::colourTableFromText(colours));
    EXPECT_TRUE(colours.starts_with(tesselLines)) << colours;
    EXPECT_EQ(std::count(colours.begin(), colours.end(), '\n'), 24);
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
        const kit::PictureLoad picture = kit::decodePicture(named.at(name), kit::kLargestSkinBitmap);
        EXPECT_EQ(picture.error, kit::PictureLoad::Error::None) << name;
        EXPECT_EQ(picture.image.size(), QSize(kit::kPictureWidth, kit::kPictureHeight)) << name;
    }
}

TEST(SampleSkin, TheArchiveOpensInTheKitsSkinReaderAndIsTheSameOnEveryRun)
{
    const std::vector<sample::SkinFile> files = sample::sampleSkinFiles();
    std::string error;
    const std::string archive = sample::wszBytes(files, error);
    ASSERT_FALSE(archive.empty()) << error;

    const kit::SkinOpen opened = kit::SkinSource::openArchive(archive, "KitSample.wsz");
    ASSERT_TRUE(opened.skin) << opened.message;
    EXPECT_EQ(opened.skin->members().size(), files.size());
    for (const auto& file : files) {
        const kit::SkinMember* member = opened.skin->find(file.name);
        ASSERT_TRUE(member) << file.name;
        EXPECT_EQ(opened.skin->read(*member).bytes, file.bytes) << file.name;
    }
    EXPECT_EQ(sample::wszBytes(sample::sampleSkinFiles(), error), archive);

    // The player reads every file of it that it looks for, without a fault.
    const skincheck::SkinReport report = skincheck::checkSkin(*opened.skin, "KitSample.wsz");
    for (const skincheck::Finding& finding : report.findings)
        EXPECT_EQ(finding.level, skincheck::Level::Note) << finding.file << ": " << finding.reason;
}
