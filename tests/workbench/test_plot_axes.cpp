// The plot's axes: values to pixels and back, ticks a person reads, the cursor's frequency.
#include "workbench/plot_axes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace zelmarino::workbench {
namespace {

TEST(LogAxis, maps_decades_evenly_and_back) {
    const LogAxis axis(1e6, 1e10, 100.0, 500.0);
    EXPECT_DOUBLE_EQ(axis.pixelOf(1e6), 100.0);
    EXPECT_DOUBLE_EQ(axis.pixelOf(1e8), 300.0);
    EXPECT_DOUBLE_EQ(axis.pixelOf(1e10), 500.0);
    for (const double hz : {1e6, 3.3e7, 1e9, 7.5e9}) {
        EXPECT_NEAR(axis.valueAt(axis.pixelOf(hz)) / hz, 1.0, 1e-12) << hz;
    }
}

TEST(LinearAxis, runs_upwards_when_its_last_pixel_is_the_smaller) {
    const LinearAxis axis(-40.0, 0.0, 400.0, 0.0);
    EXPECT_DOUBLE_EQ(axis.pixelOf(0.0), 0.0);
    EXPECT_DOUBLE_EQ(axis.pixelOf(-40.0), 400.0);
    EXPECT_DOUBLE_EQ(axis.pixelOf(-10.0), 100.0);
    EXPECT_DOUBLE_EQ(axis.valueAt(300.0), -30.0);
}

struct StepCase {
    double rough;
    double nice;
};

class NiceStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(NiceStep, is_the_least_1_2_or_5_times_a_power_of_ten_not_below) {
    EXPECT_DOUBLE_EQ(niceStep(GetParam().rough), GetParam().nice);
}

INSTANTIATE_TEST_SUITE_P(Steps, NiceStep,
                         ::testing::Values(StepCase{0.7, 1.0}, StepCase{1.0, 1.0},
                                           StepCase{1.01, 2.0}, StepCase{3.0, 5.0},
                                           StepCase{7.0, 10.0}, StepCase{12.5, 20.0},
                                           StepCase{0.03, 0.05}, StepCase{0.0, 1.0}));

TEST(LinearAxis, rounded_covers_the_values_with_whole_steps) {
    const LinearAxis axis = LinearAxis::rounded(-47.3, 0.0, 300.0, 0.0, 8);
    EXPECT_LE(axis.low(), -47.3);
    EXPECT_GE(axis.high(), 0.0);
    const std::vector<Tick> ticks = axis.ticks();
    ASSERT_GE(ticks.size(), 2U);
    EXPECT_LE(ticks.size(), 9U);
    EXPECT_DOUBLE_EQ(ticks.front().value, axis.low());
    EXPECT_DOUBLE_EQ(ticks.back().value, axis.high());
    for (const Tick& tick : ticks) {
        const double steps = tick.value / axis.step();
        EXPECT_DOUBLE_EQ(steps, std::round(steps)) << tick.value;
    }
}

TEST(LogAxis, ticks_at_1_2_5_labelled_at_the_decades) {
    const std::vector<Tick> ticks = LogAxis(1e6, 1e10, 0.0, 1.0).ticks();
    ASSERT_EQ(ticks.size(), 13U); // 1, 2, 5 in four decades and 10 GHz
    EXPECT_DOUBLE_EQ(ticks.front().value, 1e6);
    EXPECT_DOUBLE_EQ(ticks.back().value, 1e10);
    int labelled = 0;
    for (const Tick& tick : ticks) {
        const double mantissa = tick.value / std::pow(10.0, std::floor(std::log10(tick.value)));
        EXPECT_EQ(tick.labelled, std::abs(mantissa - 1.0) < 1e-9) << tick.value;
        labelled += tick.labelled ? 1 : 0;
    }
    EXPECT_EQ(labelled, 5);
}

TEST(LogAxis, a_narrow_span_has_every_mantissa_and_labels_within_it) {
    const std::vector<Tick> ticks = LogAxis(3e8, 3e9, 0.0, 1.0).ticks();
    ASSERT_FALSE(ticks.empty());
    EXPECT_DOUBLE_EQ(ticks.front().value, 3e8);
    EXPECT_DOUBLE_EQ(ticks.back().value, 3e9);
    EXPECT_EQ(ticks.size(), 10U); // 3 to 9 hundred MHz, 1 to 3 GHz
    bool anyLabelled = false;
    for (const Tick& tick : ticks) {
        anyLabelled = anyLabelled || tick.labelled;
    }
    EXPECT_TRUE(anyLabelled);
}

struct FrequencyCase {
    double hz;
    const char* text;
};

class FrequencyText : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyText, takes_the_largest_unit_at_or_below) {
    EXPECT_EQ(frequencyText(GetParam().hz), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Units, FrequencyText,
                         ::testing::Values(FrequencyCase{1e6, "1 MHz"},
                                           FrequencyCase{2.5e9, "2.5 GHz"},
                                           FrequencyCase{5e5, "500 kHz"},
                                           FrequencyCase{10.0, "10 Hz"},
                                           FrequencyCase{999.9999999999, "1 kHz"}));

TEST(NearestIndex, takes_the_nearest_by_ratio_and_stops_at_the_ends) {
    const std::array<double, 4> hz = {1e6, 1e7, 1e8, 1e9};
    EXPECT_EQ(nearestIndex(hz, 1.0), 0U);
    EXPECT_EQ(nearestIndex(hz, 1e12), 3U);
    EXPECT_EQ(nearestIndex(hz, 3e6), 0U); // below sqrt(10) times 1 MHz
    EXPECT_EQ(nearestIndex(hz, 3.3e6), 1U);
    EXPECT_EQ(nearestIndex(hz, 1e8), 2U);
}

TEST(ValueRange, ignores_what_is_not_finite_and_keeps_a_span_and_a_floor) {
    const std::vector<double> s21 = {-10.0, -10.5};
    const std::vector<double> s11 = {-std::numeric_limits<double>::infinity(), -200.0,
                                     std::numeric_limits<double>::quiet_NaN()};
    const std::array<std::span<const double>, 2> curves = {s21, s11};
    const ValueRange range = valueRange(curves, -80.0, 10.0);
    EXPECT_EQ(range.low, -80.0);
    EXPECT_EQ(range.high, 0.0);
    const std::array<std::span<const double>, 1> flat = {s21};
    const ValueRange narrow = valueRange(flat, -80.0, 30.0);
    EXPECT_EQ(narrow.high, 0.0);
    EXPECT_EQ(narrow.low, -30.0);
}

} // namespace
} // namespace zelmarino::workbench
