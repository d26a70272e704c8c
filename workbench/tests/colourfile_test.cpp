#include "workbench/core/colourfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using tessel::ColourEntry;
using tessel::ColourTable;

namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The 23 lines of a file in the player's usual form, entry i being (i, 100 + i, 200 + i).
std::string usualFormLines(const char* lineEnd)
{
    std::string text;
    for (int i = 0; i < 23; ++i)
        text += std::to_string(i) + "," + std::to_string(100 + i) + "," + std::to_string(200 + i) + ", // colour "
                + std::to_string(i) + lineEnd;
    return text;
}

const ColourTable kUsualForm = [] {
    ColourTable table {};
    for (int i = 0; i < 23; ++i)
        table[static_cast<size_t>(i)] = {double(i), 100.0 + i, 200.0 + i};
    return table;
}();

// Lines 4 to 21 of a file whose entries there are all black, as written by hand.
const std::string kBlackLines4To21 =
    " 0, 0, 0  // 4\r\n 0, 0, 0  // 5\r\n 0, 0, 0  // 6\r\n 0, 0, 0  // 7\r\n 0, 0, 0  // 8\r\n 0, 0, 0  // 9\r\n"
    " 0, 0, 0  // 10\r\n 0, 0, 0  // 11\r\n 0, 0, 0  // 12\r\n 0, 0, 0  // 13\r\n 0, 0, 0  // 14\r\n"
    " 0, 0, 0  // 15\r\n 0, 0, 0  // 16\r\n 0, 0, 0  // 17\r\n 0, 0, 0  // 18\r\n 0, 0, 0  // 19\r\n"
    " 0, 0, 0  // 20\r\n 0, 0, 0  // 21\r\n";

class ColourFile : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    const std::string path = dir.filePath("Tessel.txt").toStdString();
};

} // namespace

TEST(LeadingNumber, ReadsTheNumberAtTheFrontAndStopsAtTheFirstForeignCharacter)
{
    const std::pair<std::string, double> cases[] = {
        {" 24, 33", 24}, {"\r\n\t 239,", 239}, {"-3  // 1", -3}, {"+7", 7}, {"12.5.5", 12.5}, {".5", 0.5},
        {"7e3", 7},      {"1 2", 1},           {"// 0", 0},      {"- 5", 0}, {".", 0},          {"", 0},
        {std::string(400, '9'), std::numeric_limits<double>::max()},     {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(tessel::leadingNumber(text), value) << text;
}

TEST_F(ColourFile, WritesTheAllZeroTableTheWorkedExampleAndOddValuesByteForByte)
{
    ASSERT_EQ(tessel::WriteColourFile(path, ColourTable {}), "");
    EXPECT_EQ(fileBytes(path), " 0, 0, 0  // 0\r\n 0, 0, 0  // 1\r\n 0, 0, 0  // 2\r\n 0, 0, 0  // 3\r\n"
                                   + kBlackLines4To21 + " 0, 0, 0  // 22\r\n");

    ColourTable table {};
    table[1] = {24, 33, 41};
    table[2] = {239, 49, 16};
    table[3] = {12.5, -3, 300};
    table[22] = {-0.0, 1e20, -0.25};
    // The older, longer file must not leave its tail behind.
    writeBytes(path, std::string(4000, 'x'));
    ASSERT_EQ(tessel::WriteColourFile(path, table), "");
    EXPECT_EQ(fileBytes(path), " 0, 0, 0  // 0\r\n 24, 33, 41  // 1\r\n 239, 49, 16  // 2\r\n 12.5,-3, 300  // 3\r\n"
                                   + kBlackLines4To21 + " 0, 100000000000000000000,-0.25  // 22\r\n");
}

TEST_F(ColourFile, ReadsBackWhatItWroteAndThePlayersUsualForm)
{
    ColourTable table = kUsualForm;
    table[5] = {300, -3, 12.5};
    table[6] = {0.25, 1e-3, 1e20};
    ASSERT_EQ(tessel::WriteColourFile(path, table), "");
    ColourTable read {};
    ASSERT_EQ(tessel::ReadColourFile(path, read), "");
    EXPECT_EQ(read, table);

    // Trailing commas, comments and a 24th line, which only the player reads.
    writeBytes(path, usualFormLines("\r\n") + "9,9,9, // the 24th line\r\n");
    ASSERT_EQ(tessel::ReadColourFile(path, read), "");
    EXPECT_EQ(read, kUsualForm);
}

TEST(ColourText, TakesLinesByPositionAndStopsAtTheEndOfTheText)
{
    // A header with two commas of its own: every entry comes one line late.
    ColourTable expected {};
    std::copy(kUsualForm.begin(), kUsualForm.end() - 1, expected.begin() + 1);
    EXPECT_EQ(tessel::colourTableFromText("// Red, Green, Blue\r\n" + usualFormLines("\r\n")), expected);
    // A header without commas: entry 0 searches on into the first real line for
    // its green and blue, and the entries after it stay in step.
    expected = kUsualForm;
    expected[0] = {0, 100, 200};
    EXPECT_EQ(tessel::colourTableFromText("// Tessel colours\r\n" + usualFormLines("\r\n")), expected);

    // A line short of commas keeps its text for the next number, and short texts
    // leave the rest black, whether their lines end in CR LF or in LF alone.
    expected = {};
    expected[0] = {10, 20, 30};
    expected[1] = {40, 50, 50};
    expected[2] = {60, 60, 60};
    EXPECT_EQ(tessel::colourTableFromText("10,20,30\r\n40,50\r\n60\r\n"), expected);
    EXPECT_EQ(tessel::colourTableFromText("10,20,30\n40,50\n60"), expected);
    EXPECT_EQ(tessel::colourTableFromText(usualFormLines("\n")), kUsualForm);
}

TEST_F(ColourFile, AnEmptyFileReadsAsAllBlackAndAMissingOneChangesNothing)
{
    ColourTable table {};
    table.fill({7, 8, 9});
    writeBytes(path, "");
    ASSERT_EQ(tessel::ReadColourFile(path, table), "");
    EXPECT_EQ(table, ColourTable {});

    table.fill({7, 8, 9});
    const ColourTable before = table;
    EXPECT_EQ(tessel::ReadColourFile(dir.filePath("missing.txt").toStdString(), table), "No such file or directory");
    EXPECT_EQ(table, before);
}
