// What one tick of the animated analyzer costs, what the repaints that run on
// every commit and every press on the skin preview cost, what a frame of the
// show costs, how long freehand drags of many points take to record, save,
// read back and redraw, what opening a skin costs from a folder and from an
// archive, and what share of a core the main window idle, the
// about window and the show take while they run.
#include "common/core/fileio.h"
#include "common/core/settings.h"
#include "common/core/textconversion.h"
#include "common/testing/encodedpicture.h"
#include "common/testing/ziparchive.h"
#include "common/ui/dialogs.h"
#include "workbench/core/colourfile.h"
#include "workbench/core/lineanimation.h"
#include "workbench/core/pixels.h"
#include "workbench/core/polygonstore.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/regionshape.h"
#include "workbench/core/skin.h"
#include "workbench/core/vispreview.h"
#include "workbench/core/zoom.h"
#include "workbench/ui/aboutwindow.h"
#include "workbench/ui/regionpanel.h"
#include "workbench/ui/showwindow.h"
#include "workbench/ui/workbenchwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <functional>
#include <memory>
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

// A skin of 20 files as authors ship them: the ten bitmaps Tessel reads, in
// their usual sizes, drawn in bands and boxes of a few colours as skin pictures
// are; the player's other bitmaps, and its text files. Side by side as a folder
// and as a .wsz of deflated members.
class TwentyFileSkin
{
public:
    TwentyFileSkin()
    {
        const QSize sizes[] = {{275, 116}, {136, 36}, {92, 85}, {307, 10}, {68, 433}, {56, 24}, {344, 87},
                               {155, 18}, {99, 13}, {42, 9}, {38, 420}, {108, 13}, {275, 315}, {60, 18},
                               {280, 186}, {194, 109}, {40, 72}};
        const char* bitmaps[] = {"main.bmp", "cbuttons.bmp", "shufrep.bmp", "posbar.bmp", "volume.bmp", "monoster.bmp",
                                 "titlebar.bmp", "text.bmp", "numbers.bmp", "playpaus.bmp", "balance.bmp", "nums_ex.bmp",
                                 "eqmain.bmp", "eq_ex.bmp", "pledit.bmp", "gen.bmp", "genex.bmp"};
        std::vector<kit::testing::ZipEntry> entries;
        for (size_t i = 0; i < std::size(bitmaps); ++i)
            entries.push_back({bitmaps[i], bitmapBytes(sizes[i], int(i))});
        entries.push_back({"Tessel.txt", std::string(24 * 16, '1')});
        entries.push_back({"region.txt", "[Normal]\r\nNumPoints=4\r\nPointList=0,0,275,0,275,116,0,116\r\n"});
        entries.push_back({"pledit.txt", "[Text]\r\nNormal=#00FF00\r\nCurrent=#FFFFFF\r\nNormalBG=#000000\r\n"
                                         "SelectedBG=#0000FF\r\nFont=Arial\r\n"});
        for (const auto& entry : entries)
            static_cast<void>(kit::replaceFile(kit::toPath(m_directory.filePath(QString::fromStdString(entry.name))), entry.bytes));
        m_archive = m_directory.filePath(QStringLiteral("Skin.wsz"));
        static_cast<void>(kit::replaceFile(kit::toPath(m_archive), kit::testing::zipArchive(entries)));
    }
    QString folder() const { return m_directory.path() + QLatin1Char('/'); }
    const QString& archive() const { return m_archive; }

private:
    static std::string bitmapBytes(QSize size, int seed)
    {
        QImage picture = tessel::blankPicture(size);
        picture.fill(qRgb(40 + seed, 40, 60));
        for (int y = 0; y < size.height(); y += 6)
            tessel::fillPixels(picture, {0, y, size.width(), 2}, qRgb(90, 90 + 5 * seed, 120));
        for (int box = 0; box < 40; ++box)
            tessel::fillPixels(picture, {(box * 37 + seed * 11) % size.width(), (box * 23) % size.height(), 9, 7},
                               qRgb(box * 6, 255 - box * 5, seed * 13));
        return kit::testing::encodedPicture(picture, "BMP");
    }

    QTemporaryDir m_directory;
    QString m_archive;
};

// Opening a skin into the preview, as Open Skin does it: the ten pictures read
// and the main window composed from them, from the folder and from the .wsz.
void openSkin(benchmark::State& state)
{
    static const TwentyFileSkin skin;
    const QString path = state.range(0) == 0 ? skin.folder() : skin.archive();
    tessel::MainWindowLook look;
    for (auto _ : state) {
        const tessel::SkinLoad load = tessel::LoadSkin(path);
        if (load.failedFile >= 0)
            state.SkipWithError("the skin did not load whole");
        benchmark::DoNotOptimize(tessel::DrawMainWindow(load.pictures, look));
    }
}
BENCHMARK(openSkin)->ArgName("archive")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One frame of each of the show's effects on its 800 x 600 pictures.
void showFrames(benchmark::State& state)
{
    const tessel::ColourTable table = sampleTable();
    QImage surface = tessel::blankPicture(tessel::ShowPattern::kSize);
    QImage shown = tessel::blankPicture(tessel::ShowPattern::kSize);
    tessel::ShowPattern pattern;
    tessel::ZoomStep zoom;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            pattern.draw(surface, qRgb(200, 100, 50));
            pattern.nextFrame();
        } else {
            zoom.run(table, surface, shown);
        }
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(showFrames)->ArgName("zoom")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A freehand drag: point `i` of a looping path over the drawing area, a pixel or two from the last.
QPoint dragPoint(int i)
{
    return {137 + int(std::lround(130 * std::sin(i * 0.011))), 58 + int(std::lround(55 * std::sin(i * 0.017)))};
}

tessel::PolygonStore draggedPolygon(int points)
{
    tessel::PolygonStore store;
    for (int i = 0; i < points; ++i)
        store.recordPoint(dragPoint(i).x(), dragPoint(i).y());
    store.FinishPolygon();
    return store;
}

// Recording as the drawing area does it: the point into the store, a line to it on the picture.
void dragRecord(benchmark::State& state)
{
    const int points = int(state.range(0));
    for (auto _ : state) {
        tessel::PolygonStore store;
        QImage drawing = tessel::blankPicture(tessel::kMainWindowSize);
        QPoint pen = dragPoint(0);
        for (int i = 0; i < points; ++i) {
            store.recordPoint(dragPoint(i).x(), dragPoint(i).y());
            tessel::drawLine(drawing, pen, dragPoint(i), qRgb(0, 0, 0));
            pen = dragPoint(i);
        }
        benchmark::DoNotOptimize(store.currentPoints().data());
    }
    state.SetComplexityN(points);
}
BENCHMARK(dragRecord)->Arg(12500)->Arg(25000)->Arg(50000)->Complexity(benchmark::oN);

void dragSave(benchmark::State& state)
{
    const tessel::PolygonStore drawn = draggedPolygon(int(state.range(0)));
    QTemporaryDir directory;
    const std::filesystem::path path = kit::toPath(directory.filePath(QStringLiteral("Region.txt")));
    for (auto _ : state) {
        tessel::PolygonStore store = drawn;
        store.prepareSave();
        if (!tessel::WriteRegionFile(path, store.regionCounts(), store.regionPoints()).empty())
            state.SkipWithError("the region file could not be written");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(dragSave)->Arg(12500)->Arg(25000)->Arg(50000)->Complexity(benchmark::oN);

void dragReadBack(benchmark::State& state)
{
    tessel::PolygonStore store = draggedPolygon(int(state.range(0)));
    store.prepareSave();
    QTemporaryDir directory;
    const std::filesystem::path path = kit::toPath(directory.filePath(QStringLiteral("Region.txt")));
    static_cast<void>(tessel::WriteRegionFile(path, store.regionCounts(), store.regionPoints()));
    for (auto _ : state) {
        std::string text;
        static_cast<void>(kit::readWholeFile(path, text, tessel::kRegionFileSizeLimit));
        const tessel::RegionText found = tessel::readRegionText(text);
        size_t corners = 0;
        tessel::forEachRegionPolygon(found.counts, found.pointList,
                                     [&corners](const tessel::RegionPolygon& polygon) { corners += polygon.corners.size(); });
        benchmark::DoNotOptimize(corners);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(dragReadBack)->Arg(12500)->Arg(25000)->Arg(50000)->Complexity(benchmark::oN);

void dragRedraw(benchmark::State& state)
{
    const tessel::PolygonStore store = draggedPolygon(int(state.range(0)));
    QImage preview = tessel::blankPicture(tessel::kMainWindowSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(tessel::DrawRegion(preview, store.countsText(), store.pointList(), qRgb(0, 0, 0)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(dragRedraw)->Arg(12500)->Arg(25000)->Arg(50000)->Complexity(benchmark::oN);

// The shape as Show Shape recomputes it at every tick of a drawing: the
// polygons taken from their texts, the mask, and the preview cut to it.
void shapeRecompute(benchmark::State& state)
{
    const tessel::PolygonStore store = draggedPolygon(int(state.range(0)));
    const QImage window = tessel::blankPicture(tessel::kMainWindowSize);
    for (auto _ : state) {
        QImage shown = window.copy();
        tessel::cutToShape(shown, tessel::shapeMask(tessel::shapePolygons(store)));
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(shapeRecompute)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The mask alone, for 1,000 corners in one polygon and in 100 polygons of ten.
void shapeMask(benchmark::State& state)
{
    const int polygons = int(state.range(0));
    std::vector<std::vector<QPoint>> corners(static_cast<size_t>(polygons));
    for (int i = 0; i < 1000; ++i)
        corners[static_cast<size_t>(i % polygons)].push_back(dragPoint(i * 7));
    for (auto _ : state)
        benchmark::DoNotOptimize(tessel::shapeMask(corners));
}
BENCHMARK(shapeMask)->ArgName("polygons")->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

// The whole drag through the main window: the press, a move for every point, and the release.
void dragThroughTheWindow(benchmark::State& state)
{
    const int points = int(state.range(0));
    kit::SystemDialogs dialogs;
    kit::Settings settings {QString()};
    std::unique_ptr<tessel::Form1> form;
    for (auto _ : state) {
        state.PauseTiming();
        form = std::make_unique<tessel::Form1>(dialogs, settings);
        tessel::RegionPanel& region = *form->findChild<tessel::RegionPanel*>();
        state.ResumeTiming();
        region.Picture20_MouseDown(Qt::LeftButton, dragPoint(0));
        for (int i = 1; i < points; ++i)
            region.Picture20_MouseMove(Qt::LeftButton, dragPoint(i));
        region.Picture20_MouseUp(Qt::LeftButton, dragPoint(points - 1));
        QCoreApplication::processEvents();
    }
    state.SetComplexityN(points);
}
BENCHMARK(dragThroughTheWindow)->Arg(12500)->Arg(25000)->Arg(50000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The process's processor time and the wall time while the event loop runs
// for `span`, after `start` was called from within it: the share of one core
// in percent.
double corePercent(std::chrono::milliseconds span, const std::function<void()>& start = {})
{
    const auto processorTime = [] {
        timespec now {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    };
    QEventLoop loop;
    QTimer::singleShot(span, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    if (start)
        QTimer::singleShot(0, &loop, start);
    const auto wallBefore = std::chrono::steady_clock::now();
    const auto before = processorTime();
    loop.exec();
    const std::chrono::duration<double> used = processorTime() - before;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
    return 100 * used.count() / wall.count();
}

constexpr std::chrono::seconds kRunningSpan {5};

// The main window shown and left alone: its display refresh ticks on.
void idleMainWindow(benchmark::State& state)
{
    kit::SystemDialogs dialogs;
    kit::Settings settings {QString()};
    tessel::Form1 form(dialogs, settings);
    form.show();
    for (auto _ : state)
        state.counters["core_percent"] = corePercent(kRunningSpan);
}
BENCHMARK(idleMainWindow)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void aboutWindow(benchmark::State& state)
{
    tessel::Form4 about;
    about.show();
    for (auto _ : state)
        state.counters["core_percent"] = corePercent(kRunningSpan);
    about.close();
}
BENCHMARK(aboutWindow)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// The show started by a click and ended by closing its window, with the line
// pattern or the zoom.
void runningShow(benchmark::State& state)
{
    tessel::Form2 show;
    for (auto _ : state) {
        show.open(sampleTable());
        if (state.range(0) == 1)
            show.Picture21_MouseDown(Qt::RightButton, {});
        QTimer::singleShot(kRunningSpan, &show, &QWidget::close);
        state.counters["core_percent"] = corePercent(kRunningSpan + std::chrono::milliseconds(50), [&show] { show.Picture21_Click(); });
    }
}
BENCHMARK(runningShow)->ArgName("zoom")->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
