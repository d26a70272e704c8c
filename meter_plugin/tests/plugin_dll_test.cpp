// The real vis_Dovrik.dll: its file, and how it behaves when the test host
// loads it under Wine with the null display driver.
#include "meter_plugin/tests/wine_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace dovrik::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Eq;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
// Colours of the face pictures.
constexpr Rgb kQuorvelPanel{22, 26, 34};
constexpr Rgb kQuorvelDot{58, 66, 82};
constexpr Rgb kQuorvelDivider{104, 108, 116};
constexpr Rgb kQuorvelBarStart{250, 222, 40};
constexpr Rgb kQuorvelHump{150, 154, 160};
constexpr Rgb kQuorvelLetter{84, 204, 96};
constexpr Rgb kMcIntoshPanel{204, 214, 198};
constexpr Rgb kMcIntoshEdge{236, 134, 36};
constexpr Rgb kMcIntoshHiddenColumn{150, 78, 22};
constexpr Rgb kOnkyoCream{242, 232, 204};

const char* const kDefaultsFile = "[Duruzo am-Meter]\r\nBitmap ID=101\r\nnDelay=63\r\nnVULimit=3072\r\nAutoSet=0\r\n";

ProgramRun objdump(const std::string& option)
{
    return runCommand(METER_OBJDUMP, {option, std::string(METER_WIN32_DIR) + "/vis_Dovrik.dll"});
}

// The lines that tell the host saw the plug-in end cleanly and unload.
void expectCleanEnd(const ProgramRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.text();
    EXPECT_TRUE(run.has("quit")) << run.text();
    EXPECT_TRUE(run.has("freelibrary ok, unloaded")) << run.text();
}

// The host counted as many threads after unloading the library as before loading it.
void expectNoThreadLeft(const ProgramRun& run)
{
    const auto threads = run.startingWith("threads ");
    ASSERT_EQ(threads.size(), 1u) << run.text();
    std::smatch counts;
    ASSERT_TRUE(std::regex_match(threads[0], counts, std::regex(R"(threads before=(\d+) after=(\d+))")));
    EXPECT_EQ(counts[1], counts[2]);
}

TEST(PluginFile, ExportsOnlyTheHeaderGetterUndecorated)
{
    const ProgramRun run = objdump("-p");
    ASSERT_EQ(run.exitCode, 0) << run.text();
    std::vector<std::string> exported;
    bool inNameTable = false;
    const std::regex entry(R"(^\s*\[\s*\d+\] (\S+)$)");
    for (const std::string& line : run.lines) {
        if (line.find("[Ordinal/Name Pointer] Table") != std::string::npos) {
            inNameTable = true;
            continue;
        }
        std::smatch match;
        if (inNameTable && std::regex_match(line, match, entry))
            exported.push_back(match[1]);
        else if (inNameTable && !line.empty())
            inNameTable = false;
    }
    EXPECT_THAT(exported, ElementsAre("winampVisGetHeader"));
    EXPECT_THAT(run.text(), ::testing::ContainsRegex("Export Address Table\\s+00000001"));
}

TEST(PluginFile, IsA32BitDllThatNeedsOnlySystemLibraries)
{
    const ProgramRun headers = objdump("-p");
    EXPECT_THAT(headers.text(), HasSubstr("file format pei-i386"));
    EXPECT_THAT(headers.text(), ::testing::ContainsRegex("Magic\\s+010b\\s+\\(PE32\\)"));
    EXPECT_TRUE(headers.has("\tDLL"));

    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                                          "shell32.dll",  "version.dll", "msvcrt.dll"};
    int imports = 0;
    for (const std::string& line : headers.startingWith("\tDLL Name: ")) {
        std::string name = line.substr(11);
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(system.contains(name)) << "imports " << name;
        ++imports;
    }
    EXPECT_GT(imports, 0);
}

// The optional header of a PE32 file, as far as the checks below read it.
struct PeHeader {
    bool pe32 = false;
    unsigned dllCharacteristics = 0;
    unsigned relocationBytes = 0; // size of the base relocation directory
};

PeHeader readPeHeader(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    auto at = [&](std::size_t offset, int size) {
        unsigned value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(i)));
        return value;
    };
    PeHeader header;
    if (bytes.size() < 0x40)
        return header;
    const std::size_t pe = at(0x3c, 4);
    const std::size_t optional = pe + 24;
    // Up to the end of the base relocation directory's entry.
    if (bytes.size() < optional + 96 + 6 * 8 || bytes.compare(pe, 4, std::string("PE\0\0", 4)) != 0)
        return header;
    header.pe32 = at(optional, 2) == 0x10b;
    header.dllCharacteristics = at(optional + 70, 2);
    header.relocationBytes = at(optional + 96 + 5 * 8 + 4, 4);
    return header;
}

TEST(PluginFile, IsMarkedForAddressRandomisationAndNoExecuteData)
{
    const PeHeader header = readPeHeader(std::string(METER_WIN32_DIR) + "/vis_Dovrik.dll");
    ASSERT_TRUE(header.pe32);
    constexpr unsigned kDynamicBase = 0x0040;
    constexpr unsigned kNxCompatible = 0x0100;
    EXPECT_EQ(header.dllCharacteristics & kDynamicBase, kDynamicBase);
    EXPECT_EQ(header.dllCharacteristics & kNxCompatible, kNxCompatible);
    // Without relocations the loader could not move it, whatever the mark says.
    EXPECT_GT(header.relocationBytes, 0u);
}

// The player unloads a visualization and loads it again whenever the user
// switches visualizations.
TEST(PluginModule, LoadingAndUnloadingLeavesNoHandleOrMemoryBehind)
{
    PluginFolder folder;
    const ProgramRun run = runUnderWine("dovrik_test_host.exe",
                                        {"--dll", windowsPath(folder.path() / "vis_Dovrik.dll"), "--cycles", "200"});
    ASSERT_EQ(run.exitCode, 0) << run.text();
    const auto counts = run.startingWith("cycles ");
    ASSERT_EQ(counts.size(), 1u) << run.text();
    std::smatch match;
    ASSERT_TRUE(std::regex_match(
        counts[0], match, std::regex(R"(cycles 200 handles before=(\d+) after=(\d+) committed before=(\d+) after=(\d+))")))
        << counts[0];
    EXPECT_EQ(match[1], match[2]) << counts[0];
    EXPECT_EQ(match[3], match[4]) << counts[0];
}

TEST(PluginModule, HandsOutOneModuleWithItsRecordAndVersion)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "0"});
    EXPECT_TRUE(run.has("header version=0x101 description=Dovrik Duruzo Ammeter v2.2")) << run.text();
    EXPECT_TRUE(run.has("module 0 description=Duruzo am-Meter latency=25 delay=25 spectrum=2 waveform=0"));
    EXPECT_TRUE(run.has("module 1 null"));
    EXPECT_TRUE(run.has("version FileVersion=2, 2, 0, 2 ProductVersion=2, 0, 0, 2"));
    EXPECT_TRUE(run.has("init 0"));
    expectCleanEnd(run);
}

TEST(PluginModule, QuitThenFreeLibraryLeavesNothingRunning)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "8", "--signal", "demo"});
    expectCleanEnd(run);
    EXPECT_TRUE(run.has("class gone")) << run.text();
    EXPECT_TRUE(run.has("window gone"));
    expectNoThreadLeft(run);
}

TEST(PluginModule, SecondInitWithoutQuitFailsAndLeavesTheRunningMeterAlone)
{
    PluginFolder folder;
    // The second Init gets a host window twice the size of the first.
    const ProgramRun run = folder.runHost({"--frames", "1", "--signal", "sum:1536", "--init-twice"});
    EXPECT_THAT(run.startingWith("init "), ElementsAre("init 0", "init 1"));
    const auto dialogs = run.startingWith("dialog ");
    ASSERT_EQ(dialogs.size(), 1u) << run.text();
    EXPECT_THAT(dialogs[0], HasSubstr("dialog \"blah\""));
    EXPECT_THAT(dialogs[0], HasSubstr("| Error registering window class"));
    EXPECT_THAT(dialogs[0], HasSubstr("| OK"));
    // The meter that did start keeps its place and size, draws at them, and ends as usual.
    EXPECT_THAT(run.startingWith("meter "), ElementsAre("meter 22 42 81 22", "meter 22 42 81 22"));
    const Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    EXPECT_EQ(meter.at(40, 10), kQuorvelDivider);
    EXPECT_EQ(meter.at(60, 5), kWhite);
    expectCleanEnd(run);
    EXPECT_TRUE(run.has("class gone"));
}

TEST(PluginModule, AFailedWindowLeavesNoClassBehindSoTheNextLoadStarts)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "1", "--refuse-window", "--loads", "2"});
    EXPECT_THAT(run.startingWith("init "), ElementsAre("init 1", "init 0")) << run.text();
    EXPECT_THAT(run.startingWith("dialog "), ElementsAre("dialog \"blah\" | OK | Error creating window"));
    EXPECT_THAT(run.startingWith("class "), ElementsAre("class gone", "class gone"));
    EXPECT_THAT(run.startingWith("freelibrary "), ElementsAre("freelibrary ok, unloaded", "freelibrary ok, unloaded"));
}

TEST(MeterPlacement, SitsOnTheHostGridAtOneAndTwoTimesTheSize)
{
    PluginFolder folder;
    // One frame lifts the level to the sum: more could let a stalled frame end odd.
    const ProgramRun single = folder.runHost({"--size", "275x116", "--frames", "1", "--signal", "sum:1536"});
    EXPECT_THAT(single.startingWith("meter "), ElementsAre("meter 22 42 81 22", "meter 22 42 81 22")) << single.text();

    const ProgramRun doubled = folder.runHost({"--size", "550x232", "--frames", "1", "--signal", "sum:1536"});
    EXPECT_THAT(doubled.startingWith("meter "), ElementsAre("meter 44 84 162 44", "meter 44 84 162 44"));
    const Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 162);
    ASSERT_EQ(meter.height, 44);
    // Both needles stand straight up from the pivots at x = 121 and x = 40.
    EXPECT_EQ(meter.at(121, 10), kWhite);
    EXPECT_EQ(meter.at(121, 40), kWhite);
    EXPECT_EQ(meter.at(40, 10), kWhite);
    EXPECT_EQ(meter.at(40, 40), kWhite);
    EXPECT_NE(meter.at(122, 10), kWhite);
    // Every face pixel became a 2 x 2 block: the divider is columns 80 and 81.
    EXPECT_EQ(meter.at(80, 20), kQuorvelDivider);
    EXPECT_EQ(meter.at(81, 20), kQuorvelDivider);
    EXPECT_NE(meter.at(82, 20), kQuorvelDivider);
}

TEST(MeterPlacement, FollowsTheHostWindowWithinOneTick)
{
    PluginFolder folder;
    const ProgramRun grown = folder.runHost(
        {"--size", "275x116", "--frames", "1", "--signal", "sum:1536", "--resize-at", "1", "550x232", "--then-ticks", "1"});
    EXPECT_THAT(grown.startingWith("meter "), ElementsAre("meter 22 42 81 22", "meter 44 84 162 44")) << grown.text();
    const Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 162);
    EXPECT_EQ(meter.at(121, 10), kWhite);
    EXPECT_EQ(meter.at(40, 10), kWhite);

    // Off the grid the start and the size check place the meter differently.
    const ProgramRun offGrid = folder.runHost(
        {"--size", "300x116", "--frames", "1", "--signal", "silence", "--resize-at", "1", "300x117", "--then-ticks", "1"});
    EXPECT_THAT(offGrid.startingWith("meter "), ElementsAre("meter 24 42 81 22", "meter 22 42 81 22")) << offGrid.text();

    // Narrower than the grid the meter has no size, and grows back with the host.
    const ProgramRun narrow = folder.runHost(
        {"--size", "200x116", "--frames", "2", "--signal", "demo", "--resize-at", "2", "275x116", "--then-ticks", "1"});
    EXPECT_THAT(narrow.startingWith("meter "), ElementsAre("meter 16 42 0 0", "meter 22 42 81 22")) << narrow.text();
    expectCleanEnd(narrow);
}

TEST(MeterFace, QuorvelNeedlesAtRestAtHalfScaleAndFallingBack)
{
    PluginFolder folder;
    // Without Render the first timer tick lays the needles to rest at -63.
    ASSERT_EQ(folder.runHost({"--frames", "0", "--then-ticks", "2"}).exitCode, 0);
    Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    ASSERT_EQ(meter.height, 22);
    EXPECT_EQ(meter.at(43, 17), kWhite); // tip of needle 0
    EXPECT_EQ(meter.at(3, 17), kWhite);  // tip of needle 1
    EXPECT_EQ(meter.at(60, 5), kQuorvelPanel);
    EXPECT_EQ(meter.at(30, 10), kQuorvelPanel);
    EXPECT_EQ(meter.at(30, 9), kQuorvelDot);
    EXPECT_EQ(meter.at(40, 10), kQuorvelDivider);
    EXPECT_EQ(meter.at(5, 2), kQuorvelBarStart);
    EXPECT_EQ(meter.at(22, 20), kQuorvelHump);

    // A frame at a sum of 1536 lifts the level there.
    ASSERT_EQ(folder.runHost({"--frames", "1", "--signal", "sum:1536"}).exitCode, 0);
    meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    EXPECT_EQ(meter.at(60, 5), kWhite);
    EXPECT_EQ(meter.at(60, 12), kWhite);
    EXPECT_EQ(meter.at(59, 20), kWhite); // the wedge's second line
    EXPECT_EQ(meter.at(60, 4), kQuorvelPanel);
    EXPECT_EQ(meter.at(20, 5), kWhite);
    EXPECT_EQ(meter.at(43, 17), kQuorvelLetter);

    // Once Render stops, the timer lets the needles fall back to rest.
    ASSERT_EQ(folder.runHost({"--frames", "3", "--signal", "sum:1536", "--then-ticks", "14"}).exitCode, 0);
    meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    EXPECT_EQ(meter.at(43, 17), kWhite);
    EXPECT_EQ(meter.at(60, 5), kQuorvelPanel);
    EXPECT_EQ(folder.settingsText(), "(none)"); // nothing asked for a write
}

TEST(MeterFace, RenderFromAnotherThreadDrawsTheSameFrame)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "1", "--signal", "sum:1536", "--render-elsewhere"});
    expectCleanEnd(run);
    const Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    EXPECT_EQ(meter.at(60, 5), kWhite);
    EXPECT_EQ(meter.at(20, 5), kWhite);
    EXPECT_EQ(meter.at(43, 17), kQuorvelLetter);
}

// The frames follow each other before any timer tick, and the host counts the
// plug-in's copies to its window.
TEST(MeterFace, FramesThatLeaveTheNeedlesInTheirPixelsDrawNothing)
{
    PluginFolder folder;
    auto frames = [&](const char* signal, const char* count, std::vector<std::string> more = {}) {
        std::vector<std::string> arguments = {"--burst", "--count-copies", "--signal", signal, "--frames", count};
        arguments.insert(arguments.end(), more.begin(), more.end());
        const ProgramRun run = folder.runHost(arguments);
        const auto copies = run.startingWith("copies ");
        EXPECT_EQ(copies.size(), 1u) << run.text();
        return std::pair{copies.empty() ? -1 : std::stoi(copies[0].substr(7)), Picture::read(folder.dumpFile())};
    };
    const auto [oneLoud, oneLoudPicture] = frames("loud", "1");
    const auto [manyLoud, manyLoudPicture] = frames("loud", "30");
    const auto [manyQuiet, manyQuietPicture] = frames("silence", "30");
    // Past the full scale the needles tremble by one fall step, within their pixels.
    EXPECT_EQ(manyLoud, oneLoud);
    ASSERT_EQ(manyLoudPicture.width, 81);
    EXPECT_EQ(manyLoudPicture.pixels, oneLoudPicture.pixels);
    EXPECT_EQ(manyLoudPicture.at(76, 16), kWhite);
    // In silence they swing between 0 and the rest below it, and every frame shows.
    EXPECT_EQ(manyQuiet, oneLoud + 29);

    // Every 40th still frame draws all the same, and mends what the host painted over the meter.
    const auto [defaced, defacedPicture] = frames("loud", "100", {"--deface-at", "10"});
    EXPECT_EQ(defaced, oneLoud + 2);
    EXPECT_EQ(defacedPicture.pixels, oneLoudPicture.pixels);
}

TEST(MeterFace, McIntoshIsShownWithoutItsLastColumn)
{
    PluginFolder folder;
    folder.writeSettings("[Duruzo am-Meter]\r\nBitmap ID=100\r\n");
    for (const char* size : {"275x116", "550x232"}) {
        ASSERT_EQ(folder.runHost({"--size", size, "--frames", "0", "--then-ticks", "2"}).exitCode, 0);
        const Picture meter = Picture::read(folder.dumpFile());
        ASSERT_GT(meter.width, 0) << size;
        const int scale = meter.width / 81;
        EXPECT_EQ(meter.at(30 * scale, 1), kMcIntoshPanel) << size;
        for (int x = 80 * scale; x < meter.width; ++x)
            EXPECT_EQ(meter.at(x, 5 * scale), kMcIntoshEdge) << size << " column " << x;
        for (const Rgb& pixel : meter.pixels)
            ASSERT_NE(pixel, kMcIntoshHiddenColumn) << size;
    }
}

TEST(MeterSettings, UnknownBitmapIdRunsWithABlankFaceAndNoNeedles)
{
    // 5 names no face; 70000 and -3 cannot even name a resource.
    for (const char* id : {"5", "70000", "-3"}) {
        PluginFolder folder;
        const std::string settings = std::string("[Duruzo am-Meter]\r\nBitmap ID=") + id + "\r\n";
        folder.writeSettings(settings);
        const ProgramRun run = folder.runHost({"--frames", "3", "--signal", "sum:1536"});
        EXPECT_TRUE(run.has("init 0")) << id << "\n" << run.text();
        expectCleanEnd(run);
        const Picture meter = Picture::read(folder.dumpFile());
        ASSERT_EQ(meter.width, 81) << id;
        for (const Rgb& pixel : meter.pixels)
            ASSERT_EQ(pixel, kBlack) << id;
        EXPECT_EQ(folder.settingsText(), settings) << id;
    }
}

TEST(MeterSettings, AutomaticRangingIsSavedAtQuit)
{
    PluginFolder folder;
    folder.writeSettings("[Duruzo am-Meter]\r\nAutoSet=7\r\n");
    expectCleanEnd(folder.runHost({"--frames", "10", "--signal", "loud"}));
    // Ten loud frames raise the limit from 3072 by 10 each; the fall step follows.
    EXPECT_EQ(folder.settingsText(), "[Duruzo am-Meter]\r\nAutoSet=1\r\nBitmap ID=101\r\nnDelay=65\r\nnVULimit=3172\r\n");
}

TEST(MeterSettings, FirstWriteCreatesTheFileWithTheDefaultsText)
{
    PluginFolder folder;
    const ProgramRun write = runUnderWine("settings_probe.exe", {"write", windowsPath(folder.path()), "101", "63", "3072", "0"});
    ASSERT_EQ(write.exitCode, 0) << write.text();
    EXPECT_EQ(folder.settingsText(), kDefaultsFile);
}

TEST(MeterSettings, ReadingAndWritingKeepOtherSectionsAndFollowTheRules)
{
    PluginFolder folder;
    folder.writeSettings("[Other]\r\nnDelay=5\r\n[Duruzo am-Meter]\r\nBitmap ID=0\r\nnDelay= 12abc\r\nAutoSet=7\r\n"
                         "Extra=x\r\n");
    const std::string directory = windowsPath(folder.path());
    // Missing nVULimit keeps the current 4000, Bitmap ID 0 becomes 101.
    const ProgramRun read = runUnderWine("settings_probe.exe", {"read", directory, "102", "99", "4000", "0"});
    EXPECT_THAT(read.lines, ElementsAre("101 12 4000 1")) << read.text();

    ASSERT_EQ(runUnderWine("settings_probe.exe", {"write", directory, "102", "21", "1024", "1"}).exitCode, 0);
    EXPECT_EQ(folder.settingsText(), "[Other]\r\nnDelay=5\r\n[Duruzo am-Meter]\r\nBitmap ID=102\r\nnDelay=21\r\n"
                                     "AutoSet=1\r\nExtra=x\r\nnVULimit=1024\r\n");

    folder.writeSettings("[Duruzo am-Meter]\r\nnDelay=nothing\r\nnVULimit=-20\r\n");
    const ProgramRun odd = runUnderWine("settings_probe.exe", {"read", directory, "100", "99", "3000", "1"});
    EXPECT_THAT(odd.lines, ElementsAre("100 63 -20 1")) << odd.text();
}

TEST(ModelDialog, ChoosingAnotherFaceSwitchesTheRunningMeterAndSavesIt)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "4", "--signal", "silence", "--config-at", "2", "--choose", "100"});
    expectCleanEnd(run);
    EXPECT_THAT(run.startingWith("dialog "),
                ElementsAre("dialog \"Select PrePower Amplifier\" | (*) Quorvel's Lumatic ammeter | McInTosh 7072 | "
                            "OnKyo M-510 | &Ok"));
    // Each face picture shows the 81 x 22 that the meter shows, also of face 100.
    EXPECT_THAT(run.startingWith("pictures "), ElementsAre("pictures 81x22 in 81x22, 81x22 in 81x22, 81x22 in 81x22"));
    EXPECT_EQ(folder.settingsText(), "[Duruzo am-Meter]\r\nBitmap ID=100\r\nnDelay=63\r\nnVULimit=3072\r\nAutoSet=0\r\n");
    const Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    EXPECT_EQ(meter.at(30, 1), kMcIntoshPanel);

    // The next start reads the choice back and marks it.
    const ProgramRun again = folder.runHost({"--frames", "1", "--config-at", "1", "--cancel"});
    EXPECT_THAT(again.startingWith("dialog "),
                ElementsAre(HasSubstr("| (*) McInTosh 7072 |")));
}

// A save that fails leaves the settings file at the old face, which the model
// dialog reads back and ticks. The face drawn and its needles still change only
// together, also at the next size change.
TEST(ModelDialog, AfterAFailedSaveTheFaceAndItsNeedlesStayTogether)
{
    struct Case {
        bool cancel;
        Rgb face;
        Rgb needles;
        Rgb otherFacesNeedles;
    };
    const Case cases[] = {
        {true, kOnkyoCream, kBlack, kWhite},   // face 102 stays, with its own needles
        {false, kQuorvelPanel, kWhite, kBlack}, // OK on the face ticked brings face 101 back
    };
    for (const Case& c : cases) {
        PluginFolder folder;
        folder.writeSettings(kDefaultsFile);
        std::vector<std::string> arguments = {"--frames", "1", "--signal", "silence", "--refuse-saves", "--menu", "1000",
                                              "--configure", "--resize", "550x232"};
        if (c.cancel)
            arguments.push_back("--cancel");
        const ProgramRun run = folder.runHost(arguments);
        EXPECT_THAT(run.startingWith("dialog "), ElementsAre(HasSubstr("| (*) Quorvel's Lumatic ammeter |"))) << run.text();
        EXPECT_TRUE(run.has("resized 550x232")) << run.text();
        EXPECT_EQ(folder.settingsText(), kDefaultsFile);
        const Picture meter = Picture::read(folder.dumpFile());
        ASSERT_EQ(meter.width, 162) << c.cancel;
        auto count = [&](Rgb colour) { return std::count(meter.pixels.begin(), meter.pixels.end(), colour); };
        EXPECT_GT(count(c.face), static_cast<long>(meter.pixels.size() / 3)) << c.cancel;
        EXPECT_GT(count(c.needles), 0) << c.cancel;
        EXPECT_EQ(count(c.otherFacesNeedles), 0) << c.cancel;
    }
}

TEST(ModelDialog, CancelAndTheSameFaceChangeNothing)
{
    PluginFolder folder;
    // Silence keeps the needles at rest, away from the panel pixel looked at below.
    expectCleanEnd(folder.runHost({"--frames", "3", "--signal", "silence", "--config-at", "1", "--choose", "102", "--cancel"}));
    expectCleanEnd(folder.runHost({"--frames", "3", "--signal", "silence", "--config-at", "1", "--choose", "101"}));
    EXPECT_EQ(folder.settingsText(), "(none)");
    const Picture meter = Picture::read(folder.dumpFile());
    ASSERT_EQ(meter.width, 81);
    EXPECT_EQ(meter.at(30, 10), kQuorvelPanel);
}

TEST(ModelDialog, SpeaksChineseOnlyForTaiwan)
{
    PluginFolder folder;
    const ProgramRun taiwan = folder.runHost({"--frames", "1", "--config-at", "1", "--cancel"}, {"LC_ALL=zh_TW.UTF-8"});
    EXPECT_THAT(taiwan.startingWith("dialog "),
                ElementsAre("dialog \"選擇前級擴大機\" | (*) Quorvel製作 | McInTosh 7072 | Onkyo M-510 | (&O)確定"))
        << taiwan.text();
    const ProgramRun mainland = folder.runHost({"--frames", "1", "--config-at", "1", "--cancel"}, {"LC_ALL=zh_CN.UTF-8"});
    EXPECT_THAT(mainland.startingWith("dialog "), ElementsAre(HasSubstr("dialog \"Select PrePower Amplifier\"")));
}

TEST(MeterWindow, PassesKeysOnToTheHostWindow)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "2", "--key-at", "1", "41"});
    EXPECT_TRUE(run.has("host key down 0x41 lparam 0x00000001")) << run.text();
}

std::string settingsLine(int modelId, int nDelay, int nVULimit, int autoSet)
{
    return "settings [Duruzo am-Meter] | Bitmap ID=" + std::to_string(modelId) + " | nDelay=" + std::to_string(nDelay)
        + " | nVULimit=" + std::to_string(nVULimit) + " | AutoSet=" + std::to_string(autoSet);
}

TEST(MeterMenu, EveryCommandDoesItsWork)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "1", "--menu", "dismiss", "--show-settings",
                                           "--menu", "1000", "--show-settings", "--menu", "1000", "--show-settings",
                                           "--menu", "1000", "--show-settings", "--menu", "1002", "--menu", "1004",
                                           "--menu", "1003", "--menu", "40002", "--needle", "show", "--menu", "1001"});
    const auto menus = run.startingWith("menu ");
    ASSERT_EQ(menus.size(), 9u) << run.text();
    EXPECT_EQ(menus[0], "menu at +5 +0: Set Needle | Change Model | - | Exit PlugIn | Do Nothing | - | "
                        "Help > [Tell You... | About...]");
    // Dismissed, nothing is written; each Change Model writes the next face.
    EXPECT_THAT(run.startingWith("settings "), ElementsAre("settings none", settingsLine(102, 63, 3072, 0),
                                                           settingsLine(100, 63, 3072, 0), settingsLine(101, 63, 3072, 0)));
    EXPECT_THAT(run.startingWith("dialog "),
                ElementsAre(::testing::AllOf(HasSubstr("dialog \"About...\" | Dovrik Duruzo Ammeter"),
                                             HasSubstr(" | 2, 2, 0, 2 | "), HasSubstr(" | &Understand"))));
    EXPECT_THAT(run.startingWith("shell "), ElementsAre("shell open vis_dk.htm in " + windowsPath(folder.path())
                                                        + "\\, parameters (none), show 3, owner Dovrik"));
    // Exit PlugIn with the needle dialog open: the dialog closes, saving, and the meter ends.
    EXPECT_THAT(run.startingWith("needle window "), ElementsAre(HasSubstr("normal, 1 open")));
    expectCleanEnd(run);
    EXPECT_TRUE(run.has("window gone"));
    expectNoThreadLeft(run);
    EXPECT_EQ(folder.settingsText(), kDefaultsFile);
}

TEST(NeedleDialog, SlidersTheBoxesAndTheSettingsFile)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost(
        {"--frames", "1", "--menu", "40002", "--needle", "show", "--needle", "slide:1009:30", "--needle",
         "slide:1010:4096", "--needle", "nudge:1009", "--needle", "type:1016:61", "--needle", "type:1016:0",
         "--needle", "type:1018:9000", "--needle", "close", "--show-settings"});
    EXPECT_THAT(run.startingWith("needle "),
                ElementsAre(HasSubstr("needle window \"Set Needle\""), "needle buttons L<< | | | >>H | auto",
                            "needle values 20 3072 | sliders 20 3072 | auto off | controls enabled"))
        << run.text();
    // 30 per mille of 3072 gives 92; 4096 then keeps the opening's 20.5078125 per mille: 84. Keys on
    // the slider and numbers out of range change nothing.
    EXPECT_THAT(run.startingWith("settings "), ElementsAre(settingsLine(101, 84, 4096, 0))) << run.text();
    expectCleanEnd(run);
}

TEST(NeedleDialog, OpeningAndClosingUntouchedKeepsTheFallStep)
{
    // Each lost one when the boxes took the numbers the dialog shows for typing:
    // 100/3000 where the full scale times the decay factor was not rounded to a
    // float, 21/1070 where the float decay factor lies just below the true ratio,
    // and 20/1015 where the lower box refuses the full scale and the per mille,
    // cut to a whole number, set the fall step.
    const std::pair<int, int> states[] = {{100, 3000}, {21, 1070}, {20, 1015}};
    for (auto [nDelay, nVULimit] : states) {
        PluginFolder folder;
        folder.writeSettings("[Duruzo am-Meter]\r\nBitmap ID=101\r\nnDelay=" + std::to_string(nDelay)
                             + "\r\nnVULimit=" + std::to_string(nVULimit) + "\r\nAutoSet=0\r\n");
        const ProgramRun run = folder.runHost({"--frames", "1", "--menu", "40002", "--needle", "close", "--show-settings"});
        EXPECT_THAT(run.startingWith("settings "), ElementsAre(settingsLine(101, nDelay, nVULimit, 0))) << run.text();
    }
}

// Opened on 100/3000, the full scale typed back: 3000 times the float decay
// factor is 99999.996, which the DLL must round to the float 100000 before it
// scales it, as the core does; kept wider, as on the x87 stack, it gave 99.
TEST(NeedleDialog, TheShownFullScaleTypedBackIsTakenAsTheCoreRoundsIt)
{
    PluginFolder folder;
    folder.writeSettings("[Duruzo am-Meter]\r\nBitmap ID=101\r\nnDelay=100\r\nnVULimit=3000\r\nAutoSet=0\r\n");
    const ProgramRun run = folder.runHost(
        {"--frames", "1", "--menu", "40002", "--needle", "type:1018:3000", "--needle", "close", "--show-settings"});
    EXPECT_THAT(run.startingWith("settings "), ElementsAre(settingsLine(101, 100, 3000, 0))) << run.text();
}

// Automatic ranging leaves full scales from 1015, where a step down from 1025
// ends, up to the lower slider's 8192, each with its fall step. One run takes
// every one from 1015 to 1023 and every 61st after: a state takes a Config and a
// dialog opened from the menu, so all 7178 would take the run some ten minutes.
TEST(NeedleDialog, OpeningAndClosingUntouchedKeepsTheStatesThatRangingReaches)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost(
        {"--frames", "1", "--needle-sweep", "1015", "1023", "1", "--needle-sweep", "1024", "8192", "61"});
    EXPECT_THAT(run.startingWith("needle sweep "), ElementsAre("needle sweep 1015 to 1023 by 1: 9 states, 0 changed",
                                                              "needle sweep 1024 to 8192 by 61: 118 states, 0 changed"))
        << run.text();
    expectCleanEnd(run);
}

TEST(NeedleDialog, ARefusedStartLeavesSetNeedleWorkingAndOneDialogComesBack)
{
    PluginFolder folder;
    const ProgramRun run = folder.runHost({"--frames", "1", "--refuse-threads", "1", "--menu", "40002", "--menu",
                                           "40002", "--needle", "minimize", "--needle", "show", "--menu", "40002",
                                           "--needle", "show"});
    EXPECT_THAT(run.startingWith("thread "), ElementsAre("thread start refused"));
    const auto windows = run.startingWith("needle window ");
    ASSERT_EQ(windows.size(), 2u) << run.text();
    EXPECT_THAT(windows[0], HasSubstr("minimized, 1 open"));
    EXPECT_EQ(windows[1], "needle window \"Set Needle\" at 104 0 normal, 1 open");
    // Quit with the dialog open closes it, which saves, and waits for its thread.
    expectCleanEnd(run);
    expectNoThreadLeft(run);
    EXPECT_EQ(folder.settingsText(), kDefaultsFile);
}

TEST(NeedleDialog, MenuDialogsAndHelpSpeakChineseForTaiwanOnly)
{
    PluginFolder folder;
    const ProgramRun taiwan = folder.runHost(
        {"--frames", "1", "--menu", "1003", "--menu", "1004", "--menu", "40002", "--needle", "click:1014", "--needle",
         "click:1028", "--needle", "show", "--needle", "close", "--show-settings"},
        {"LC_ALL=zh_TW.UTF-8"});
    EXPECT_THAT(taiwan.startingWith("menu "),
                Each(Eq("menu at +5 +0: 調整指針 | 切換機型 | - | 離開 | 取消 | - | 說明 > [告訴你... | 關於...]")))
        << taiwan.text();
    EXPECT_THAT(taiwan.startingWith("shell "), ElementsAre(HasSubstr("shell open cvis_dk.htm in ")));
    EXPECT_THAT(taiwan.startingWith("dialog "),
                ElementsAre(::testing::AllOf(HasSubstr("dialog \"關於...\""), HasSubstr(" | 2, 2, 0, 2 | "),
                                             HasSubstr(" | 了解"))));
    // The high preset, then automatic ranging, which greys the seven controls.
    EXPECT_THAT(taiwan.startingWith("needle "),
                ElementsAre(HasSubstr("needle window \"調整指針\""), "needle buttons 低<< | | | >>H | 自動",
                            "needle values 20 6000 | sliders 20 6000 | auto on | controls greyed"));
    EXPECT_THAT(taiwan.startingWith("settings "), ElementsAre(settingsLine(101, 123, 6000, 1)));

    const ProgramRun mainland = folder.runHost({"--frames", "1", "--menu", "dismiss"}, {"LC_ALL=zh_CN.UTF-8"});
    EXPECT_THAT(mainland.startingWith("menu "), ElementsAre(HasSubstr("menu at +5 +0: Set Needle | ")));
}

TEST(PluginFile, HelpPagesLieBesideTheLibraryInBothLanguages)
{
    struct Page {
        const char* name;
        const char* language;
        std::vector<std::string> mentions;
    };
    const Page pages[] = {
        {"vis_dk.htm", "<html lang=\"en\">",
         {"Set Needle", "Change Model", "Exit PlugIn", "Do Nothing", "Tell You...", "About...",
          "Select PrePower Amplifier", "plugin.ini", "[Duruzo am-Meter]", "AutoSet"}},
        {"cvis_dk.htm", "<html lang=\"zh-Hant-TW\">",
         {"調整指針", "切換機型", "離開", "取消", "告訴你...", "關於...", "選擇前級擴大機", "plugin.ini",
          "[Duruzo am-Meter]", "AutoSet"}},
    };
    for (const Page& page : pages) {
        std::ifstream file(std::string(METER_WIN32_DIR) + "/" + page.name, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        ASSERT_FALSE(text.empty()) << page.name;
        EXPECT_THAT(text, HasSubstr(page.language)) << page.name;
        EXPECT_THAT(text, HasSubstr("<meta charset=\"utf-8\">")) << page.name;
        EXPECT_THAT(text, Not(HasSubstr("<script"))) << page.name;
        for (const std::string& mention : page.mentions)
            EXPECT_THAT(text, HasSubstr(mention)) << page.name;
    }
}

} // namespace
} // namespace dovrik::testing
