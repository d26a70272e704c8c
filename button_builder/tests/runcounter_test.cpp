#include "button_builder/core/runcounter.h"

#include "common/core/fileio.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using knapro::ordinalSuffix;

TEST(RunCounter, SuffixFollowsTheLastDigitExceptForElevenToThirteen)
{
    const std::pair<int, const char*> cases[] = {
        {1, "st"},   {2, "nd"},   {3, "rd"},   {4, "th"},   {11, "th"},    {12, "th"},  {13, "th"},
        {21, "st"},  {22, "nd"},  {23, "rd"},  {111, "st"}, {112, "nd"},   {113, "rd"}, {10, "th"},
        {100, "th"}, {1011, "st"}, {32767, "th"},
    };
    for (const auto& [count, suffix] : cases)
        EXPECT_EQ(ordinalSuffix(count), suffix) << count;
    EXPECT_EQ(knapro::timesSentence(2), "For the record, this is your 2nd time.");
}

TEST(RunCounter, ReadsTheLeadingNumberAndTakesEverythingElseAsZero)
{
    EXPECT_EQ(knapro::parseRunCount("12\r\n"), 12);
    EXPECT_EQ(knapro::parseRunCount(" \r\n 7 apples"), 7);
    EXPECT_EQ(knapro::parseRunCount(""), 0);
    EXPECT_EQ(knapro::parseRunCount("knapro"), 0);
    EXPECT_EQ(knapro::parseRunCount("-5\r\n"), 0);
    EXPECT_EQ(knapro::parseRunCount("+"), 0);
    EXPECT_EQ(knapro::parseRunCount("32767\r\n"), 32767);
    EXPECT_EQ(knapro::parseRunCount("99999999999\r\n"), 32767);
}

class RunCounterFile : public ::testing::Test
{
protected:
    std::string counterText() const
    {
        std::string text;
        EXPECT_EQ(kit::readWholeFile(dir / "knapro.dat", text, 4096), "");
        return text;
    }

    QTemporaryDir temporary;
    fs::path dir = temporary.path().toStdString();
};

TEST_F(RunCounterFile, AMissingFileStartsAtOneAndEachStartAddsOne)
{
    EXPECT_EQ(knapro::countThisStart(dir), 1);
    EXPECT_EQ(counterText(), "1\r\n");
    EXPECT_EQ(knapro::countThisStart(dir), 2);
    EXPECT_EQ(counterText(), "2\r\n");

    fs::remove(dir / "knapro.dat");
    EXPECT_EQ(knapro::countThisStart(dir), 1);
}

TEST_F(RunCounterFile, TheCountStopsAt32767)
{
    ASSERT_EQ(kit::replaceFile(dir / "knapro.dat", "32766\r\n"), "");
    EXPECT_EQ(knapro::countThisStart(dir), 32767);
    EXPECT_EQ(knapro::countThisStart(dir), 32767);
    EXPECT_EQ(counterText(), "32767\r\n");
}
