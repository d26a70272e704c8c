#include "skin_checker/core/checks.h"

#include "common/core/elementtable.h"
#include "common/core/pictureload.h"
#include "common/core/skinpieces.h"
#include "common/core/skinsource.h"

#include <QRect>

#include <algorithm>
#include <array>

namespace skincheck {
namespace {

// A rectangle the kit cuts from a bitmap, by the name an author knows it by.
struct Cut
{
    QRect rect;
    std::string name;
};

// A bitmap the kit's tables cut from.
struct Sheet
{
    std::string_view file;
    QSize size;        // the player's size of it, or Knapro's for its window pictures
    bool playerReads;  // else Knapro's own window picture
    std::vector<Cut> cuts;
};

// The player's sizes of the main window's ten bitmaps, in loading order.
constexpr std::array<QSize, kit::kSkinFileCount> kPlayerSizes {{
    {275, 116}, {136, 36}, {92, 85}, {307, 10}, {68, 433}, {56, 24}, {344, 87}, {155, 18}, {99, 13}, {42, 9},
}};

// Every element the element table cuts from the window picture of `tab`, each
// rectangle once under its label.
std::vector<Cut> elementCuts(int tab)
{
    std::vector<Cut> cuts;
    const auto add = [&cuts](const kit::ElementRect& r, std::string_view label) {
        const QRect rect(r.intX, r.intY, r.intWidth, r.intHeight);
        std::string name = label.empty() ? std::string("title bar filler") : std::string(label);
        if (std::none_of(cuts.begin(), cuts.end(), [&](const Cut& cut) { return cut.rect == rect && cut.name == name; }))
            cuts.push_back({rect, std::move(name)});
    };
    for (const kit::ClickableArea& area : kit::clickableAreas(tab))
        if (area.action == kit::AreaAction::Cut)
            add(area.cut, area.label);
    for (const kit::MenuItem& item : kit::elementMenu(tab))
        if (item.kind == kit::MenuItem::Kind::Command)
            if (const auto element = kit::elementForCommand(item.name))
                add(element->cut, element->label);
    return cuts;
}

std::vector<Sheet> buildSheets()
{
    std::vector<Sheet> sheets;
    for (int file = 0; file < kit::kSkinFileCount; ++file)
        sheets.push_back({kit::kSkinFileNames[static_cast<size_t>(file)], kPlayerSizes[static_cast<size_t>(file)], true, {}});
    // main.bmp is the window's background, drawn whole, and the picture the
    // element table cuts the main window's elements from.
    sheets[0].cuts = elementCuts(kit::MainWindowTab);
    sheets[0].cuts.push_back({QRect(QPoint(0, 0), kit::kMainWindowSize), "the window's background"});
    for (const kit::NamedPiece& piece : kit::everySkinPiece())
        sheets[static_cast<size_t>(piece.source)].cuts.push_back({piece.from, piece.name});
    // Knapro's whole pictures of the three windows, where the player has no such file.
    for (int tab = 0; tab < kit::kTabCount; ++tab)
        for (const std::string_view name : kit::skinWindowNames(tab))
            if (!playerReads(name))
                sheets.push_back({name, {kit::kPictureWidth, kit::kPictureHeight}, false, elementCuts(tab)});
    return sheets;
}

// Bitmaps the player reads that the kit cuts nothing from.
constexpr std::string_view kOtherPlayerBitmaps[] = {
    "balance.bmp", "nums_ex.bmp", "eqmain.bmp", "eq_ex.bmp", "pledit.bmp", "gen.bmp", "genex.bmp", "mb.bmp", "video.bmp",
};

std::string sizeText(QSize size) { return std::to_string(size.width()) + " x " + std::to_string(size.height()); }

// The picture in `member`, or nothing after a finding saying why there is none.
// A picture in another format under a .bmp name is taken, with a warning when
// it stands where the player expects a bitmap.
bool decode(Checking& checking, const kit::SkinMember& member, bool playerReads, QImage& image)
{
    std::string bytes;
    if (!checking.read(member, bytes))
        return false;
    const kit::PictureLoad load = kit::decodePicture(bytes, kit::kLargestSkinBitmap);
    if (load.error == kit::PictureLoad::Error::TooLarge) {
        checking.add(Level::Error, member.storedName,
                     "is " + sizeText(load.size) + ", far larger than any skin bitmap; it is not read");
        return false;
    }
    if (load.error != kit::PictureLoad::Error::None) {
        checking.add(Level::Error, member.storedName, "not a picture the kit can read");
        return false;
    }
    if (playerReads && load.format != "bmp")
        checking.add(Level::Warning, member.storedName,
                     "a " + load.format.toUpper().toStdString() + " picture under a .bmp name; the player reads only BMP");
    image = load.image;
    return true;
}

void checkSheet(Checking& checking, const Sheet& sheet)
{
    const kit::SkinMember* member = checking.skin.find(sheet.file);
    if (member == nullptr) {
        if (sheet.playerReads)
            checking.add(Level::Note, std::string(sheet.file), "missing; the player draws its own default picture instead");
        return;
    }
    QImage image;
    if (!member->refusal.empty() || !decode(checking, *member, sheet.playerReads, image))
        return;

    const QSize size = image.size();
    std::vector<std::string> lost;
    for (const Cut& cut : sheet.cuts) {
        const QRect needed = cut.rect.intersected(QRect(QPoint(0, 0), sheet.size));
        if (!QRect(QPoint(0, 0), size).contains(needed) && std::find(lost.begin(), lost.end(), cut.name) == lost.end())
            lost.push_back(cut.name);
    }
    const std::string is = "is " + sizeText(size);
    if (!lost.empty())
        checking.add(Level::Error, member->storedName,
                     is + ", smaller than the " + sizeText(sheet.size) + " the kit cuts from; cut off: " + listed(lost));
    else if (!sheet.playerReads && size != sheet.size)
        checking.add(Level::Warning, member->storedName, is + "; Knapro cuts only " + sizeText(sheet.size) + " pictures");
    else if (size.width() < sheet.size.width() || size.height() < sheet.size.height())
        checking.add(Level::Note, member->storedName,
                     is + ", smaller than the player's " + sizeText(sheet.size)
                         + "; the kit's pieces fit, but parts it does not cut may be missing");
    else if (size != sheet.size)
        checking.add(Level::Note, member->storedName,
                     is + ", larger than the player's " + sizeText(sheet.size) + "; the rest is never shown");
}

} // namespace

void checkBitmaps(Checking& checking)
{
    static const std::vector<Sheet> sheets = buildSheets();
    for (const Sheet& sheet : sheets)
        if (sheet.playerReads)
            checkSheet(checking, sheet);
    for (const std::string_view file : kOtherPlayerBitmaps) {
        QImage image;
        if (const kit::SkinMember* member = checking.usable(file))
            decode(checking, *member, true, image);
    }
    for (const Sheet& sheet : sheets)
        if (!sheet.playerReads)
            checkSheet(checking, sheet);
}

} // namespace skincheck
