#include "workbench/core/skin.h"

#include "common/core/fileio.h"
#include "common/core/pictureload.h"
#include "common/core/textconversion.h"
#include "workbench/core/pixels.h"
#include "workbench/core/skinfont.h"

#include <algorithm>

namespace tessel {
namespace {

// The transport buttons: where each stands in the main window and where its
// picture starts in cbuttons.bmp (the held picture lies right below it).
struct TransportPiece
{
    TransportButton button;
    QRect area;
    int sourceX;
};
constexpr TransportPiece kTransport[] = {
    {TransportButton::Back, {16, 88, 23, 18}, 0},     {TransportButton::Play, {39, 88, 23, 18}, 23},
    {TransportButton::Pause, {62, 88, 23, 18}, 46},   {TransportButton::Stop, {85, 88, 23, 18}, 69},
    {TransportButton::Forward, {108, 88, 22, 18}, 92}, {TransportButton::Eject, {136, 89, 23, 16}, 114},
};
constexpr QRect kShuffleArea {164, 89, 48, 15};

// volume.bmp has no balance strip of its own; a centred balance shows the
// calm first background of the volume strip, the one at row 0.
constexpr int kBalanceRow = 0;

constexpr int kTimeDigits[] = {0, 1, 2, 2};
constexpr int kTimeDigitX[] = {48, 60, 78, 90};
constexpr int kRateDigits[] = {1, 2, 8, 4, 4};
constexpr int kRateDigitX[] = {111, 116, 121, 156, 161};

SkinLoadError errorOf(kit::PictureLoad::Error error)
{
    switch (error) {
    case kit::PictureLoad::Error::None: return SkinLoadError::None;
    case kit::PictureLoad::Error::NotAPicture: return SkinLoadError::NotAPicture;
    case kit::PictureLoad::Error::Unreadable: break;
    }
    return SkinLoadError::Unreadable;
}

} // namespace

QString findSkinFile(const QString& directory, const QString& name)
{
    QStringList entries;
    for (const std::string& entry : kit::folderEntries(kit::toPath(directory), kit::EntryKind::File))
        entries << kit::fromPath(entry);
    entries.sort();
    if (entries.contains(name))
        return directory + name;
    const auto match = std::find_if(entries.begin(), entries.end(), [&name](const QString& entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
    return match == entries.end() ? QString() : directory + *match;
}

SkinLoad LoadSkin(const QString& skinDirectory)
{
    SkinLoad load;
    for (int file = 0; file < kSkinFileCount; ++file) {
        const QString name = QString::fromLatin1(kSkinFileNames[static_cast<size_t>(file)]);
        QString path = findSkinFile(skinDirectory, name);
        SkinLoadError error = SkinLoadError::Missing;
        if (!path.isEmpty()) {
            const kit::PictureLoad picture = kit::loadPicture(path, kSkinFileSizeLimit);
            error = errorOf(picture.error);
            if (error == SkinLoadError::None)
                load.pictures.images[static_cast<size_t>(file)] = picture.image.convertToFormat(QImage::Format_RGB32);
        }
        if (load.pictures.images[static_cast<size_t>(file)].isNull() && load.failedFile < 0) {
            load.failedFile = file;
            load.error = error;
            load.failedPath = path.isEmpty() ? skinDirectory + name : path;
        }
    }
    return load;
}

QString skinLoadMessage(const SkinLoad& load)
{
    switch (load.error) {
    case SkinLoadError::None: return {};
    case SkinLoadError::NotAPicture:
        return QStringLiteral("Unrecognized BMP Format: ") + load.failedPath + QStringLiteral("\r\nResave file in a BMP editor.");
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

std::vector<SkinPiece> mainWindowPieces(const MainWindowLook& look)
{
    std::vector<SkinPiece> pieces;
    const auto add = [&pieces](SkinFile source, QRect from, QPoint to) { pieces.push_back({source, from, to}); };

    for (const TransportPiece& button : kTransport) {
        const int sourceY = look.pressed == button.button ? button.area.height() : 0;
        add(SkinFile::CButtons, {button.sourceX, sourceY, button.area.width(), button.area.height()},
            button.area.topLeft());
    }
    add(SkinFile::ShufRep, {28, look.pressed == TransportButton::Shuffle ? 14 : 0, 48, 15}, kShuffleArea.topLeft());
    add(SkinFile::ShufRep, {0, 0, 28, 15}, {211, 89});
    add(SkinFile::ShufRep, {0, 61, 46, 12}, {218, 58});
    add(SkinFile::PosBar, {0, 0, 248, 10}, {16, 72});
    add(SkinFile::Volume, {0, 405, 68, 13}, {107, 57});
    add(SkinFile::Volume, {15, 422, 14, 13}, {158, 58});
    add(SkinFile::Volume, {9, kBalanceRow, 36, 13}, {177, 57});
    add(SkinFile::Volume, {15, 422, 14, 13}, {188, 58});

    const int stereoRow = look.channel == Channel::Stereo ? 0 : 12;
    const int monoRow = look.channel == Channel::Mono ? 0 : 12;
    add(SkinFile::MonoSter, {0, stereoRow, 29, 12}, {239, 41});
    add(SkinFile::MonoSter, {29, monoRow, 29, 12}, {look.channel == Channel::Stereo ? 210 : 212, 41});

    add(SkinFile::TitleBar, {27, 0, 302, 12}, {0, 0});
    add(SkinFile::TitleBar, {312, 0, 8, 43}, {10, 22});
    add(SkinFile::PlayPaus, {0, 0, 9, 9}, {26, 28});
    add(SkinFile::PlayPaus, {36, 0, 3, 9}, {24, 28});

    add(SkinFile::Numbers, {20, 6, 5, 1}, {40, 32});
    for (size_t i = 0; i < std::size(kTimeDigits); ++i)
        add(SkinFile::Numbers, {9 * kTimeDigits[i], 0, 9, 13}, {kTimeDigitX[i], 26});
    for (size_t i = 0; i < std::size(kRateDigits); ++i)
        add(SkinFile::Text, {kGlyphWidth * kRateDigits[i], kGlyphHeight, kGlyphWidth, kGlyphHeight}, {kRateDigitX[i], 43});

    const auto titleCell = [](int cell) { return QPoint(112 + kGlyphWidth * cell, 27); };
    for (int cell = 0; cell < kTitleCells; ++cell)
        add(SkinFile::Text, {kBlankGlyph, QSize(kGlyphWidth, kGlyphHeight)}, titleCell(cell));
    const QList<uint> characters = look.title.toUcs4();
    for (int cell = 0; cell < kTitleCells && cell < characters.size(); ++cell)
        add(SkinFile::Text, {glyphFor(characters[cell]), QSize(kGlyphWidth, kGlyphHeight)}, titleCell(cell));
    return pieces;
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

TransportButton buttonAt(QPoint point)
{
    for (const TransportPiece& button : kTransport)
        if (button.area.contains(point))
            return button.button;
    return TransportButton::None;
}

int knobLeft(int pointerX, int grabX) { return std::clamp(pointerX - grabX, kKnobLeftmost, kKnobRightmost); }

} // namespace tessel
