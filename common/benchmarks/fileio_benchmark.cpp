#include "common/core/fileio.h"
#include "common/core/pictureload.h"
#include "common/testing/encodedpicture.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

namespace fs = std::filesystem;

// One click: the count file rewritten whole by `rewrite`, the point appended to
// the list file.
template <typename Rewrite>
void clickThrough(benchmark::State& state, Rewrite rewrite)
{
    QTemporaryDir temporary;
    const fs::path count = fs::path(temporary.path().toStdString()) / "~NP~01.tmp";
    const fs::path list = fs::path(temporary.path().toStdString()) / "~PL~01.tmp";
    static_cast<void>(kit::writeScratchFile(list, "PointList="));
    int total = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rewrite(count, "NumPoints=" + std::to_string(++total) + "\r\n"));
        benchmark::DoNotOptimize(kit::appendToScratchFile(list, "123,45,"));
    }
}

// As a scratch file is written: no flush to disk.
void clickThroughScratchWrites(benchmark::State& state)
{
    clickThrough(state, [](const fs::path& path, const std::string& text) { return kit::writeScratchFile(path, text); });
}
BENCHMARK(clickThroughScratchWrites);

// The same click the way a document is saved: temporary file, flush, rename.
void clickThroughDocumentSaves(benchmark::State& state)
{
    clickThrough(state, [](const fs::path& path, const std::string& text) { return kit::replaceFile(path, text); });
}
BENCHMARK(clickThroughDocumentSaves);

// A main window picture as skins ship it, decoded into a picture cleared first.
void decodeSkinPicture(benchmark::State& state)
{
    QImage picture(275, 116, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, x ^ y));
    const std::string file = kit::testing::encodedPicture(picture, "BMP");
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::decodePicture(file, kit::kLargestSkinBitmap));
}
BENCHMARK(decodeSkinPicture);

} // namespace

BENCHMARK_MAIN();
