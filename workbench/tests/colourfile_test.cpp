#include "colourfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using tessel::ColourTable;

namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The 23 lines of a file in the player's usual form, entry i being (i, 100 + i, 200 + i).
std::string usualFormLines(const char* lineEnd)
{
    std::string text;
    for (int i = 0; i < 23; ++i)
        text += std::to_string(i) + "," + std::to_string(100 + i) + "," + std::to_string(200 + i) + ", // colour "
                + std::to_string(i) + lineEnd;
    return text;
}

ColourTable usualFormTable()
{
    ColourTable table {};
    for (int i = 0; i < 23; ++i)
        table[static_cast<size_t>(i)] = {double(i), 100.0 + i, 200.0 + i};
    return table;
}

class ColourFile : public ::testing::Test
{
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

} // namespace

TEST(NumberText, PutsABlankBeforeNonNegativeNumbersAndKeepsOnlyNeededDecimals)
{
    EXPECT_EQ(tessel::numberText(0), " 0");
    EXPECT_EQ(tessel::numberText(-0.0), " 0");
    EXPECT_EQ(tessel::numberText(255), " 255");
    EXPECT_EQ(tessel::numberText(300), " 300");
    EXPECT_EQ(tessel::numberText(-3), "-3");
    EXPECT_EQ(tessel::numberText(12.5), " 12.5");
    EXPECT_EQ(tessel::numberText(-0.25), "-0.25");
    EXPECT_EQ(tessel::numberText(63.75), " 63.75");
    EXPECT_EQ(tessel::numberText(1e20), " 100000000000000000000");
}

TEST(LeadingNumber, ReadsTheNumberAtTheFrontAndStopsAtTheFirstForeignCharacter)
{
    EXPECT_EQ(tessel::leadingNumber(" 24, 33"), 24);
    EXPECT_EQ(tessel::leadingNumber("\r\n\t 239,"), 239);
    EXPECT_EQ(tessel::leadingNumber("-3  // 1"), -3);
    EXPECT_EQ(tessel::leadingNumber("+7"), 7);
    EXPECT_EQ(tessel::leadingNumber("12.5.5"), 12.5);
    EXPECT_EQ(tessel::leadingNumber(".5"), 0.5);
    EXPECT_EQ(tessel::leadingNumber("7e3"), 7);
    EXPECT_EQ(tessel::leadingNumber("1 2"), 1);
    EXPECT_EQ(tessel::leadingNumber("// 0"), 0);
    EXPECT_EQ(tessel::leadingNumber("- 5"), 0);
    EXPECT_EQ(tessel::leadingNumber("."), 0);
    EXPECT_EQ(tessel::leadingNumber(""), 0);
    EXPECT_EQ(tessel::leadingNumber(std::string(400, '9')), std::numeric_limits<double>::max());
    EXPECT_EQ(tessel::leadingNumber("0." + std::string(400, '0') + "1"), 0);
}

// Lines 4 to 21 of a file whose entries there are all black, as written by hand.
const std::string kBlackLines4To21 =
    " 0, 0, 0  // 4\r\n"
    " 0, 0, 0  // 5\r\n"
    " 0, 0, 0  // 6\r\n"
    " 0, 0, 0  // 7\r\n"
    " 0, 0, 0  // 8\r\n"
    " 0, 0, 0  // 9\r\n"
    " 0, 0, 0  // 10\r\n"
    " 0, 0, 0  // 11\r\n"
    " 0, 0, 0  // 12\r\n"
    " 0, 0, 0  // 13\r\n"
    " 0, 0, 0  // 14\r\n"
    " 0, 0, 0  // 15\r\n"
    " 0, 0, 0  // 16\r\n"
    " 0, 0, 0  // 17\r\n"
    " 0, 0, 0  // 18\r\n"
    " 0, 0, 0  // 19\r\n"
    " 0, 0, 0  // 20\r\n"
    " 0, 0, 0  // 21\r\n";

TEST_F(ColourFile, WritesAnAllZeroTableByteForByte)
{
    ASSERT_EQ(tessel::WriteColourFile(path("Tessel.txt"), ColourTable {}), "");
    EXPECT_EQ(fileBytes(path("Tessel.txt")),
              " 0, 0, 0  // 0\r\n"
              " 0, 0, 0  // 1\r\n"
              " 0, 0, 0  // 2\r\n"
              " 0, 0, 0  // 3\r\n"
              + kBlackLines4To21 +
              " 0, 0, 0  // 22\r\n");
}

TEST_F(ColourFile, WritesTheWorkedExampleAndOddValuesAsTheyAreStored)
{
    ColourTable table {};
    table[1] = {24, 33, 41};
    table[2] = {239, 49, 16};
    table[3] = {12.5, -3, 300};
    table[22] = {255, 0.25, -0.5};
    // An older, longer file must not leave its tail behind.
    writeBytes(path("Tessel.txt"), std::string(4000, 'x'));

    ASSERT_EQ(tessel::WriteColourFile(path("Tessel.txt"), table), "");
    EXPECT_EQ(fileBytes(path("Tessel.txt")),
              " 0, 0, 0  // 0\r\n"
              " 24, 33, 41  // 1\r\n"
              " 239, 49, 16  // 2\r\n"
              " 12.5,-3, 300  // 3\r\n"
              + kBlackLines4To21 +
              " 255, 0.25,-0.5  // 22\r\n");
}

TEST_F(ColourFile, ReadsBackWhatItWrote)
{
    ColourTable table {};
    for (int i = 0; i < 23; ++i)
        table[static_cast<size_t>(i)] = {double(10 * i), 255.0 - i, i / 4.0};
    table[5] = {300, -3, 12.5};
    ASSERT_EQ(tessel::WriteColourFile(path("Tessel.txt"), table), "");

    ColourTable read {};
    read.fill({1, 1, 1});
    ASSERT_EQ(tessel::ReadColourFile(path("Tessel.txt"), read), "");
    EXPECT_EQ(read, table);
}

TEST_F(ColourFile, ReadsThePlayersUsualFormAndIgnoresLinesAfterThe23rd)
{
    writeBytes(path("usual.txt"), usualFormLines("\r\n") + "9,9,9, // the player reads a 24th line; we do not\r\n");
    ColourTable read {};
    ASSERT_EQ(tessel::ReadColourFile(path("usual.txt"), read), "");
    EXPECT_EQ(read, usualFormTable());
}

TEST(ColourText, TakesLinesByPositionSoAHeaderLineBecomesEntryZero)
{
    // A header with two commas of its own: every entry comes one line late.
    ColourTable shifted = tessel::colourTableFromText("// Red, Green, Blue\r\n" + usualFormLines("\r\n"));
    EXPECT_EQ(shifted[0], (tessel::ColourEntry {0, 0, 0}));
    for (size_t i = 1; i < 23; ++i)
        EXPECT_EQ(shifted[i], usualFormTable()[i - 1]) << "entry " << i;

    // A header without commas: entry 0 searches on into the first real line for
    // its green and blue, and the entries after it stay in step.
    ColourTable garbled = tessel::colourTableFromText("// Tessel colours\r\n" + usualFormLines("\r\n"));
    EXPECT_EQ(garbled[0], (tessel::ColourEntry {0, 100, 200}));
    for (size_t i = 1; i < 23; ++i)
        EXPECT_EQ(garbled[i], usualFormTable()[i]) << "entry " << i;
}

TEST(ColourText, StopsAtTheEndOfAShortTextAndLeavesTheRestBlack)
{
    ColourTable table = tessel::colourTableFromText("1,2,3\r\n4,5,6\r\n7,8");
    EXPECT_EQ(table[0], (tessel::ColourEntry {1, 2, 3}));
    EXPECT_EQ(table[1], (tessel::ColourEntry {4, 5, 6}));
    EXPECT_EQ(table[2], (tessel::ColourEntry {7, 8, 0}));
    for (size_t i = 3; i < 23; ++i)
        EXPECT_EQ(table[i], (tessel::ColourEntry {0, 0, 0})) << "entry " << i;

    // A last line without commas gives its one number and zeros, not the same number thrice.
    table = tessel::colourTableFromText("1,2,3\r\n9\r\n");
    EXPECT_EQ(table[1], (tessel::ColourEntry {9, 0, 0}));

    // Line feeds alone end lines too, as files saved on Linux have them.
    EXPECT_EQ(tessel::colourTableFromText(usualFormLines("\n")), usualFormTable());
    table = tessel::colourTableFromText("1,2,3\n4,5,6\n");
    EXPECT_EQ(table[1], (tessel::ColourEntry {4, 5, 6}));
    EXPECT_EQ(table[2], (tessel::ColourEntry {0, 0, 0}));

    EXPECT_EQ(tessel::colourTableFromText(""), ColourTable {});
}

TEST_F(ColourFile, AnEmptyFileReadsAsAllBlackAndAMissingOneChangesNothing)
{
    ColourTable table {};
    table.fill({7, 8, 9});
    writeBytes(path("empty.txt"), "");
    ASSERT_EQ(tessel::ReadColourFile(path("empty.txt"), table), "");
    EXPECT_EQ(table, ColourTable {});

    table.fill({7, 8, 9});
    const ColourTable before = table;
    EXPECT_EQ(tessel::ReadColourFile(path("missing.txt"), table), "No such file or directory");
    EXPECT_EQ(table, before);
}

TEST(ColourText, ShowsValuesAndNotesOneLinePerEntry)
{
    ColourTable table {};
    table[1] = {24, 33, 41};
    table[2] = {12.5, -3, 300};
    const std::string values = tessel::colourValuesText(table);
    const std::string firstLines = " 0, 0, 0\r\n 24, 33, 41\r\n 12.5,-3, 300\r\n";
    std::string blackLines;
    for (int i = 3; i < 23; ++i)
        blackLines += " 0, 0, 0\r\n";
    EXPECT_EQ(values, firstLines + blackLines);

    EXPECT_EQ(tessel::colourNotesText(),
              "// 0\r\n// 1\r\n// 2\r\n// 3\r\n// 4\r\n// 5\r\n// 6\r\n// 7\r\n// 8\r\n// 9\r\n// 10\r\n// 11\r\n"
              "// 12\r\n// 13\r\n// 14\r\n// 15\r\n// 16\r\n// 17\r\n// 18\r\n// 19\r\n// 20\r\n// 21\r\n// 22\r\n");
}
