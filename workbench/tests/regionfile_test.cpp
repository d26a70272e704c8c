#include "pixels.h"
#include "polygonstore.h"
#include "regionfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tessel::PolygonStore;

namespace {

const std::string kFirstLine = ";Made With Tessel 2.x, the colour and region workbench of the skin kit\r\n";

void record(PolygonStore& store, std::initializer_list<QPoint> points)
{
    for (const QPoint point : points)
        store.recordPoint(point.x(), point.y());
}

std::string save(PolygonStore& store)
{
    store.prepareSave();
    return tessel::regionFileText(store.regionCounts(), store.regionPoints());
}

// The polygons of a counts text and a list, as "count: x,y x,y" with "!" for one the list cut short.
std::string polygonsOf(std::string_view counts, std::string_view list)
{
    std::string text;
    tessel::forEachRegionPolygon(counts, list, [&text](const tessel::RegionPolygon& polygon) {
        text.append(polygon.countText).append(":");
        for (const QPoint corner : polygon.corners)
            text.append(" ").append(std::to_string(corner.x())).append(",").append(std::to_string(corner.y()));
        text += polygon.complete ? "; " : "!";
    });
    return text;
}

} // namespace

TEST(RegionWriter, WritesEveryPolygonWithItsCountAndNoLineEndAfterTheList)
{
    PolygonStore triangle;
    record(triangle, {{10, 10}, {60, 10}, {60, 40}});
    // The polygon still open at the save is finished by it; a second save writes it again.
    const std::string expected = kFirstLine + "[Normal]\r\nNumPoints=3,\r\nPointlist=10,10,60,10,60,40,";
    EXPECT_EQ(save(triangle), expected);
    EXPECT_EQ(save(triangle), expected);

    PolygonStore two;
    for (int i = 0; i < 12; ++i)
        two.recordPoint(i, 100 + i);
    two.FinishPolygon();
    record(two, {{-5, 7}, {1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {275, 116}});
    two.FinishPolygon();
    // Finishing again without a point of a new polygon adds no empty polygon.
    two.FinishPolygon();
    EXPECT_EQ(save(two), kFirstLine + "[Normal]\r\nNumPoints=12,7,\r\nPointlist=0,100,1,101,2,102,3,103,4,104,5,105,"
                             "6,106,7,107,8,108,9,109,10,110,11,111,-5,7,1,2,3,4,5,6,7,8,9,10,275,116,");
    EXPECT_EQ(save(*std::make_unique<PolygonStore>()), kFirstLine + "[Normal]\r\nNumPoints=\r\nPointlist=");
}

TEST(RegionReader, FindsCountsAndListWhereverTheTextAllowsAndStopsAtItsEnd)
{
    const struct
    {
        std::string text, counts, list, polygons;
    } cases[] = {
        {kFirstLine + "[Normal]\r\nNumPoints=3,1,\r\nPointlist=10,10,60,10,60,40,5,5,", "3,1,", "10,10,60,10,60,40,5,5,",
         "3: 10,10 60,10 60,40; 1: 5,5; "},
        // The region editor's file: one count without a comma after it, so no polygon.
        {"/*****/\r\n; TODO: document\r\n\r\n[Normal]\r\nNumPoints=3\r\nPointList=1,1,275,1,275,116\r\n", "3",
         "1,1,275,1,275,116\r\n", ""},
        {"[normal]\r\nnumpoints=2,\r\nPointList=1,2,3,4\r\n", "2,", "1,2,3,4\r\n", "2: 1,2 3,4; "},
        {"NumPoints=3,4,\r\n", "3,4,", "", "3:!"},
        {"NumPoints=3,5,\r\nPointlist=1,2,3,4,5,6,7,8,9,", "3,5,", "1,2,3,4,5,6,7,8,9,", "3: 1,2 3,4 5,6; 5: 7,8!"},
        {"NumPoints=0,-2,2.9,99999999999,\r\nPointlist=1,2,3,4,99999999999,-99999999999,", "0,-2,2.9,99999999999,",
         "1,2,3,4,99999999999,-99999999999,", "0:; -2:; 2.9: 1,2 3,4; 99999999999: 16777216,-16777216!"},
        {"NumPoints=P", "", "", ""},
        {"[Normal]\r\nPointlist=1,2,", "", "", ""},
        {"", "", "", ""},
        {std::string("\0\xffNUMPOINTS=\x01,\x80,\r\nP\0\0", 21), "\x01,\x80,", "", "\x01:; \x80:; "},
    };
    for (const auto& c : cases) {
        const tessel::RegionText found = tessel::readRegionText(c.text);
        EXPECT_EQ(found.counts, c.counts) << c.text;
        EXPECT_EQ(found.pointList, c.list) << c.text;
        EXPECT_EQ(polygonsOf(found.counts, found.pointList), c.polygons) << c.text;
    }
}

TEST(RegionDrawing, LinksTheCornersAndClosesACompletePolygonInGreen)
{
    QImage picture = tessel::blankPicture({275, 116});
    picture.fill(qRgb(255, 255, 255));
    const QRgb black = qRgb(0, 0, 0), green = qRgb(0, 255, 0), white = qRgb(255, 255, 255);
    EXPECT_EQ(tessel::DrawRegion(picture, "3,2,4,", "10,10,60,10,60,40,100,100,110,100,200,5,210,5", black), "4");
    const std::pair<QPoint, QRgb> pixels[] = {
        {{35, 10}, black}, {{60, 25}, black}, {{35, 25}, green}, {{105, 100}, black}, {{205, 5}, black},
        {{100, 50}, white},
    };
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(picture.pixel(at), colour) << at.x() << "," << at.y();
}
