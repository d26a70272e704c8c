#include "button_builder/core/skinwindows.h"

#include "button_builder/core/picture.h"
#include "common/core/pictureload.h"
#include "common/core/skinsource.h"
#include "common/core/textconversion.h"

#include <QStringList>

namespace knapro {
namespace {

// eqmain.bmp holds the sliders and buttons below the window itself.
constexpr std::string_view kPlayerEqualizerName = "eqmain.bmp";

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
        && result.picture.height() >= kPictureHeight)
        result.picture = result.picture.copy(0, 0, kPictureWidth, kPictureHeight);
    result.outcome = SkinWindowPicture::Outcome::Loaded;
    return result;
}

QString tabCaption(int tab) { return kit::toQString(tabDescriptors()[static_cast<size_t>(tab)].caption); }

} // namespace

SkinWindowPictures readSkinWindowPictures(const kit::SkinSource& skin)
{
    SkinWindowPictures pictures;
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (const std::string_view name : skinWindowNames(tab)) {
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
            const QString last = names.takeLast();
            const QString lookedFor = names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
            lines << QStringLiteral("%1 has no %2").arg(kit::toQString(skin.displayName()), lookedFor) + stays;
            break;
        }
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

} // namespace knapro
