// The designs against published pad tables and design formulas, given to 0.01 ohm: every
// value must round to the published one, so the tolerance is half its last digit.
#include "design/attenuator.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

namespace zelmarino::design {
namespace {

struct PublishedPad {
    const char* name;
    Network network;
    float lossDb;
    double seriesOhms; // the Pi's one series arm; each of the T's two
    double shuntOhms;  // each of the Pi's two shunt arms; the T's one
};

constexpr double tableRounding = 0.005;

class MatchesPublishedTable : public ::testing::TestWithParam<PublishedPad> {};

TEST_P(MatchesPublishedTable, to_the_tables_last_digit) {
    const PublishedPad& pad = GetParam();
    const Attenuator design = designAttenuator(pad.network, 50.0F, 50.0F, pad.lossDb);
    ASSERT_EQ(design.arms.size(), 3U);
    for (const Arm& arm : design.arms) {
        const bool series = arm.role == ArmRole::Series || arm.role == ArmRole::SeriesAtInput ||
                            arm.role == ArmRole::SeriesAtOutput;
        EXPECT_NEAR(arm.resistor.ohms, series ? pad.seriesOhms : pad.shuntOhms, tableRounding)
            << (series ? "series" : "shunt");
    }
}

INSTANTIATE_TEST_SUITE_P(
    FiftyOhms, MatchesPublishedTable,
    ::testing::Values(PublishedPad{"pi_1db", Network::Pi, 1.0F, 5.77, 869.55},
                      PublishedPad{"pi_3db", Network::Pi, 3.0F, 17.61, 292.40},
                      PublishedPad{"pi_6db", Network::Pi, 6.0F, 37.35, 150.48},
                      PublishedPad{"pi_10db", Network::Pi, 10.0F, 71.15, 96.25},
                      PublishedPad{"pi_20db", Network::Pi, 20.0F, 247.50, 61.11},
                      PublishedPad{"t_1db", Network::T, 1.0F, 2.88, 433.34},
                      PublishedPad{"t_3db", Network::T, 3.0F, 8.55, 141.93},
                      PublishedPad{"t_6db", Network::T, 6.0F, 16.61, 66.93},
                      PublishedPad{"t_10db", Network::T, 10.0F, 25.97, 35.14},
                      PublishedPad{"t_20db", Network::T, 20.0F, 40.91, 10.10}),
    testing::CaseName{});

// One resistor between a source and a load. The values are those of the general forms
// published for a series arm, R = (2 sqrt(ZS ZL a) - (ZS + ZL) a) / a, and a shunt arm,
// R = (2 sqrt(ZS ZL a) ZS ZL + (ZS² ZL + ZS ZL²) a) / (4 ZS ZL - (ZS + ZL)² a), for the power
// ratio a, whose 10 dB series arm in 50 ohm is printed as 216.2 ohm.
struct SingleArmPad {
    const char* name;
    Network network;
    float zin;
    float zout;
    float lossDb;
    double ohms;
};

class MatchesPublishedSingleArm : public ::testing::TestWithParam<SingleArmPad> {};

TEST_P(MatchesPublishedSingleArm, to_the_last_digit) {
    const SingleArmPad& pad = GetParam();
    const Attenuator design = designAttenuator(pad.network, pad.zin, pad.zout, pad.lossDb);
    ASSERT_EQ(design.arms.size(), 1U);
    EXPECT_NEAR(design.arms.front().resistor.ohms, pad.ohms, tableRounding);
}

INSTANTIATE_TEST_SUITE_P(
    SeriesAndShunt, MatchesPublishedSingleArm,
    ::testing::Values(
        SingleArmPad{"series_50_3db", Network::Series, 50.0F, 50.0F, 3.0F, 41.25},
        SingleArmPad{"series_50_6db", Network::Series, 50.0F, 50.0F, 6.0F, 99.53},
        SingleArmPad{"series_50_10db", Network::Series, 50.0F, 50.0F, 10.0F, 216.23},
        SingleArmPad{"series_50_20db", Network::Series, 50.0F, 50.0F, 20.0F, 900.00},
        SingleArmPad{"series_75_50_10db", Network::Series, 75.0F, 50.0F, 10.0F, 262.30},
        SingleArmPad{"series_50_75_20db", Network::Series, 50.0F, 75.0F, 20.0F, 1099.74},
        SingleArmPad{"shunt_50_3db", Network::Shunt, 50.0F, 50.0F, 3.0F, 60.60},
        SingleArmPad{"shunt_50_6db", Network::Shunt, 50.0F, 50.0F, 6.0F, 25.12},
        SingleArmPad{"shunt_50_10db", Network::Shunt, 50.0F, 50.0F, 10.0F, 11.56},
        SingleArmPad{"shunt_50_20db", Network::Shunt, 50.0F, 50.0F, 20.0F, 2.78},
        SingleArmPad{"shunt_75_50_10db", Network::Shunt, 75.0F, 50.0F, 10.0F, 14.30},
        SingleArmPad{"shunt_50_75_3db", Network::Shunt, 50.0F, 75.0F, 3.0F, 78.13}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::design
