// Any text read as a region file gives counts and a point list that lie inside
// that text, and polygons that take no more corners than their counts ask for
// and than the list holds: complete ones exactly their count, and only the last
// one cut short. Drawing them never reaches outside the picture, and the shape
// they cut is the same with every polygon drawn the other way round.
#include "workbench/core/colourfile.h"
#include "workbench/core/pixels.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/regionshape.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

bool inside(std::string_view part, std::string_view text)
{
    return part.empty() || (part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tessel::RegionText found = tessel::readRegionText(text);
    require(inside(found.counts, text) && inside(found.pointList, text));

    const size_t listNumbers = size_t(std::count(found.pointList.begin(), found.pointList.end(), ',')) + 1;
    size_t corners = 0;
    bool cutShort = false;
    std::vector<std::vector<QPoint>> polygons;
    tessel::forEachRegionPolygon(found.counts, found.pointList, [&](const tessel::RegionPolygon& polygon) {
        require(!cutShort && inside(polygon.countText, found.counts));
        const double wanted = std::floor(tessel::leadingNumber(polygon.countText));
        require(polygon.complete ? double(polygon.corners.size()) == std::max(wanted, 0.0)
                                 : double(polygon.corners.size()) < wanted);
        for (const QPoint corner : polygon.corners)
            require(std::abs(corner.x()) <= (1 << 24) && std::abs(corner.y()) <= (1 << 24));
        corners += polygon.corners.size();
        cutShort = !polygon.complete;
        polygons.push_back(polygon.corners);
    });
    require(2 * corners <= listNumbers);

    const tessel::ShapeMask shape = tessel::shapeMask(polygons);
    for (std::vector<QPoint>& polygon : polygons)
        std::reverse(polygon.begin(), polygon.end());
    const tessel::ShapeMask reversed = tessel::shapeMask(polygons);
    for (int y = 0; y < tessel::ShapeMask::kHeight; ++y)
        for (int x = 0; x < tessel::ShapeMask::kWidth; ++x)
            require(shape.shows(x, y) == reversed.shows(x, y));

    QImage picture = tessel::blankPicture({8, 6});
    tessel::DrawRegion(picture, found.counts, found.pointList, qRgb(255, 255, 255));
    return 0;
}
