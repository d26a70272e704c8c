#include "meter_plugin/core/layout.h"
#include "meter_plugin/core/settings_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace dovrik {
namespace {

TEST(MeterPlacement, ExactMultiplesOfTheHostGridAgreeAtStartAndAfterResize)
{
    const ClientRect base{0, 0, 275, 116};
    const ClientRect doubled{0, 0, 550, 232};
    EXPECT_EQ(placementAtStart(base), (MeterPlacement{22, 42, 81, 22}));
    EXPECT_EQ(placementAfterResize(base), (MeterPlacement{22, 42, 81, 22}));
    EXPECT_EQ(placementAtStart(doubled), (MeterPlacement{44, 84, 162, 44}));
    EXPECT_EQ(placementAfterResize(doubled), (MeterPlacement{44, 84, 162, 44}));
}

TEST(MeterPlacement, OtherSizesPlaceByTwoFormulas)
{
    EXPECT_EQ(placementAtStart({0, 0, 300, 116}), (MeterPlacement{24, 42, 81, 22}));
    EXPECT_EQ(placementAfterResize({0, 0, 300, 117}), (MeterPlacement{22, 42, 81, 22}));
    EXPECT_EQ(placementAtStart({10, 20, 560, 300}), (MeterPlacement{10 + 44, 20 + 101, 162, 44}));
    EXPECT_EQ(placementAfterResize({10, 20, 560, 300}), (MeterPlacement{10 + 44, 20 + 84, 162, 44}));
}

TEST(MeterPlacement, NarrowHostGivesAnEmptyMeter)
{
    EXPECT_EQ(meterScale({0, 0, 274, 116}), 0);
    EXPECT_EQ(placementAtStart({0, 0, 200, 116}), (MeterPlacement{16, 42, 0, 0}));
    EXPECT_EQ(placementAfterResize({0, 0, 200, 116}), (MeterPlacement{0, 0, 0, 0}));
    EXPECT_EQ(meterScale({0, 0, 824, 116}), 2);
}

TEST(SettingsRules, LeadingIntegerReadsWhatTheTextStartsWith)
{
    EXPECT_EQ(leadingInteger("101"), 101);
    EXPECT_EQ(leadingInteger("  42abc"), 42);
    EXPECT_EQ(leadingInteger("-5"), -5);
    EXPECT_EQ(leadingInteger("+7"), 7);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("-"), 0);
    EXPECT_EQ(leadingInteger("x12"), 0);
    EXPECT_EQ(leadingInteger("99999999999"), INT_MAX);
    EXPECT_EQ(leadingInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(leadingInteger("-99999999999"), INT_MIN);
}

TEST(SettingsRules, ZerosBecomeDefaultsAndAnyAutoSetButZeroIsOn)
{
    MeterValues values;
    applySettings(values, {0, 0, 0, 0});
    EXPECT_EQ(currentSettings(values), (SettingValues{101, 63, 3072, 0}));

    applySettings(values, {5, -4, 20000, 7});
    EXPECT_EQ(values.modelId, 5);
    EXPECT_EQ(values.nDelay, -4);
    EXPECT_EQ(values.nVULimit, 20000);
    EXPECT_TRUE(values.AutoSet);
    EXPECT_EQ(currentSettings(values), (SettingValues{5, -4, 20000, 1}));

    applySettings(values, {102, 21, 1024, -1});
    EXPECT_TRUE(values.AutoSet);
}

TEST(SettingsRules, TextAndPath)
{
    EXPECT_EQ(settingText(3072).view(), "3072");
    EXPECT_EQ(settingText(-63).view(), "-63");
    EXPECT_EQ(settingText(0).view(), "0");
    EXPECT_EQ(settingText(INT_MIN).view(), "-2147483648");
    EXPECT_EQ(settingsFolderOf(L"C:\\Program Files\\Player\\Plugins\\vis_Dovrik.dll"),
              L"C:\\Program Files\\Player\\Plugins\\");
    EXPECT_EQ(settingsFolderOf(L"\\\\server\\share\\vis_Dovrik.dll"), L"\\\\server\\share\\");
    EXPECT_EQ(settingsFolderOf(L"vis_Dovrik.dll"), L".\\");
    EXPECT_EQ(settingsFolderOf(L""), L".\\");
    EXPECT_EQ(directoryOf(L"C:\\Player\\Plugins\\vis_Dovrik.dll"), L"C:\\Player\\Plugins\\");
    EXPECT_EQ(directoryOf(L"vis_Dovrik.dll"), L"");
}

TEST(SettingsRules, ChangeModelCyclesTheThreeFacesAndKeepsAnyOtherNumber)
{
    const std::pair<int, int> turns[] = {{100, 101}, {101, 102}, {102, 100}, {5, 5}, {0, 0}, {-3, -3}};
    for (auto [from, to] : turns)
        EXPECT_EQ(nextModelId(from), to) << from;
}

} // namespace
} // namespace dovrik
