// The two-port check and the power shares on networks whose answers are known without them.
#include "design/two_port.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelmarino::design {
namespace {

TEST(CheckPorts, finds_a_plain_series_resistor_neither_matched_nor_lossless) {
    // 50 ohm in series between 50 ohm ports: 100 ohm seen from each side, and half the
    // source voltage of a matched connection: loss 20 log10(1.5) = 3.52 dB.
    const std::vector<Resistor> network = {{Node::In, Node::Out, 50.0}};
    const auto check = checkPorts(network, 50.0, 50.0);
    ASSERT_TRUE(check);
    EXPECT_NEAR(check->inputOhms, 100.0, 1e-12);
    EXPECT_NEAR(check->outputOhms, 100.0, 1e-12);
    EXPECT_NEAR(check->inputReturnLossDb, 20.0 * std::log10(3.0), 1e-12); // |Γ| = 1/3
    EXPECT_NEAR(check->lossDb, 20.0 * std::log10(1.5), 1e-12);
}

TEST(Dissipation, shares_the_available_power_between_resistors_and_load) {
    // 50 ohm series in a 50 ohm system with 1 W available: sqrt(200) V drives 150 ohm in all
    // (the source's own 50 ohm included), 4/9 W in each 50 ohm resistor.
    const std::vector<Resistor> network = {{Node::In, Node::Out, 50.0}};
    const auto share = dissipation(network, 50.0, 50.0, 1.0);
    ASSERT_TRUE(share);
    ASSERT_EQ(share->resistorWatts.size(), 1U);
    EXPECT_NEAR(share->resistorWatts[0], 4.0 / 9.0, 1e-12);
    EXPECT_NEAR(share->loadWatts, 4.0 / 9.0, 1e-12);
}

TEST(Dissipation, gives_each_arm_a_voltage_and_current_that_obey_ohm_and_kirchhoff) {
    // An L: 50 ohm in series, then 100 ohm across the output, between 50 ohm ports. The
    // series arm carries the shunt's current and the load's.
    const std::vector<Resistor> network = {{Node::In, Node::Out, 50.0},
                                           {Node::Out, Node::Ground, 100.0}};
    const auto share = dissipation(network, 50.0, 50.0, 2.0);
    ASSERT_TRUE(share);
    for (std::size_t i = 0; i < network.size(); ++i) {
        const double volts = share->resistorVolts[i];
        EXPECT_NEAR(volts * volts / network[i].ohms, share->resistorWatts[i], 1e-12);
        EXPECT_NEAR(volts * share->resistorAmps[i], share->resistorWatts[i], 1e-12);
    }
    const double loadAmps = share->resistorVolts[1] / 50.0;
    EXPECT_NEAR(share->resistorAmps[0], share->resistorAmps[1] + loadAmps, 1e-12);
    EXPECT_NEAR(loadAmps * loadAmps * 50.0, share->loadWatts, 1e-12);
}

TEST(ToleratedSourceWatts, at_the_smallest_the_hottest_arm_dissipates_exactly_its_rating) {
    // A Pi of 50 ohm ports, 10 dB.
    const std::vector<Resistor> network = {{Node::In, Node::Ground, 96.2493},
                                           {Node::In, Node::Out, 71.1516},
                                           {Node::Out, Node::Ground, 96.2493}};
    const double rating = 0.25;
    const auto share = dissipation(network, 50.0, 50.0, 1.0);
    ASSERT_TRUE(share);
    const std::vector<double> tolerated = toleratedSourceWatts(*share, 1.0, rating);
    ASSERT_EQ(tolerated.size(), network.size());
    for (std::size_t i = 0; i < network.size(); ++i) {
        // At its own limit each arm dissipates its rating.
        const auto atLimit = dissipation(network, 50.0, 50.0, tolerated[i]);
        ASSERT_TRUE(atLimit);
        EXPECT_NEAR(atLimit->resistorWatts[i], rating, rating * 1e-12);
    }
    const double safe = *std::min_element(tolerated.begin(), tolerated.end());
    const auto atSafe = dissipation(network, 50.0, 50.0, safe);
    ASSERT_TRUE(atSafe);
    EXPECT_NEAR(*std::max_element(atSafe->resistorWatts.begin(), atSafe->resistorWatts.end()),
                rating, rating * 1e-12);
}

struct WiredNetwork {
    const char* name;
    std::vector<Resistor> network; // arms of 0 ohms are wires
};

class WireCurrent : public ::testing::TestWithParam<WiredNetwork> {};

// Nodal analysis sees no current in a wire: it must come out as the current of a resistor of
// almost nothing in the wire's place, found by Ohm's law.
TEST_P(WireCurrent, is_that_of_a_resistor_of_almost_nothing) {
    const std::vector<Resistor>& wired = GetParam().network;
    std::vector<Resistor> nearly = wired;
    for (Resistor& r : nearly) {
        r.ohms = r.ohms == 0.0 ? 1e-6 : r.ohms;
    }
    const auto share = dissipation(wired, 50.0, 75.0, 1.0);
    const auto reference = dissipation(nearly, 50.0, 75.0, 1.0);
    ASSERT_TRUE(share && reference);
    const double largest =
        *std::max_element(reference->resistorAmps.begin(), reference->resistorAmps.end());
    for (std::size_t i = 0; i < wired.size(); ++i) {
        EXPECT_NEAR(share->resistorAmps[i], reference->resistorAmps[i], largest * 1e-6)
            << "arm " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Arms, WireCurrent,
                         ::testing::Values(WiredNetwork{"t_input_arm",
                                                        {{Node::In, Node::Middle, 0.0},
                                                         {Node::Middle, Node::Out, 47.0},
                                                         {Node::Middle, Node::Ground, 82.0}}},
                                           WiredNetwork{"t_both_series_arms",
                                                        {{Node::In, Node::Middle, 0.0},
                                                         {Node::Middle, Node::Out, 0.0},
                                                         {Node::Middle, Node::Ground, 82.0}}},
                                           WiredNetwork{"pi_shunt_shorting_the_source",
                                                        {{Node::In, Node::Ground, 0.0},
                                                         {Node::In, Node::Out, 91.0},
                                                         {Node::Out, Node::Ground, 82.0}}},
                                           WiredNetwork{"h_one_leg",
                                                        {{Node::In, Node::Middle, 0.0},
                                                         {Node::InN, Node::MiddleN, 100.0},
                                                         {Node::Middle, Node::Out, 50.0},
                                                         {Node::MiddleN, Node::OutN, 50.0},
                                                         {Node::Middle, Node::MiddleN, 60.0}}}),
                         testing::CaseName{});

TEST(WireCurrent, of_wires_closing_a_loop_is_undetermined_and_said_so) {
    // A bridged T of wires: In, Middle and Out are one node, and the three wires may share
    // its current in any way.
    const std::vector<Resistor> network = {{Node::In, Node::Middle, 0.0},
                                           {Node::Middle, Node::Out, 0.0},
                                           {Node::In, Node::Out, 0.0},
                                           {Node::Middle, Node::Ground, 100.0}};
    const auto share = dissipation(network, 50.0, 50.0, 1.0);
    ASSERT_TRUE(share);
    EXPECT_TRUE(std::isnan(share->resistorAmps[0]) && std::isnan(share->resistorAmps[1]) &&
                std::isnan(share->resistorAmps[2]));
    EXPECT_GT(share->resistorAmps[3], 0.0);
}

struct Port {
    const char* name;
    double seen;
    double reference;
};

class Reflection : public ::testing::TestWithParam<Port> {};

// On a resistive port |Γ| is |R - Z| / (R + Z) and the standing-wave ratio is the ratio of
// the larger resistance to the smaller: both must come back from the return loss alone.
TEST_P(Reflection, from_the_return_loss_agrees_with_the_port_resistances) {
    const Port& port = GetParam();
    const double reflection = reflectionOfReturnLoss(returnLossDb(port.seen, port.reference));
    EXPECT_NEAR(reflection, std::abs(port.seen - port.reference) / (port.seen + port.reference),
                1e-12);
    const double ratio = std::max(port.seen / port.reference, port.reference / port.seen);
    EXPECT_NEAR(vswrOfReflection(reflection), ratio, ratio * 1e-9);
}

INSTANTIATE_TEST_SUITE_P(ResistivePorts, Reflection,
                         ::testing::Values(Port{"matched", 50.0, 50.0}, Port{"twice", 100.0, 50.0},
                                           Port{"half", 25.0, 50.0},
                                           Port{"seventy_five_on_fifty", 75.0, 50.0},
                                           Port{"nearly_open", 1e6, 50.0}),
                         testing::CaseName{});

TEST(Reflection, of_a_short_circuit_is_total_and_its_standing_wave_ratio_infinite) {
    const double reflection = reflectionOfReturnLoss(returnLossDb(0.0, 50.0));
    EXPECT_DOUBLE_EQ(reflection, 1.0);
    EXPECT_TRUE(std::isinf(vswrOfReflection(reflection)));
}

} // namespace
} // namespace zelmarino::design
