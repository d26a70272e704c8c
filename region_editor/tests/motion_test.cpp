#include "region_editor/core/motion.h"

#include <gtest/gtest.h>

namespace {

TEST(CreditsScroll, ReachesTheTopAfter320StepsThenAfter330FromBelow)
{
    // Steps from the start, or from the restart below, until the top is reached.
    std::vector<int> stepsToTheTop;
    int top = plevo::kCreditsFirstTop;
    int steps = 0;
    while (stepsToTheTop.size() < 3) {
        top = plevo::nextCreditsTop(top);
        ++steps;
        if (top == plevo::kCreditsRestartTop)
            steps = 0;
        if (top == plevo::kCreditsLastTop) {
            stepsToTheTop.push_back(steps);
            steps = 0;
        }
    }
    EXPECT_EQ(stepsToTheTop, (std::vector<int>{320, 330, 330}));
    EXPECT_EQ(plevo::nextCreditsTop(plevo::kCreditsLastTop), 2800);
}

TEST(AboutIcon, SlidesIn172MovesAndStopsAt235)
{
    int left = plevo::kAboutIconFirstLeft;
    int moves = 0;
    while (plevo::aboutIconMoves(left)) {
        left += plevo::kAboutIconStep;
        ++moves;
    }
    EXPECT_EQ(moves, 172);
    EXPECT_EQ(left, 235);
}

} // namespace
