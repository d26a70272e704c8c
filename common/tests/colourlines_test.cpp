#include "common/core/colourlines.h"

#include <gtest/gtest.h>

namespace {

struct Expected
{
    int lineNumber;
    bool wholeLine;
    kit::ColourEntry values;
};

// Each entry as the rules read it: the checker's judgement of a line must agree
// with the values Tessel loads from it.
TEST(ColourLines, ReadEachEntryAsTheTableDoesAndTellWhetherItsLineHoldsThreeNumbers)
{
    const std::pair<std::string_view, std::vector<Expected>> cases[] = {
        {"1,2,3\r\n4,5,6\r\n", {{1, true, {1, 2, 3}}, {2, true, {4, 5, 6}}}},
        {"0,0,0, // back\n\n  7 , 8 ,9\n", {{1, true, {0, 0, 0}}, {3, true, {7, 8, 9}}}},
        {"300,-5,12.5  // 0", {{1, true, {300, -5, 12.5}}}},
        // Too few commas: the rules take numbers from the next line.
        {"40,50\r\n1,2,3", {{1, false, {40, 50, 2}}}},
        {"// colours\r\n1,2,3", {{1, false, {0, 2, 3}}}},
        {"1,x,3\r\n", {{1, false, {1, 0, 3}}}},
        {"", {}},
        {" \r\n\t\n", {}},
    };
    for (const auto& [text, expected] : cases) {
        const auto lines = kit::readColourLines(text, 24);
        ASSERT_EQ(lines.size(), expected.size()) << text;
        const kit::ColourTable table = kit::colourTableFromText(text);
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].lineNumber, expected[i].lineNumber) << text << " entry " << i;
            EXPECT_EQ(lines[i].wholeLine, expected[i].wholeLine) << text << " entry " << i;
            EXPECT_EQ(lines[i].values, expected[i].values) << text << " entry " << i;
            EXPECT_EQ(lines[i].values, table[i]) << text << " entry " << i;
        }
    }
}

TEST(ColourLines, StopAtTheNumberOfEntriesAsked)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += std::to_string(i) + ",0,0\r\n";
    const auto lines = kit::readColourLines(text, 24);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines.back().values[0], 23);
    EXPECT_EQ(lines.back().lineNumber, 24);
    EXPECT_EQ(lines.back().text, "23,0,0");
}

} // namespace
