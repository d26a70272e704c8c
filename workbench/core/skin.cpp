#include "workbench/core/skin.h"

#include "workbench/core/pixels.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessel {

bool isSkinArchive(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("wsz"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0;
}

QString skinTitleName(const QString& skinPath)
{
    return QFileInfo(QDir::cleanPath(skinPath)).fileName();
}

QString skinLoadMessage(const SkinLoad& load)
{
    switch (load.error) {
    case SkinLoadError::None: return {};
    case SkinLoadError::NotAPicture:
        return QStringLiteral("Unrecognized BMP Format: ") + load.failedPath + QStringLiteral("\r\nResave file in a BMP editor.");
    case SkinLoadError::SkinRefused: return QStringLiteral("Tessel could not open the skin ") + load.refusal + QLatin1Char('.');
    case SkinLoadError::Missing:
    case SkinLoadError::Unreadable: break;
    }
    return QStringLiteral("An Error occured while loading skin, Not all bmps were found in the directory specified.");
}

Channel channelFromText(const QString& text)
{
    if (text == QLatin1String("Stereo"))
        return Channel::Stereo;
    if (text == QLatin1String("Mono"))
        return Channel::Mono;
    return Channel::Off;
}

QImage DrawMainWindow(const SkinPictures& skin, const MainWindowLook& look)
{
    QImage window = blankPicture(kMainWindowSize);
    const QImage& main = skin[SkinFile::Main];
    copyPixels(main, main.rect(), window, {0, 0});
    for (const SkinPiece& piece : mainWindowPieces(look))
        copyPixels(skin[piece.source], piece.from, window, piece.to);
    return window;
}

int knobLeft(int pointerX, int grabX) { return std::clamp(pointerX - grabX, kKnobLeftmost, kKnobRightmost); }

} // namespace tessel
