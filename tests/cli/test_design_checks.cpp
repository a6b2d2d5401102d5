// The window's designs judged by plain circuit analysis, not by their formulas: every exact
// design that can be built has Pi and T matched at both ports, each L at its own, and the
// loss that was asked for.
#include "cli/attenuator.h"
#include "cli/report.h"
#include "cli/verification.h"
#include "cli/worst_case.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace zelmarino::cli {
namespace {

struct Matching {
    Network network;
    bool input;
    bool output;
};

class ExactDesign : public ::testing::TestWithParam<Matching> {};

bool matched(double seen, double wanted) {
    return std::abs(seen - wanted) <= 1e-9 * wanted;
}

TEST_P(ExactDesign, is_matched_where_it_should_be_and_loses_what_was_asked) {
    const Matching shape = GetParam();
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> decades(0.0, 6.0); // 1 ohm to 1 megohm
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        const auto zin = static_cast<float>(std::pow(10.0, decades(random)));
        const auto zout =
            unit(random) < 0.1 ? zin : static_cast<float>(std::pow(10.0, decades(random)));
        const double minimum = designAttenuator(shape.network, zin, zout, 1.0F).minimumLossDb;
        // From 0.0001 dB to 300 dB above the minimum loss, spread over decades. Nearer the
        // minimum the window's T and L formulas subtract nearly equal terms: their designs
        // miss by about 1e-14 dB divided by the distance in dB (1e-9 dB at 1e-5 dB away),
        // and the check reports that as it is.
        const auto loss = static_cast<float>(minimum + std::pow(10.0, -4.0 + 6.5 * unit(random)));
        const Design design = designAttenuator(shape.network, zin, zout, loss);
        if (!negativeArms(design).empty()) {
            continue; // rounding put it below the minimum after all
        }
        const auto check = checkPorts(resistorsOf(design), design.zin, design.zout);
        ASSERT_TRUE(check);
        SCOPED_TRACE(std::to_string(design.zin) + " to " + std::to_string(design.zout) + " ohm, " +
                     std::to_string(loss) + " dB");
        if (shape.input) {
            EXPECT_TRUE(matched(check->inputOhms, design.zin)) << check->inputOhms;
        }
        if (shape.output) {
            EXPECT_TRUE(matched(check->outputOhms, design.zout)) << check->outputOhms;
        }
        // The loss the design holds, in single precision as the window holds it.
        EXPECT_NEAR(check->lossDb, static_cast<double>(loss), 1e-9);
        ++checked;
    }
    EXPECT_GT(checked, 3500);
}

std::string shapeName(const ::testing::TestParamInfo<Matching>& info) {
    std::string name(networkName(info.param.network));
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Networks, ExactDesign,
                         ::testing::Values(Matching{Network::Pi, true, true},
                                           Matching{Network::T, true, true},
                                           Matching{Network::LOut, false, true},
                                           Matching{Network::LIn, true, false}),
                         shapeName);

// An L is matched at one port only; what the other port shows is known from the design
// notes and found again by the analysis.
struct OtherPort {
    const char* name;
    Network network;
    float zin;
    float zout;
    double inputOhms;
    double outputOhms;
};

class LOtherPort : public ::testing::TestWithParam<OtherPort> {};

TEST_P(LOtherPort, shows_the_documented_resistance) {
    const OtherPort& p = GetParam();
    const Design design = designAttenuator(p.network, p.zin, p.zout, 10.0F);
    const auto check = checkPorts(resistorsOf(design), p.zin, p.zout);
    ASSERT_TRUE(check);
    EXPECT_NEAR(check->inputOhms, p.inputOhms, 5e-4);
    EXPECT_NEAR(check->outputOhms, p.outputOhms, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(
    TenDecibels, LOtherPort,
    ::testing::Values(OtherPort{"out_50_50", Network::LOut, 50.0F, 50.0F, 137.809, 50.0},
                      OtherPort{"in_50_50", Network::LIn, 50.0F, 50.0F, 50.0, 18.1410},
                      OtherPort{"out_75_50", Network::LOut, 75.0F, 50.0F, 147.355, 50.0},
                      OtherPort{"in_75_50", Network::LIn, 75.0F, 50.0F, 75.0, 25.4487}),
    testing::CaseName{});

// The corners bound every resistor combination inside the tolerance.
TEST(WorstCase, bounds_random_resistors_within_the_tolerance) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> within(-1.0, 1.0);
    for (const Network network : {Network::Pi, Network::T, Network::LOut, Network::LIn}) {
        const Design design = designAttenuator(network, 600.0F, 50.0F, 20.0F);
        const auto nominal = resistorsOf(design);
        const double tolerance = 0.05;
        const auto worst = worstCase(nominal, design.zin, design.zout, tolerance);
        ASSERT_TRUE(worst);
        for (int i = 0; i < 500; ++i) {
            auto sample = nominal;
            for (Resistor& r : sample) {
                r.ohms *= 1.0 + tolerance * within(random);
            }
            const auto check = checkPorts(sample, design.zin, design.zout);
            ASSERT_TRUE(check);
            const double slack = 1e-9;
            EXPECT_GE(check->lossDb, worst->lossDb.low - slack);
            EXPECT_LE(check->lossDb, worst->lossDb.high + slack);
            EXPECT_GE(check->inputOhms, worst->inputOhms.low * (1 - slack));
            EXPECT_LE(check->inputOhms, worst->inputOhms.high * (1 + slack));
            EXPECT_GE(check->outputOhms, worst->outputOhms.low * (1 - slack));
            EXPECT_LE(check->outputOhms, worst->outputOhms.high * (1 + slack));
            EXPECT_GE(check->inputReturnLossDb, worst->inputReturnLossDb - slack);
            EXPECT_GE(check->outputReturnLossDb, worst->outputReturnLossDb - slack);
        }
    }
}

// The window's texts come along unchanged but for the ohm sign.
TEST(Design, carries_the_window_texts_with_the_ohm_sign) {
    const Design design = designAttenuator(Network::Pi, 600.0F, 50.0F, 20.0F);
    ASSERT_EQ(design.arms.size(), 3U);
    EXPECT_EQ(design.arms[0].windowText, "1873 Ω");
    EXPECT_EQ(design.arms[1].windowText, "857 Ω");
    EXPECT_EQ(design.arms[2].windowText, "52 Ω");
    EXPECT_EQ(designAttenuator(Network::Pi, 50.0F, 50.0F, 0.01F).arms[0].windowText, "86 KΩ");
}

TEST(Design, places_the_larger_impedance_on_the_input_side_of_a_t) {
    const Design design = designAttenuator(Network::T, 50.0F, 75.0F, 10.0F);
    EXPECT_TRUE(design.portsExchanged);
    EXPECT_EQ(design.zin, 75.0F);
    EXPECT_EQ(design.zout, 50.0F);
    EXPECT_NEAR(design.arms[0].resistor.ohms, 48.6335, 5e-5); // series on the 75 ohm side
    EXPECT_FALSE(designAttenuator(Network::Pi, 50.0F, 75.0F, 10.0F).portsExchanged);
}

TEST(Report, leaves_out_standard_values_and_power_for_a_negative_arm) {
    Options options;
    options.network = Network::Pi;
    options.zin = 75.0F;
    options.zout = 50.0F;
    options.series = ESeries::E24;
    options.tolerance = 0.01;
    options.availableWatts = 1.0;
    const DesignReport below = makeReport(options, 3.0F);
    ASSERT_EQ(below.negative, std::vector<std::size_t>{0}); // R1, the shunt on the larger side
    EXPECT_FALSE(below.standardOhms || below.worst || below.power);
    EXPECT_TRUE(below.exact);
    const DesignReport above = makeReport(options, 10.0F);
    EXPECT_TRUE(above.realisable());
    EXPECT_TRUE(above.standardOhms && above.standard && above.worst && above.power);
}

} // namespace
} // namespace zelmarino::cli
