#pragma once

#include "common/core/skinpieces.h"
#include "common/testing/encodedpicture.h"
#include "common/testing/ziparchive.h"

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

// A skin whose ten bitmaps, at the sizes a skin has them, are each of one flat
// colour of its own: every pixel of a main window composed from it tells which
// bitmap it came from, and black tells that none did.
namespace kit::testing {

inline QRgb flatSkinColour(SkinFile file)
{
    const int i = static_cast<int>(file);
    return qRgb(20 + 20 * i, 200 - 15 * i, 60 + 7 * i);
}

inline std::string flatSkinBitmap(SkinFile file)
{
    constexpr QSize sizes[kSkinFileCount] = {
        {275, 116}, {136, 36}, {92, 85}, {307, 10}, {68, 433}, {56, 24}, {344, 87}, {155, 18}, {99, 13}, {42, 9},
    };
    QImage picture(sizes[static_cast<size_t>(file)], QImage::Format_RGB32);
    picture.fill(flatSkinColour(file));
    return encodedPicture(picture, "BMP");
}

// The skin's members under `folder` ("Blue/" or ""), but for the bitmaps in
// `without`.
inline std::vector<ZipEntry> flatSkinMembers(const std::string& folder = "", const std::vector<SkinFile>& without = {})
{
    std::vector<ZipEntry> members;
    for (size_t file = 0; file < kSkinFileNames.size(); ++file)
        if (std::find(without.begin(), without.end(), static_cast<SkinFile>(file)) == without.end())
            members.push_back({folder + kSkinFileNames[file], flatSkinBitmap(static_cast<SkinFile>(file))});
    return members;
}

// Where the composed window shows which bitmap, a point of each: the play
// button, the title bar, the volume bar and a corner no piece covers.
inline constexpr QPoint kPlayPoint {50, 95};
inline constexpr QPoint kTitleBarPoint {200, 5};
inline constexpr QPoint kVolumePoint {120, 60};
inline constexpr QPoint kBackgroundPoint {5, 110};

} // namespace kit::testing
