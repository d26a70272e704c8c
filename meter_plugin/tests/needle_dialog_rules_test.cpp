#include "meter_plugin/core/needle_dialog_rules.h"

#include "meter_plugin/core/needles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dovrik {
namespace {

MeterValues settings(int nDelay, int nVULimit)
{
    MeterValues values;
    values.nDelay = nDelay;
    values.nVULimit = nVULimit;
    return values;
}

TEST(NeedleDialog, OpeningShowsThePerMilleAndKeepsTheFallStep)
{
    struct Case {
        int nDelay, nVULimit;
        float decay;
        NeedleDialogView shown;
    };
    const Case cases[] = {
        {63, 3072, 20.5078125f, {20, 3072}},
        {100, 3000, 100000.0f / 3000, {33, 3000}},
        {1, 8000, 0.125f, {0, 8000}},          // the upper box could not take 0
        {63, 20000, 3.15f, {3, 20000}},        // nor the lower one 20000
    };
    for (const Case& c : cases) {
        MeterValues values = settings(c.nDelay, c.nVULimit);
        openNeedleDialog(values);
        EXPECT_EQ(values.decayPerMille, c.decay) << c.nDelay << "/" << c.nVULimit;
        EXPECT_EQ(refreshNeedleDialog(values), c.shown) << c.nDelay << "/" << c.nVULimit;
        EXPECT_EQ(values.nDelay, c.nDelay) << c.nDelay << "/" << c.nVULimit;
        EXPECT_EQ(values.nVULimit, c.nVULimit);
    }
}

TEST(NeedleDialog, SlidersAndBoxesFromTheDefaults)
{
    enum Control { UpperSlider, LowerSlider, UpperBox, LowerBox };
    struct Step {
        Control control;
        int number;
        bool accepted;
        int nDelay, nVULimit;
    };
    // One after the other, from the dialog opened on 63 and 3072.
    const Step steps[] = {
        {UpperSlider, 30, true, 92, 3072},
        {LowerSlider, 4096, true, 84, 4096}, // at the opening's 20.5078125, not at 30
        {UpperBox, 61, false, 84, 4096},
        {UpperBox, 0, false, 84, 4096},
        {LowerBox, 9000, false, 84, 4096},
        {LowerBox, 1023, false, 84, 4096},
        {UpperBox, 60, true, 245, 4096},
        {UpperBox, 1, true, 4, 4096},
        {LowerBox, 8192, true, 168, 8192},
        {LowerBox, 1024, true, 21, 1024},
    };
    MeterValues values = settings(63, 3072);
    openNeedleDialog(values);
    refreshNeedleDialog(values);
    for (const Step& step : steps) {
        bool accepted = true;
        switch (step.control) {
        case UpperSlider: perMilleDragged(values, step.number); break;
        case LowerSlider: vuLimitDragged(values, step.number); break;
        case UpperBox: accepted = perMilleTyped(values, static_cast<unsigned>(step.number)); break;
        case LowerBox: accepted = vuLimitTyped(values, static_cast<unsigned>(step.number)); break;
        }
        const auto where = ::testing::Message() << "control " << step.control << " to " << step.number;
        EXPECT_EQ(accepted, step.accepted) << where;
        EXPECT_EQ(values.nDelay, step.nDelay) << where;
        EXPECT_EQ(values.nVULimit, step.nVULimit) << where;
    }
    EXPECT_EQ(values.decayPerMille, 20.5078125f);
}

// `value` rounded once to the nearest 32-bit float, ties to even, worked out on
// the bits of a double, so it holds however wide the build keeps its floats.
double nearestFloat(double value)
{
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    return std::ldexp(std::nearbyint(std::ldexp(mantissa, 24)), exponent - 24);
}

// Every full scale that automatic ranging can leave, from 1015, where a step down
// from 1025 ends, to the top of the lower slider, with the fall step it sets.
// Opened on such a state the dialog shows the whole per mille of the fall step
// and the full scale. Giving it the full scale it shows again, by the lower
// slider or box, keeps the fall step wherever the full scale times the float
// decay factor, rounded to a float, reaches the fall step's thousandfold, and
// loses one where the factor lies too far below the true ratio.
TEST(NeedleDialog, EveryStateThatRangingReachesShowsItselfAndTakesItsFullScaleBack)
{
    int lost = 0;
    for (int vuLimit = 1015; vuLimit <= kVULimitHighest; ++vuLimit) {
        const int nDelay = rangingFallStep(vuLimit);
        MeterValues values = settings(nDelay, vuLimit);
        openNeedleDialog(values);
        ASSERT_EQ(refreshNeedleDialog(values), (NeedleDialogView{nDelay * 1000 / vuLimit, vuLimit})) << vuLimit;

        const double decay = nearestFloat(nDelay * 1000.0 / vuLimit);
        ASSERT_EQ(values.decayPerMille, decay) << vuLimit;
        const bool kept = nearestFloat(vuLimit * decay) >= nDelay * 1000.0;
        lost += !kept;
        const int taken = kept ? nDelay : nDelay - 1;
        vuLimitDragged(values, vuLimit);
        ASSERT_EQ(values.nDelay, taken) << vuLimit;
        values.nDelay = nDelay;
        ASSERT_EQ(vuLimitTyped(values, static_cast<unsigned>(vuLimit)), vuLimit >= kVULimitLowest) << vuLimit;
        ASSERT_EQ(values.nDelay, vuLimit >= kVULimitLowest ? taken : nDelay) << vuLimit;
    }
    EXPECT_EQ(lost, 413);
}

// 3000 x 33.333332f is 99999.996 exactly and 100000 once rounded to a float; the
// x87 stack of a 32-bit build kept the former, and the fall step came out 99.
TEST(NeedleDialog, TheFullScaleTimesTheDecayIsRoundedToAFloat)
{
    MeterValues values = settings(100, 3000);
    openNeedleDialog(values);
    vuLimitDragged(values, 3000);
    EXPECT_EQ(values.nDelay, 100);
    EXPECT_TRUE(vuLimitTyped(values, 3000));
    EXPECT_EQ(values.nDelay, 100);
}

TEST(NeedleDialog, PresetsSetAllThreeAndSurviveTheRefresh)
{
    struct Case {
        NeedlePreset preset;
        int nVULimit, nDelay;
        float decay;
        NeedleDialogView shown;
    };
    const Case cases[] = {
        {NeedlePreset::Low, 1024, 21, 20.5078125f, {20, 1024}},
        {NeedlePreset::Middle, 3072, 63, 20.5078125f, {20, 3072}},
        {NeedlePreset::High, 6000, 123, 20.5f, {20, 6000}},
    };
    for (const Case& c : cases) {
        MeterValues values = settings(250, 5000); // opened at 50 per mille
        openNeedleDialog(values);
        applyNeedlePreset(values, c.preset);
        EXPECT_EQ(refreshNeedleDialog(values), c.shown) << c.nVULimit;
        EXPECT_EQ(values.nVULimit, c.nVULimit);
        EXPECT_EQ(values.nDelay, c.nDelay) << c.nVULimit;
        EXPECT_EQ(values.decayPerMille, c.decay) << c.nVULimit;
    }
}

} // namespace
} // namespace dovrik
