#include "button_builder/core/bmpfile.h"
#include "button_builder/core/skinwindows.h"
#include "common/core/skinsource.h"
#include "common/testing/flatskin.h"
#include "common/testing/qtprinters.h"
#include "common/testing/ziparchive.h"

#include <gtest/gtest.h>

using kit::testing::zipArchive;
using knapro::SkinWindowPicture;

namespace {

// A picture of one flat colour with its top-left pixel marked, so that a picture
// cut from the wrong place or turned over shows.
QImage windowPicture(QRgb colour, int width = 275, int height = 116)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(colour);
    picture.setPixel(0, 0, qRgb(1, 2, 3));
    return picture;
}

std::string bmp(const QImage& picture) { return knapro::bmpFileBytes(picture); }

} // namespace

TEST(SkinWindows, EachTabTakesItsWindowFromTheSkinOrSaysWhyItStaysEmpty)
{
    const QImage main = windowPicture(qRgb(200, 0, 0)), eq = windowPicture(qRgb(0, 200, 0)),
                 pl = windowPicture(qRgb(0, 0, 200));
    QImage eqmain = windowPicture(qRgb(0, 90, 0), 275, 315);
    eqmain.setPixel(0, 116, qRgb(255, 255, 255));
    const QImage none;
    struct Case
    {
        const char* what;
        std::vector<kit::testing::ZipEntry> members;
        std::array<QImage, 3> pictures;
        QString report;
    };
    const Case cases[] = {
        {"Knapro's names, in any case, one folder deep",
         {{"Blue/", ""}, {"Blue/MAIN.BMP", bmp(main)}, {"Blue/Eq.bmp", bmp(eq)}, {"Blue/pl.bmp", bmp(pl)},
          {"Blue/eqmain.bmp", bmp(eqmain)}},
         {main, eq, pl},
         ""},
        {"the kit's whole pictures of the windows before any other",
         {{"main.bmp", bmp(eq)}, {"window-main.bmp", bmp(main)}, {"eq.bmp", bmp(main)},
          {"Window-Equalizer.bmp", bmp(eq)}, {"pl.bmp", bmp(main)}, {"window-playlist.bmp", bmp(pl)}},
         {main, eq, pl},
         ""},
        {"the player's own bitmaps",
         {{"main.bmp", bmp(main)}, {"eqmain.bmp", bmp(eqmain)}, {"pledit.bmp", bmp(pl)}},
         {main, eqmain.copy(0, 0, 275, 116), none},
         "Blue.wsz: eqmain.bmp is the equalizer's background only: the Equalizer tab shows its top 275 x 116 pixels, "
         "without the window's title bar, buttons and sliders.\n"
         "Blue.wsz has no window-playlist.bmp or pl.bmp, so the Playlist Editor tab stays empty. The player draws that "
         "window from the pieces in pledit.bmp, which Knapro does not put together."},
        {"pictures that cannot be taken or cut",
         {{"main.bmp", "not a picture"}, {"eq.bmp", bmp(eq), true, true}, {"pl.bmp", bmp(windowPicture(qRgb(9, 9, 9), 274, 116))}},
         {none, none, windowPicture(qRgb(9, 9, 9), 274, 116)},
         "Blue.wsz: main.bmp is not a BMP, JPEG or GIF picture, so the Main Window tab stays empty.\n"
         "Blue.wsz: eq.bmp could not be read (encrypted; the player cannot read it), so the Equalizer tab stays empty.\n"
         "Blue.wsz: pl.bmp is 274 x 116 pixels; elements are cut only from pictures of 275 x 116."},
        {"a picture larger than a window, not even read",
         {{"main.bmp", bmp(windowPicture(qRgb(9, 9, 9), 276, 116))}, {"eq.bmp", bmp(eq)}, {"pl.bmp", bmp(pl)}},
         {none, eq, pl},
         "Blue.wsz: main.bmp is 276 x 116 pixels, larger than any window; it is not read, so the Main Window tab "
         "stays empty."},
        {"an empty skin",
         {{"readme.txt", "hello"}},
         {none, none, none},
         "Blue.wsz has no window-main.bmp or main.bmp, so the Main Window tab stays empty.\n"
         "Blue.wsz has no window-equalizer.bmp, eq.bmp or eqmain.bmp, so the Equalizer tab stays empty.\n"
         "Blue.wsz has no window-playlist.bmp or pl.bmp, so the Playlist Editor tab stays empty."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const kit::SkinOpen opened = kit::SkinSource::openArchive(zipArchive(c.members), "Blue.wsz");
        ASSERT_TRUE(opened.skin) << opened.message;
        const knapro::SkinWindowPictures found = knapro::readSkinWindowPictures(*opened.skin);
        for (size_t tab = 0; tab < found.size(); ++tab)
            EXPECT_EQ(found[tab].picture, c.pictures[tab].convertToFormat(QImage::Format_ARGB32)) << "tab " << tab;
        EXPECT_EQ(knapro::skinWindowReport(*opened.skin, found), c.report);
    }
}

TEST(SkinWindows, TheMainTabShowsTheWindowComposedFromTheSkinsBitmapsAndSaysFromWhich)
{
    using kit::SkinFile;
    using namespace kit::testing;
    const QImage whole = windowPicture(qRgb(7, 7, 7));
    const QRgb black = qRgb(0, 0, 0), main = flatSkinColour(SkinFile::Main), noPicture = 0;
    struct Case
    {
        const char* what;
        std::vector<SkinFile> without;
        std::vector<ZipEntry> more;
        std::array<QRgb, 4> atPlayTitleVolumeBackground; // 0: that of the whole picture
        QString report;
        bool complete;
    };
    const Case cases[] = {
        {"every bitmap", {}, {},
         {flatSkinColour(SkinFile::CButtons), flatSkinColour(SkinFile::TitleBar), flatSkinColour(SkinFile::Volume), main},
         "Blue.wsz: the Main Window tab is composed from main.bmp, cbuttons.bmp, shufrep.bmp, posbar.bmp, volume.bmp, "
         "monoster.bmp, titlebar.bmp, text.bmp, numbers.bmp and playpaus.bmp.",
         true},
        {"bitmaps missing or no picture", {SkinFile::TitleBar, SkinFile::Volume}, {{"Blue/CBUTTONS.BMP", "not a picture"}},
         {main, main, main, main},
         "Blue.wsz: the Main Window tab is composed from main.bmp, shufrep.bmp, posbar.bmp, monoster.bmp, text.bmp, "
         "numbers.bmp and playpaus.bmp. Blue.wsz has no volume.bmp or titlebar.bmp. Blue.wsz: Blue/CBUTTONS.BMP is not "
         "a BMP, JPEG or GIF picture. What those would draw is not in the window.",
         false},
        {"no background", {SkinFile::Main}, {},
         {flatSkinColour(SkinFile::CButtons), flatSkinColour(SkinFile::TitleBar), flatSkinColour(SkinFile::Volume), black},
         "Blue.wsz: the Main Window tab is composed from cbuttons.bmp, shufrep.bmp, posbar.bmp, volume.bmp, monoster.bmp, "
         "titlebar.bmp, text.bmp, numbers.bmp and playpaus.bmp. Blue.wsz has no main.bmp. What those would draw is not in "
         "the window.",
         false},
        {"a whole picture of the window before the bitmaps", {}, {{"Blue/window-main.bmp", bmp(whole)}},
         {noPicture, noPicture, noPicture, noPicture}, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ZipEntry> members = flatSkinMembers("Blue/", c.without);
        members.push_back({"Blue/window-equalizer.bmp", bmp(windowPicture(qRgb(0, 200, 0)))});
        members.push_back({"Blue/window-playlist.bmp", bmp(windowPicture(qRgb(0, 0, 200)))});
        for (const ZipEntry& more : c.more) {
            std::erase_if(members, [&](const ZipEntry& member) {
                return QString::fromStdString(member.name).compare(QString::fromStdString(more.name), Qt::CaseInsensitive) == 0;
            });
            members.push_back(more);
        }
        const kit::SkinOpen opened = kit::SkinSource::openArchive(zipArchive(members), "Blue.wsz");
        ASSERT_TRUE(opened.skin) << opened.message;
        const knapro::SkinWindowPictures found = knapro::readSkinWindowPictures(*opened.skin);
        const QImage& shown = found[0].picture;
        ASSERT_EQ(shown.size(), QSize(275, 116));
        const QPoint points[] = {kPlayPoint, kTitleBarPoint, kVolumePoint, kBackgroundPoint};
        for (size_t i = 0; i < std::size(points); ++i) {
            const QRgb expected = c.atPlayTitleVolumeBackground[i] ? c.atPlayTitleVolumeBackground[i] : whole.pixel(points[i]);
            EXPECT_EQ(QColor(shown.pixel(points[i])), QColor(expected)) << "point " << i;
        }
        EXPECT_EQ(knapro::skinWindowReport(*opened.skin, found), c.report);
        EXPECT_EQ(knapro::skinWindowsComplete(found), c.complete);
    }
}
