#include "button_builder/core/skinwindows.h"

#include "button_builder/core/picture.h"
#include "common/core/pictureload.h"
#include "common/core/skinsource.h"
#include "common/core/textconversion.h"

#include <QStringList>

#include <algorithm>

namespace knapro {
namespace {

// eqmain.bmp holds the sliders and buttons below the window itself.
constexpr std::string_view kPlayerEqualizerName = "eqmain.bmp";
constexpr std::string_view kPlayerMainName = "main.bmp";
constexpr std::string_view kPlayerPlaylistName = "pledit.bmp";

// The main window as it stands still: no button held, stereo lit, and no song
// title, so that no text of ours is cut as if it were the skin's.
const kit::MainWindowLook kComposedLook {};

SkinWindowPicture readMember(const kit::SkinSource& skin, const kit::SkinMember& member, std::string_view name)
{
    SkinWindowPicture result;
    result.member = kit::toQString(skin.memberDisplayName(member));
    const kit::SkinRead read = skin.read(member);
    if (!read.error.empty()) {
        result.outcome = SkinWindowPicture::Outcome::Unreadable;
        result.reason = kit::toQString(read.error);
        return result;
    }
    // Only the top of eqmain.bmp is the window; the rest is its sliders and buttons.
    const OpenedPicture opened = decodePicture(
        read.bytes, name == kPlayerEqualizerName ? kit::kLargestSkinBitmap : QSize(kPictureWidth, kPictureHeight));
    result.picture = opened.image;
    result.size = opened.size;
    if (result.picture.isNull()) {
        result.outcome = opened.size.isEmpty() ? SkinWindowPicture::Outcome::NotAPicture
                                               : SkinWindowPicture::Outcome::TooLarge;
        return result;
    }
    if (name == kPlayerEqualizerName && result.picture.width() >= kPictureWidth
        && result.picture.height() >= kPictureHeight) {
        result.picture = result.picture.copy(0, 0, kPictureWidth, kPictureHeight);
        result.outcome = SkinWindowPicture::Outcome::Background;
        return result;
    }
    result.outcome = SkinWindowPicture::Outcome::Loaded;
    return result;
}

SkinWindowPicture composedMainWindow(const kit::SkinSource& skin)
{
    const kit::SkinBitmaps bitmaps = kit::readSkinBitmaps(skin);
    SkinWindowPicture result;
    result.outcome = SkinWindowPicture::Outcome::Composed;
    result.member = kit::toQString(skin.displayName());
    result.bitmaps = bitmaps.reads;
    result.picture = kit::DrawMainWindow(bitmaps.pictures, kComposedLook).convertToFormat(QImage::Format_ARGB32);
    return result;
}

// "a.bmp", "a.bmp and b.bmp", "a.bmp, b.bmp and c.bmp" (or with "or").
QString listed(QStringList names, const QString& conjunction)
{
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QLatin1Char(' ') + conjunction + QLatin1Char(' ') + last;
}

QString compositionLine(const SkinWindowPicture& composed)
{
    QStringList used, missing, faults;
    for (size_t file = 0; file < composed.bitmaps.size(); ++file) {
        const kit::SkinBitmapRead& read = composed.bitmaps[file];
        const QString name = QLatin1String(kit::kSkinFileNames[file]);
        switch (read.outcome) {
        case kit::SkinBitmapRead::Outcome::Loaded: used << name; break;
        case kit::SkinBitmapRead::Outcome::Missing: missing << name; break;
        case kit::SkinBitmapRead::Outcome::NotAPicture:
            faults << QStringLiteral("%1 is not a BMP, JPEG or GIF picture.").arg(read.shownName);
            break;
        case kit::SkinBitmapRead::Outcome::Unreadable:
            faults << QStringLiteral("%1 could not be read (%2).").arg(read.shownName, read.reason);
            break;
        }
    }
    QString line = QStringLiteral("%1: the Main Window tab is composed from %2.")
                       .arg(composed.member,
                            used.isEmpty() ? QStringLiteral("none of its bitmaps") : listed(used, QStringLiteral("and")));
    if (!missing.isEmpty())
        line += QStringLiteral(" %1 has no %2.").arg(composed.member, listed(missing, QStringLiteral("or")));
    for (const QString& fault : faults)
        line += QLatin1Char(' ') + fault;
    if (!missing.isEmpty() || !faults.isEmpty())
        line += QStringLiteral(" What those would draw is not in the window.");
    return line;
}

bool composedWhole(const SkinWindowPicture& composed)
{
    return std::all_of(composed.bitmaps.begin(), composed.bitmaps.end(), [](const kit::SkinBitmapRead& read) {
        return read.outcome == kit::SkinBitmapRead::Outcome::Loaded;
    });
}

QString tabCaption(int tab) { return kit::toQString(tabDescriptors()[static_cast<size_t>(tab)].caption); }

} // namespace

SkinWindowPictures readSkinWindowPictures(const kit::SkinSource& skin)
{
    SkinWindowPictures pictures;
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (const std::string_view name : skinWindowNames(tab)) {
            if (name == kPlayerMainName && kit::holdsMainWindowPieces(skin)) {
                pictures[static_cast<size_t>(tab)] = composedMainWindow(skin);
                break;
            }
            const kit::SkinMember* member = skin.find(name);
            if (member != nullptr && !member->directory) {
                pictures[static_cast<size_t>(tab)] = readMember(skin, *member, name);
                break;
            }
        }
    }
    return pictures;
}

QString skinWindowReport(const kit::SkinSource& skin, const SkinWindowPictures& pictures)
{
    QStringList lines;
    for (int tab = 0; tab < kTabCount; ++tab) {
        const SkinWindowPicture& found = pictures[static_cast<size_t>(tab)];
        const QString stays = QStringLiteral(", so the %1 tab stays empty.").arg(tabCaption(tab));
        switch (found.outcome) {
        case SkinWindowPicture::Outcome::Missing: {
            QStringList names;
            for (const std::string_view name : skinWindowNames(tab))
                names << kit::toQString(name);
            const QString lookedFor = listed(names, QStringLiteral("or"));
            QString line = QStringLiteral("%1 has no %2").arg(kit::toQString(skin.displayName()), lookedFor) + stays;
            if (tab == kit::PlaylistTab && skin.find(kPlayerPlaylistName))
                line += QStringLiteral(" The player draws that window from the pieces in pledit.bmp, which Knapro does "
                                       "not put together.");
            lines << line;
            break;
        }
        case SkinWindowPicture::Outcome::Composed: lines << compositionLine(found); break;
        case SkinWindowPicture::Outcome::Background:
            lines << QStringLiteral("%1 is the equalizer's background only: the Equalizer tab shows its top 275 x 116 "
                                    "pixels, without the window's title bar, buttons and sliders.")
                         .arg(found.member);
            break;
        case SkinWindowPicture::Outcome::Unreadable:
            lines << QStringLiteral("%1 could not be read (%2)").arg(found.member, found.reason) + stays;
            break;
        case SkinWindowPicture::Outcome::NotAPicture:
            lines << QStringLiteral("%1 is not a BMP, JPEG or GIF picture").arg(found.member) + stays;
            break;
        case SkinWindowPicture::Outcome::TooLarge:
            lines << QStringLiteral("%1 is %2 x %3 pixels, larger than any window; it is not read")
                             .arg(found.member)
                             .arg(found.size.width())
                             .arg(found.size.height())
                         + stays;
            break;
        case SkinWindowPicture::Outcome::Loaded:
            if (!hasWindowSize(found.picture))
                lines << QStringLiteral("%1 is %2 x %3 pixels; elements are cut only from pictures of 275 x 116.")
                             .arg(found.member)
                             .arg(found.picture.width())
                             .arg(found.picture.height());
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

bool skinWindowsComplete(const SkinWindowPictures& pictures)
{
    return std::all_of(pictures.begin(), pictures.end(), [](const SkinWindowPicture& found) {
        switch (found.outcome) {
        case SkinWindowPicture::Outcome::Loaded: return hasWindowSize(found.picture);
        case SkinWindowPicture::Outcome::Composed: return composedWhole(found);
        default: return false;
        }
    });
}

} // namespace knapro
