#include "workbench/core/coloursession.h"

#include <gtest/gtest.h>

using tessel::BarValues;
using tessel::ColourEntry;
using tessel::ColourTable;

namespace {

ColourTable tableWith(std::initializer_list<std::pair<int, ColourEntry>> entries)
{
    ColourTable table {};
    for (const auto& [index, entry] : entries)
        table[size_t(index)] = entry;
    return table;
}

} // namespace

TEST(ColourSession, TheBarsReachOnlyTheEntryBeingEditedAndOnlyAtACommit)
{
    tessel::ColourSession session;
    EXPECT_EQ(session.Commit({200, 10, 20}, 5), (BarValues {0, 0, 0}));
    EXPECT_EQ(session.colourTable(), tableWith({{0, {200, 10, 20}}}));
    EXPECT_EQ(session.editIndex(), 5);
    // The bars now belong to entry 5; going back to 0 shows what entry 0 got.
    EXPECT_EQ(session.Commit({1, 2, 3}, 0), (BarValues {200, 10, 20}));
    EXPECT_EQ(session.colourTable(), tableWith({{0, {200, 10, 20}}, {5, {1, 2, 3}}}));
}

TEST(ColourSession, SelectingCutsTheNewEntryTo255WhileLoadingAndCommittingKeepTheTable)
{
    const ColourTable read = tableWith({{0, {300, -3, 12.5}}, {1, {300, 12.5, -3}}, {2, {400, 0, 0}}});
    tessel::ColourSession session;
    session.Commit({9, 9, 9}, 4);
    EXPECT_EQ(session.load(read), (BarValues {255, 0, 13}));
    EXPECT_EQ(session.colourTable(), read);
    EXPECT_EQ(session.editIndex(), 0);

    EXPECT_EQ(session.select({255, 0, 13}, 1), (BarValues {255, 13, 0}));
    EXPECT_EQ(session.colourTable()[0], (ColourEntry {255, 0, 13}));
    EXPECT_EQ(session.colourTable()[1], (ColourEntry {255, 12.5, -3}));
    EXPECT_EQ(session.Commit({255, 13, 0}, 2), (BarValues {255, 0, 0}));
    EXPECT_EQ(session.colourTable()[2], (ColourEntry {400, 0, 0}));
}

TEST(ColourSession, FadeCommitsTheBarsFirstAndClearKeepsTheEntryBeingEdited)
{
    tessel::ColourSession session;
    session.load(tableWith({{6, {255, 128, 0}}}));
    session.Commit({0, 0, 0}, 2);
    EXPECT_EQ(session.fade({0, 0, 40}, 2, 6), (BarValues {0, 0, 40}));
    EXPECT_EQ(session.colourTable()[4], (ColourEntry {128, 64, 20}));

    EXPECT_EQ(session.clear(6), (BarValues {0, 0, 0}));
    EXPECT_EQ(session.colourTable(), ColourTable {});
    EXPECT_EQ(session.editIndex(), 2);
}

TEST(ColourSession, IsUnsavedOnlyWhileTheTableDiffersFromTheOneLoadedOrSaved)
{
    tessel::ColourSession session;
    session.Commit({0, 0, 0}, 3);
    EXPECT_FALSE(session.unsaved());
    session.Commit({7, 0, 0}, 3);
    EXPECT_TRUE(session.unsaved());
    session.Commit({0, 0, 0}, 3);
    EXPECT_FALSE(session.unsaved()) << "a change undone by hand";
    session.Commit({7, 0, 0}, 3);
    session.markSaved();
    EXPECT_FALSE(session.unsaved());
    session.clear(0);
    EXPECT_TRUE(session.unsaved());
    session.load(tableWith({{2, {1, 2, 3}}}));
    EXPECT_FALSE(session.unsaved());
}
