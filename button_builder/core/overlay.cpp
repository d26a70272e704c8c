#include "button_builder/core/overlay.h"

#include "button_builder/core/elementtable.h"
#include "button_builder/core/picture.h"

#include <QFont>
#include <QPainter>

#include <array>

namespace knapro {
namespace {

const QColor kSampleText {0x7c, 0xd9, 0x7c};
const QColor kSampleDim {0x4b, 0x57, 0x6e};

void useSmallFont(QPainter& painter, int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
}

void drawMainWindowSample(QPainter& painter)
{
    // The visualization display with a frozen spectrum.
    const QRect display(24, 43, 74, 17);
    painter.fillRect(display, Qt::black);
    constexpr std::array<int, 19> levels {5, 9, 13, 15, 12, 14, 10, 8, 11, 9, 7, 8, 6, 5, 6, 4, 3, 2, 1};
    for (size_t i = 0; i < levels.size(); ++i) {
        const int x = display.left() + 1 + static_cast<int>(i) * 4;
        for (int y = 0; y < levels[i]; ++y)
            painter.fillRect(x, display.bottom() - y, 3, 1, QColor::fromHsv(120 - y * 8, 220, 230));
    }
    useSmallFont(painter, 7);
    painter.setPen(kSampleText);
    painter.drawText(QRect(110, 42, 16, 8), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("128"));
    painter.drawText(QRect(154, 42, 12, 8), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("44"));
    painter.setPen(kSampleDim);
    painter.drawText(QRect(127, 42, 24, 8), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kbps"));
    painter.drawText(QRect(167, 42, 24, 8), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kHz"));
}

void drawEqualizerSample(QPainter& painter)
{
    useSmallFont(painter, 7);
    painter.setPen(kSampleText);
    const auto scaleLine = [&painter](int y, const QString& text) {
        painter.drawText(QRect(37, y - 4, 36, 9), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    scaleLine(41, QStringLiteral("+12 db"));
    scaleLine(69, QStringLiteral("+0 db"));
    scaleLine(97, QStringLiteral("-12 db"));

    constexpr std::array<const char*, 10> bands {"60", "170", "310", "600", "1K", "3K", "6K", "12K", "14K", "16K"};
    for (size_t band = 0; band < bands.size(); ++band) {
        const int centre = 78 + 18 * static_cast<int>(band) + 7;
        painter.drawText(QRect(centre - 9, 103, 18, 9), Qt::AlignCenter, QString::fromLatin1(bands[band]));
    }
    painter.drawText(QRect(8, 103, 40, 9), Qt::AlignCenter, QStringLiteral("PREAMP"));
}

void drawPlaylistSample(QPainter& painter)
{
    const QRect list(27, 21, 220, 56);
    painter.fillRect(list, Qt::black);
    useSmallFont(painter, 7);
    constexpr std::array<std::pair<const char*, const char*>, 5> tracks {{
        {"1. Example Band - Opening Theme", "3:41"},
        {"2. Example Band - Second Light", "4:05"},
        {"3. Sample Trio - Paper Harbour", "2:58"},
        {"4. Sample Trio - Slow Signal", "5:12"},
        {"5. Placeholder - Last Song", "3:27"},
    }};
    for (size_t i = 0; i < tracks.size(); ++i) {
        const int y = list.top() + 1 + static_cast<int>(i) * 9;
        if (i == 1)
            painter.fillRect(list.left(), y, list.width(), 9, QColor(0x10, 0x2a, 0x6a));
        painter.setPen(i == 1 ? Qt::white : kSampleText);
        painter.drawText(QRect(list.left() + 2, y, 180, 9), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromLatin1(tracks[i].first));
        painter.drawText(QRect(list.right() - 30, y, 28, 9), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(tracks[i].second));
    }

    // The small transport display: previous, play, pause, stop, next, then the time.
    const int y = list.bottom() - 8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSampleText);
    int x = list.left() + 3;
    painter.drawRect(x, y + 2, 1, 5);
    painter.drawPolygon(QPolygon({QPoint(x + 5, y + 2), QPoint(x + 5, y + 7), QPoint(x + 2, y + 4)}));
    x += 10;
    painter.drawPolygon(QPolygon({QPoint(x, y + 1), QPoint(x, y + 7), QPoint(x + 4, y + 4)}));
    x += 8;
    painter.drawRect(x, y + 2, 1, 5);
    painter.drawRect(x + 3, y + 2, 1, 5);
    x += 8;
    painter.drawRect(x, y + 2, 5, 5);
    x += 9;
    painter.drawPolygon(QPolygon({QPoint(x, y + 2), QPoint(x, y + 7), QPoint(x + 3, y + 4)}));
    painter.drawRect(x + 4, y + 2, 1, 5);
    painter.setPen(kSampleText);
    painter.drawText(QRect(x + 12, y, 30, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1:07"));
}

} // namespace

QImage overlayPicture(int tab)
{
    QImage overlay(kPictureWidth, kPictureHeight, QImage::Format_ARGB32);
    overlay.fill(kOverlayBackdrop);
    {
        QPainter painter(&overlay);
        switch (tab) {
        case MainWindowTab: drawMainWindowSample(painter); break;
        case EqualizerTab: drawEqualizerSample(painter); break;
        case PlaylistTab: drawPlaylistSample(painter); break;
        default: break;
        }

        // Outlines first and holes afterwards, so that no outline ever hides a pixel
        // that some element cuts.
        painter.setPen(kOverlayOutline);
        painter.setBrush(Qt::NoBrush);
        for (const ElementRect& cut : cutRectangles(tab))
            painter.drawRect(toQRect(cut).adjusted(-1, -1, 0, 0));
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const ElementRect& cut : cutRectangles(tab))
            painter.fillRect(toQRect(cut), Qt::transparent);
    }
    return overlay;
}

} // namespace knapro
