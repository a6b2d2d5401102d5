// The designs against standard 50 ohm pad tables, which give each arm to 0.01 ohm: every
// value must round to the table's, so the tolerance is half the table's last digit.
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

} // namespace
} // namespace zelmarino::design
