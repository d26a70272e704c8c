#include "button_builder/core/runcounter.h"

#include "common/core/fileio.h"
#include "common/testing/unprivileged.h"

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
        EXPECT_EQ(kit::readWholeFile(dir / "knapro.dat", text, 1 << 16), "");
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

TEST_F(RunCounterFile, ACounterThatCannotBeReadIsLeftAsItIsAndTheStartCountsOne)
{
    const fs::path file = dir / "knapro.dat";
    const struct { const char* name; std::string text; fs::perms perms; } cases[] = {
        {"too long", std::string(5000, '7'), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read},
        {"write-only", "41\r\n", fs::perms::owner_write | fs::perms::others_write},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(kit::replaceFile(file, c.text), "");
        fs::permissions(file, c.perms);
        ::chmod(dir.c_str(), 0777);
        std::int16_t count = 0;
        {
            const kit::testing::Unprivileged user;
            count = knapro::countThisStart(dir);
        }
        EXPECT_EQ(count, 1);
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(counterText(), c.text);
    }
}

TEST_F(RunCounterFile, AnOldCounterInTheWorkingFolderIsCarriedOverOnceAndNeverDeleted)
{
    const fs::path data = dir / "share" / "Knapro";
    const fs::path working = dir / "skins";
    fs::create_directories(working);
    ASSERT_EQ(kit::replaceFile(working / "knapro.dat", "41\r\n"), "");

    knapro::carryOverRunCounter(data, working);
    EXPECT_EQ(knapro::countThisStart(data), 42);
    ASSERT_EQ(kit::replaceFile(working / "knapro.dat", "7\r\n"), "");
    knapro::carryOverRunCounter(data, working);
    EXPECT_EQ(knapro::countThisStart(data), 43);

    fs::remove(data / "knapro.dat"); // as the author may: the next start counts 1 again
    knapro::carryOverRunCounter(data, working);
    EXPECT_EQ(knapro::countThisStart(data), 1);

    std::string old;
    ASSERT_EQ(kit::readWholeFile(working / "knapro.dat", old, 100), "");
    EXPECT_EQ(old, "7\r\n");
    const fs::path fresh = dir / "fresh";
    knapro::carryOverRunCounter(fresh, {}); // a working folder that is gone
    EXPECT_EQ(knapro::countThisStart(fresh), 1);
}
