#pragma once

#include "common/testing/ziparchive.h"
#include "workbench/core/skin.h"

#include <QString>

#include <string>
#include <vector>

// A made-up skin for tests: the ten bitmaps at their usual sizes, in which
// every pixel's colour names its file and its place in it, so each pixel of a
// composed window tells where it was copied from.
inline constexpr QSize kSyntheticSkinSizes[tessel::kSkinFileCount] = {
    {275, 116}, {136, 36}, {92, 85}, {307, 10}, {68, 433}, {56, 24}, {344, 87}, {155, 18}, {99, 13}, {42, 9},
};

// The colour of point (x, y) of `file`; never black, so a missing piece shows.
QRgb skinPixel(tessel::SkinFile file, int x, int y);

// Writes the ten files into `directory` (which ends with a separator).
void writeSyntheticSkin(const QString& directory);

// Overwrites the file at `path` with text that is not a picture.
void replaceWithText(const QString& path);

// The ten files as the members of a skin archive under `folder` ("Blue/", or
// "" for the top), their names in capitals where asked; a member of `changes`
// takes the place of the file of its name, or drops it when its bytes are
// empty, and is added when it is none of the ten.
std::string syntheticSkinArchive(const std::string& folder, bool capitals = false,
                                 const std::vector<kit::testing::ZipEntry>& changes = {});
