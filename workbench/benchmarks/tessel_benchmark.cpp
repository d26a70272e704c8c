// What one tick of the animated analyzer costs, and what the repaints that run
// on every commit and every press on the skin preview cost.
#include "colourfile.h"
#include "pixels.h"
#include "skin.h"
#include "vispreview.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

tessel::ColourTable sampleTable()
{
    tessel::ColourTable table {};
    for (int i = 0; i < tessel::kColourEntries; ++i)
        table[static_cast<size_t>(i)] = {11.0 * i, 255.0 - 11 * i, 7.0 * i};
    return table;
}

// One tick as the window runs it: new random bars, then the frame.
void animationStep(benchmark::State& state)
{
    QImage spectrum = tessel::blankPicture(tessel::kSpectrumSize);
    QImage scope = tessel::blankPicture(tessel::kScopeSize);
    QImage shade = tessel::blankPicture(tessel::kShadeSize);
    tessel::PaintPreview(sampleTable(), spectrum, scope, shade);
    QImage area = tessel::blankPicture(tessel::kVisAreaSize);
    std::vector<int> bars(static_cast<size_t>(area.width()));
    for (auto _ : state) {
        for (int& bar : bars)
            bar = static_cast<int>(QRandomGenerator::global()->bounded(static_cast<quint32>(tessel::barShape.size())));
        tessel::animationStep(spectrum, area, tessel::kNormalOffset, bars);
        benchmark::DoNotOptimize(area.constBits());
    }
}
BENCHMARK(animationStep);

void paintPreview(benchmark::State& state)
{
    const tessel::ColourTable table = sampleTable();
    QImage spectrum = tessel::blankPicture(tessel::kSpectrumSize);
    QImage scope = tessel::blankPicture(tessel::kScopeSize);
    QImage shade = tessel::blankPicture(tessel::kShadeSize);
    for (auto _ : state) {
        tessel::PaintPreview(table, spectrum, scope, shade);
        benchmark::DoNotOptimize(spectrum.constBits());
    }
}
BENCHMARK(paintPreview);

void drawMainWindow(benchmark::State& state)
{
    tessel::SkinPictures skin;
    const QSize sizes[] = {{275, 116}, {136, 36}, {92, 85}, {307, 10}, {68, 433},
                           {56, 24}, {344, 87}, {155, 18}, {99, 13}, {42, 9}};
    for (size_t file = 0; file < skin.images.size(); ++file)
        skin.images[file] = tessel::blankPicture(sizes[file]);
    tessel::MainWindowLook look;
    look.title = QStringLiteral("Tessel 2.0 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(tessel::DrawMainWindow(skin, look));
}
BENCHMARK(drawMainWindow);

} // namespace

BENCHMARK_MAIN();
