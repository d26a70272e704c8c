#include "common/core/skinsource.h"
#include "skin_checker/core/commandline.h"
#include "skin_checker/core/output.h"
#include "skin_checker/core/skincheck.h"
#include "skin_checker/tests/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace skincheck;
using skincheck::corpus::cleanSkin;
using skincheck::corpus::Files;

SkinReport check(const std::string& archive, const std::string& name = "skin.wsz")
{
    const kit::SkinOpen open = kit::SkinSource::openArchive(archive, name);
    if (!open.skin)
        return {name, false, "", {{Level::Error, "", open.reason, {}, {}, {}}}};
    return checkSkin(*open.skin, name);
}

// The clean skin with `file` holding `bytes`.
std::string cleanWith(const std::string& file, const std::string& bytes)
{
    Files files = cleanSkin();
    std::erase_if(files, [&](const auto& entry) { return entry.name == file; });
    files.push_back({file, bytes});
    return kit::testing::zipArchive(files);
}

std::string describe(const SkinReport& report)
{
    std::string text;
    for (const Finding& finding : report.findings)
        text += "\n  " + finding.file + ": " + std::string(levelName(finding.level)) + ": " + finding.reason;
    return text;
}

const Finding* findingAt(const SkinReport& report, Level level, std::string_view file, std::string_view part)
{
    const auto found = std::find_if(report.findings.begin(), report.findings.end(), [&](const Finding& finding) {
        return finding.level == level && finding.file == file && finding.reason.find(part) != std::string::npos;
    });
    return found == report.findings.end() ? nullptr : &*found;
}

TEST(SkinCheck, EachSkinOfTheCorpusGivesItsFindingAndNothingWorse)
{
    for (const corpus::CorpusSkin& skin : corpus::corpus()) {
        const SkinReport report = check(skin.archive, skin.name);
        SCOPED_TRACE(skin.name + describe(report));
        EXPECT_EQ(report.worst() > Level::Note ? report.worst() : std::nullopt, skin.level > Level::Note ? skin.level : std::nullopt);
        if (skin.level) {
            EXPECT_NE(findingAt(report, *skin.level, skin.file, skin.reason), nullptr);
        }
        EXPECT_EQ(report.readable, skin.name != std::string("not_a_skin.wsz"));
    }
}

TEST(SkinCheck, ReadsBothWritersRegionFilesAsWritten)
{
    const std::string plevo = corpus::plevoRegionFile({{1, 1}, {275, 1}, {275, 116}, {1, 116}});
    const std::string tessel = corpus::tesselRegionFile({{{10, 10}, {60, 10}, {60, 40}}, {{200, 5}, {300, 5}, {250, 50}}});
    ASSERT_TRUE(plevo.ends_with("PointList=1,1,275,1,275,116,1,116\r\n")) << plevo;
    ASSERT_TRUE(tessel.starts_with(";") && tessel.ends_with("Pointlist=10,10,60,10,60,40,200,5,300,5,250,50,")) << tessel;

    EXPECT_EQ(describe(check(cleanWith("region.txt", plevo))).find("region.txt"), std::string::npos);
    const SkinReport report = check(cleanWith("region.txt", tessel));
    const Finding* outside = findingAt(report, Level::Warning, "region.txt", "polygon 2 has 1 point outside the 275 x 116 window, the first at 300,5");
    ASSERT_NE(outside, nullptr) << describe(report);
    EXPECT_EQ(outside->regionSection, "Normal");
    EXPECT_EQ(outside->polygon, 1);
    EXPECT_EQ(report.worst(), Level::Warning) << describe(report);
}

TEST(SkinCheck, ReadsRegionFilesAsThePlayerDoes)
{
    struct Case
    {
        const char* text;
        std::optional<Level> worst;
        const char* part;
        std::optional<int> polygon;
    };
    const Case cases[] = {
        {"[normal]\nnumpoints=3,\npointlist=0 0, 275 0 ,275 116,\n", {}, "", {}},
        {"[NORMAL]\r\nNUMPOINTS = 4\r\nPOINTLIST = 0,0,275,0,275,116,0,116\r\n[windowshade]\nNumPoints=3\nPointList=0,0,275,0,0,14",
         {}, "", {}},
        {"[Normal]\r\nNumPoints=3,2\r\nPointList=0,0,10,0,10,10,0,0,10,10", Level::Error, "polygon 2 has 2 points", 1},
        {"[Normal]\r\nNumPoints=3,3\r\nPointList=0,0,90,0,90,90,5", Level::Error,
         "asks for 6 points in all, but PointList holds 7 numbers, 3 points and a lone x", 1},
        {"[Normal]\nNumPoints=3\nPointList=0,0,10,x", Level::Error, "holds \"x\", which is no whole number", {}},
        {"[Normal]\r\nNumPoints=\r\nPointList=\r\n", Level::Error, "holds no polygon", {}},
        {"[Normal]\nNumPoints=3\nPointList=300,0,400,0,400,50", Level::Error, "covers no pixel", {}},
        {"[Normal]\nNumPoints=3,3\nPointList=0,0,100,0,100,100,5,5,50,5,90,5", Level::Warning, "polygon 2 covers no pixel", 1},
        {"[WindowShade]\nNumPoints=3\nPointList=0,0,275,0,0,20", Level::Warning, "outside the 275 x 14 window", 0},
        {"[Normal]\nNumPoints=3\nPointList=0,0,9,0,0,9\n[Normal]\nNumPoints=1", Level::Warning, "appears again on line 4", {}},
        {"[Main]\nNumPoints=3\nPointList=0,0,9,0,0,9", Level::Warning, "holds none of the sections", {}},
        {"[Normal]\nPointList=0,0,9,0,0,9", Level::Error, "has no NumPoints", {}},
    };
    for (const Case& test : cases) {
        const SkinReport report = check(cleanWith("region.txt", test.text));
        SCOPED_TRACE(test.text + describe(report));
        EXPECT_EQ(report.worst() > Level::Note ? report.worst() : std::nullopt, test.worst);
        if (!test.worst)
            continue;
        const Finding* finding = findingAt(report, *test.worst, "region.txt", test.part);
        ASSERT_NE(finding, nullptr);
        EXPECT_EQ(finding->polygon, test.polygon);
    }
}

TEST(SkinCheck, AFileWithCountlessFaultsGivesAHundredFindingsAndOneForTheRestAtTheirWorstLevel)
{
    // 150 polygons outside the window, two findings each, then one of two points.
    std::string text = "[Normal]\nNumPoints=3";
    std::string points = "0,0,9,0,0,9";
    for (int i = 0; i < 150; ++i) {
        text += ",3";
        points += ",300,0,300,5,400,5";
    }
    text += ",2\nPointList=" + points + ",0,0,1,1\n";
    const SkinReport report = check(cleanWith("region.txt", text));
    const auto inRegion = std::count_if(report.findings.begin(), report.findings.end(),
                                        [](const Finding& finding) { return finding.file == "region.txt"; });
    EXPECT_EQ(inRegion, 101);
    EXPECT_NE(findingAt(report, Level::Error, "region.txt", "and 201 more findings, not listed (the worst: error)"), nullptr)
        << describe(report);
}

TEST(SkinCheck, ColourLinesTheRulesCannotReadAreErrorsPointingAtTheirEntry)
{
    std::string text;
    for (int i = 0; i < 24; ++i)
        text += i == 3 ? "// the analyzer\r\n" : i == 7 ? "1,2.5,-4\r\n" : "0,0,0\r\n";
    const SkinReport report = check(cleanWith("Tessel.txt", text));
    const Finding* unreadable = findingAt(report, Level::Error, "Tessel.txt", "entry 3 (line 4) \"// the analyzer\"");
    ASSERT_NE(unreadable, nullptr) << describe(report);
    EXPECT_EQ(unreadable->colourEntry, 3);
    const Finding* values = findingAt(report, Level::Warning, "Tessel.txt",
                                      "entry 6 (line 8): green 2.5 is not a whole number and blue -4 is outside 0 to 255");
    ASSERT_NE(values, nullptr) << describe(report);
    EXPECT_EQ(values->colourEntry, 6);
    // The unreadable line took the next one with it, so one entry short.
    EXPECT_NE(findingAt(report, Level::Warning, "Tessel.txt", "holds 23 of the player's 24 entries"), nullptr);
}

TEST(SkinCheck, NotesWhatThePlayerNeverReadsAndRefusesUnsafeMembers)
{
    Files files = cleanSkin();
    files.push_back({"readme.txt", "hello"});
    files.push_back({"eq.bmp", corpus::bitmap(275, 100)});
    files.push_back({"../escape.bmp", "x"});
    files.push_back({"cbuttons.bmp", "x", true, true});
    std::erase_if(files, [](const auto& entry) { return entry.name == "cbuttons.bmp" && !entry.encrypted; });
    const SkinReport report = check(kit::testing::zipArchive(files));
    EXPECT_NE(findingAt(report, Level::Note, "readme.txt", "the player never reads it"), nullptr) << describe(report);
    EXPECT_NE(findingAt(report, Level::Note, "eq.bmp", "Knapro opens it as the equalizer picture"), nullptr);
    EXPECT_NE(findingAt(report, Level::Error, "eq.bmp", "cut off: EQ Control Bar"), nullptr);
    EXPECT_NE(findingAt(report, Level::Warning, "../escape.bmp", "climbs out of the skin"), nullptr);
    EXPECT_NE(findingAt(report, Level::Error, "cbuttons.bmp", "encrypted"), nullptr);
}

TEST(SkinCheck, PrintsFindingsForPeopleAndForScripts)
{
    const SkinReport report {"a \"b\".wsz", true, "Blue/",
                             {{Level::Warning, "Tessel.txt", "tab\there", 3, "", {}},
                              {Level::Error, "region.txt", "bad \xff byte", {}, "Normal", 0},
                              {Level::Note, "", "whole skin", {}, "", {}}}};
    EXPECT_EQ(textReport(report, false), "a \"b\".wsz: Tessel.txt: warning: tab\there\n"
                                         "a \"b\".wsz: region.txt: error: bad \xff byte\n"
                                         "a \"b\".wsz: note: whole skin\n");
    EXPECT_EQ(textReport(report, true), "a \"b\".wsz: region.txt: error: bad \xff byte\n");
    EXPECT_EQ(jsonReport(report, false),
              "{\"skin\": \"a \\\"b\\\".wsz\", \"readable\": true, \"folder\": \"Blue/\", \"findings\": ["
              "{\"level\": \"warning\", \"file\": \"Tessel.txt\", \"reason\": \"tab\\u0009here\", \"colourEntry\": 3}, "
              "{\"level\": \"error\", \"file\": \"region.txt\", \"reason\": \"bad \\ufffd byte\", \"regionSection\": "
              "\"Normal\", \"polygon\": 0}, "
              "{\"level\": \"note\", \"file\": null, \"reason\": \"whole skin\"}]}\n");
}

TEST(SkinCheck, ReadsItsCommandLineAsLintersDo)
{
    using Action = Options::Action;
    const std::tuple<std::vector<std::string>, Action, std::vector<std::string>, std::string> cases[] = {
        {{"a.wsz", "--json", "-q", "b"}, Action::Check, {"a.wsz", "b"}, ""},
        {{"--", "-odd.wsz"}, Action::Check, {"-odd.wsz"}, ""},
        {{"a.wsz", "--help", "--bogus"}, Action::Help, {}, ""},
        {{"--bogus", "--version"}, Action::Misuse, {}, "unknown option '--bogus'"},
        {{"--json"}, Action::Misuse, {}, "no skin to check"},
    };
    for (const auto& [args, action, skins, error] : cases) {
        const Options options = parseOptions(args);
        EXPECT_EQ(options.action, action) << args[0];
        EXPECT_EQ(options.error, error) << args[0];
        if (action == Action::Check) {
            EXPECT_EQ(options.skins, skins);
        }
    }
}

} // namespace
