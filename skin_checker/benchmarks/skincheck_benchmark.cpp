// What checking many skin archives costs next to `unzip -tq` over the same
// archives, and whether memory stays flat across them. Run by hand:
//   build/skin_checker/benchmarks/skincheck_benchmark
// The corpus, 1,000 archives of a complete skin, each a little different, is
// made in a temporary folder and removed afterwards. Last, what one skin with a
// hostile region.txt costs.
#include "common/core/skinsource.h"
#include "common/testing/ziparchive.h"
#include "skin_checker/core/skincheck.h"
#include "skin_checker/tests/corpus.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kArchives = 1000;

struct Corpus
{
    QTemporaryDir folder;
    std::vector<std::string> archives;

    Corpus()
    {
        const skincheck::corpus::Files clean = skincheck::corpus::cleanSkin();
        for (int i = 0; i < kArchives; ++i) {
            skincheck::corpus::Files files = clean;
            files.push_back({"readme.txt", "Skin number " + std::to_string(i) + "\r\n"});
            const std::string path = folder.filePath(QString("skin%1.wsz").arg(i, 4, 10, QChar('0'))).toStdString();
            std::ofstream(path, std::ios::binary) << kit::testing::zipArchive(files);
            archives.push_back(path);
        }
    }
};

const Corpus& corpus()
{
    static const Corpus made;
    return made;
}

long residentKilobytes()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Seconds that `arguments` take to run, output thrown away.
double secondsToRun(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = -1;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        waitpid(child, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (status != 0)
        throw std::runtime_error(arguments[0] + " failed");
    return std::chrono::duration<double>(end - start).count();
}

// skincheck and unzip -tq over the whole corpus, one after the other in each
// round, each as one process.
void checkerNextToUnzip(benchmark::State& state)
{
    std::vector<std::string> checker {SKINCHECK_PROGRAM, "--quiet"};
    checker.insert(checker.end(), corpus().archives.begin(), corpus().archives.end());
    const std::vector<std::string> unzip {"unzip", "-tq", corpus().folder.filePath("*.wsz").toStdString()};
    double checking = 0;
    double testing = 0;
    for (auto _ : state) {
        testing += secondsToRun(unzip);
        checking += secondsToRun(checker);
    }
    state.counters["skincheck_s"] = checking / double(state.iterations());
    state.counters["unzip_s"] = testing / double(state.iterations());
    state.counters["ratio"] = checking / testing;
}
BENCHMARK(checkerNextToUnzip)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The checker in this process over the corpus: the resident memory after the
// first 100 skins and after all of them.
void memoryAcrossTheCorpus(benchmark::State& state)
{
    long afterHundred = 0;
    long afterAll = 0;
    for (auto _ : state) {
        for (int i = 0; i < kArchives; ++i) {
            benchmark::DoNotOptimize(skincheck::checkSkinAt(corpus().archives[size_t(i)], "skin"));
            if (i == 99)
                afterHundred = residentKilobytes();
        }
        afterAll = residentKilobytes();
    }
    state.counters["rss_after_100_kB"] = double(afterHundred);
    state.counters["rss_after_1000_kB"] = double(afterAll);
}
BENCHMARK(memoryAcrossTheCorpus)->Unit(benchmark::kMillisecond)->Iterations(2);

// A skin whose region.txt is near the 4 MB the checker reads, made of many
// polygons: small triangles (0), or lines across the window and back (1), which
// show nothing and so are followed over every row they span.
void hostileRegionFile(benchmark::State& state)
{
    const bool acrossAndBack = state.range(0) == 1;
    const int polygons = acrossAndBack ? 160000 : 270000;
    std::string counts;
    std::string points;
    for (int i = 0; i < polygons; ++i) {
        counts += acrossAndBack ? "4," : "3,";
        points += acrossAndBack ? "0,0,275,116,0,0,275,116," : "1,1,3,1,1,3,";
    }
    skincheck::corpus::Files files = skincheck::corpus::cleanSkin();
    std::erase_if(files, [](const auto& entry) { return entry.name == "region.txt"; });
    // Stored, since packed it would be refused as a zip bomb.
    files.push_back({"region.txt", "[Normal]\r\nNumPoints=" + counts + "\r\nPointList=" + points + "\r\n", false});
    const kit::SkinOpen open = kit::SkinSource::openArchive(kit::testing::zipArchive(files), "hostile.wsz");
    if (!open.skin)
        throw std::runtime_error(open.message);
    for (auto _ : state)
        benchmark::DoNotOptimize(skincheck::checkSkin(*open.skin, "hostile.wsz"));
}
BENCHMARK(hostileRegionFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
