#include "common/core/skinpieces.h"

#include "common/core/skinfont.h"

#include <QList>

#include <algorithm>
#include <iterator>

namespace kit {
namespace {

// The transport buttons: where each stands in the main window and where its
// picture starts in cbuttons.bmp (the held picture lies right below it).
struct TransportPiece
{
    TransportButton button;
    QRect area;
    int sourceX;
    const char* name;
};
constexpr TransportPiece kTransport[] = {
    {TransportButton::Back, {16, 88, 23, 18}, 0, "previous button"},
    {TransportButton::Play, {39, 88, 23, 18}, 23, "play button"},
    {TransportButton::Pause, {62, 88, 23, 18}, 46, "pause button"},
    {TransportButton::Stop, {85, 88, 23, 18}, 69, "stop button"},
    {TransportButton::Forward, {108, 88, 22, 18}, 92, "next button"},
    {TransportButton::Eject, {136, 89, 23, 16}, 114, "eject button"},
};
constexpr QRect kShuffleArea {164, 89, 48, 15};
constexpr QRect kShuffle {28, 0, 48, 15};
constexpr int kShuffleHeldTop = 14;
constexpr QRect kRepeat {0, 0, 28, 15};
constexpr QRect kEqualizerPlaylist {0, 61, 46, 12};
constexpr QRect kPositionBar {0, 0, 248, 10};
constexpr QRect kVolumeBar {0, 405, 68, 13};
constexpr QRect kVolumeKnob {15, 422, 14, 13};
// volume.bmp has no balance strip of its own; a centred balance shows the
// calm first background of the volume strip, the one at row 0.
constexpr int kBalanceRow = 0;
constexpr QRect kBalanceBar {9, kBalanceRow, 36, 13};
// Lit in the top row, unlit in the row below.
constexpr QRect kStereo {0, 0, 29, 12};
constexpr QRect kMono {29, 0, 29, 12};
constexpr int kUnlitTop = 12;
constexpr QRect kTitleBar {27, 0, 302, 12};
constexpr QRect kSideButtons {312, 0, 8, 43};
constexpr QRect kPlayIndicator {0, 0, 9, 9};
constexpr QRect kIndicatorEdge {36, 0, 3, 9};
constexpr QRect kMinusSign {20, 6, 5, 1};
constexpr QRect timeDigit(int digit) { return {9 * digit, 0, 9, 13}; }
constexpr QRect glyph(QPoint at) { return {at, QSize(kGlyphWidth, kGlyphHeight)}; }

constexpr int kTimeDigits[] = {0, 1, 2, 2};
constexpr int kTimeDigitX[] = {48, 60, 78, 90};
constexpr int kRateDigits[] = {1, 2, 8, 4, 4};
constexpr int kRateDigitX[] = {111, 116, 121, 156, 161};

QRect movedTop(QRect rect, int top)
{
    rect.moveTop(top);
    return rect;
}

std::vector<NamedPiece> buildEveryPiece()
{
    std::vector<NamedPiece> pieces;
    const auto add = [&pieces](SkinFile source, QRect from, std::string name) {
        pieces.push_back({source, from, std::move(name)});
    };
    for (const TransportPiece& button : kTransport) {
        const QRect up(button.sourceX, 0, button.area.width(), button.area.height());
        add(SkinFile::CButtons, up, button.name);
        add(SkinFile::CButtons, movedTop(up, up.height()), std::string(button.name) + " held");
    }
    add(SkinFile::ShufRep, kShuffle, "shuffle button");
    add(SkinFile::ShufRep, movedTop(kShuffle, kShuffleHeldTop), "shuffle button held");
    add(SkinFile::ShufRep, kRepeat, "repeat button");
    add(SkinFile::ShufRep, kEqualizerPlaylist, "equalizer and playlist buttons");
    add(SkinFile::PosBar, kPositionBar, "position bar");
    add(SkinFile::PosBar, kKnobUp, "position knob");
    add(SkinFile::PosBar, kKnobHeld, "position knob held");
    add(SkinFile::Volume, kVolumeBar, "volume bar");
    add(SkinFile::Volume, kVolumeKnob, "volume and balance knob");
    add(SkinFile::Volume, kBalanceBar, "balance bar");
    add(SkinFile::MonoSter, kStereo, "stereo indicator lit");
    add(SkinFile::MonoSter, movedTop(kStereo, kUnlitTop), "stereo indicator unlit");
    add(SkinFile::MonoSter, kMono, "mono indicator lit");
    add(SkinFile::MonoSter, movedTop(kMono, kUnlitTop), "mono indicator unlit");
    add(SkinFile::TitleBar, kTitleBar, "title bar");
    add(SkinFile::TitleBar, kSideButtons, "side buttons");
    add(SkinFile::Text, glyph(kBlankGlyph), "blank glyph");
    for (const std::u32string_view row : fontRows()) {
        for (const char32_t character : row) {
            const QString text = QString::fromUcs4(&character, 1);
            add(SkinFile::Text, glyph(glyphFor(character)), "glyph " + text.toStdString());
        }
    }
    for (int digit = 0; digit < 10; ++digit)
        add(SkinFile::Numbers, timeDigit(digit), "time digit " + std::to_string(digit));
    add(SkinFile::Numbers, kMinusSign, "time minus sign");
    add(SkinFile::PlayPaus, kPlayIndicator, "play indicator");
    add(SkinFile::PlayPaus, kIndicatorEdge, "indicator edge");
    return pieces;
}

} // namespace

std::vector<SkinPiece> mainWindowPieces(const MainWindowLook& look)
{
    std::vector<SkinPiece> pieces;
    const auto add = [&pieces](SkinFile source, QRect from, QPoint to) { pieces.push_back({source, from, to}); };

    for (const TransportPiece& button : kTransport) {
        const int sourceY = look.pressed == button.button ? button.area.height() : 0;
        add(SkinFile::CButtons, {button.sourceX, sourceY, button.area.width(), button.area.height()},
            button.area.topLeft());
    }
    add(SkinFile::ShufRep, look.pressed == TransportButton::Shuffle ? movedTop(kShuffle, kShuffleHeldTop) : kShuffle,
        kShuffleArea.topLeft());
    add(SkinFile::ShufRep, kRepeat, {211, 89});
    add(SkinFile::ShufRep, kEqualizerPlaylist, {218, 58});
    add(SkinFile::PosBar, kPositionBar, {16, 72});
    add(SkinFile::Volume, kVolumeBar, {107, 57});
    add(SkinFile::Volume, kVolumeKnob, {158, 58});
    add(SkinFile::Volume, kBalanceBar, {177, 57});
    add(SkinFile::Volume, kVolumeKnob, {188, 58});

    const int stereoRow = look.channel == Channel::Stereo ? 0 : kUnlitTop;
    const int monoRow = look.channel == Channel::Mono ? 0 : kUnlitTop;
    add(SkinFile::MonoSter, movedTop(kStereo, stereoRow), {239, 41});
    add(SkinFile::MonoSter, movedTop(kMono, monoRow), {look.channel == Channel::Stereo ? 210 : 212, 41});

    add(SkinFile::TitleBar, kTitleBar, {0, 0});
    add(SkinFile::TitleBar, kSideButtons, {10, 22});
    add(SkinFile::PlayPaus, kPlayIndicator, {26, 28});
    add(SkinFile::PlayPaus, kIndicatorEdge, {24, 28});

    add(SkinFile::Numbers, kMinusSign, {40, 32});
    for (size_t i = 0; i < std::size(kTimeDigits); ++i)
        add(SkinFile::Numbers, timeDigit(kTimeDigits[i]), {kTimeDigitX[i], 26});
    for (size_t i = 0; i < std::size(kRateDigits); ++i)
        add(SkinFile::Text, {kGlyphWidth * kRateDigits[i], kGlyphHeight, kGlyphWidth, kGlyphHeight}, {kRateDigitX[i], 43});

    const auto titleCell = [](int cell) { return QPoint(112 + kGlyphWidth * cell, 27); };
    for (int cell = 0; cell < kTitleCells; ++cell)
        add(SkinFile::Text, glyph(kBlankGlyph), titleCell(cell));
    const QList<uint> characters = look.title.toUcs4();
    for (int cell = 0; cell < kTitleCells && cell < characters.size(); ++cell)
        add(SkinFile::Text, glyph(glyphFor(characters[cell])), titleCell(cell));
    return pieces;
}

TransportButton buttonAt(QPoint point)
{
    for (const TransportPiece& button : kTransport)
        if (button.area.contains(point))
            return button.button;
    return TransportButton::None;
}

const std::vector<NamedPiece>& everySkinPiece()
{
    static const std::vector<NamedPiece> pieces = buildEveryPiece();
    return pieces;
}

} // namespace kit
