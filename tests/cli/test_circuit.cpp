// The nodal analysis on networks whose answers are known without it.
#include "cli/circuit.h"
#include "cli/verification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zelmarino::cli {
namespace {

TEST(SolveNodes, divides_a_current_between_parallel_paths) {
    // 1 A into In; 100 ohm to ground, and 50 + 50 ohm through Out to ground: 50 ohm in all.
    const std::vector<Resistor> network = {{Node::In, Node::Ground, 100.0},
                                           {Node::In, Node::Out, 50.0},
                                           {Node::Out, Node::Ground, 50.0}};
    const Injection source{Node::In, 1.0};
    const auto voltages = solveNodes(network, std::span(&source, 1));
    ASSERT_TRUE(voltages);
    EXPECT_NEAR(voltageAt(*voltages, Node::In), 50.0, 1e-12);
    EXPECT_NEAR(voltageAt(*voltages, Node::Out), 25.0, 1e-12);
    EXPECT_EQ(voltageAt(*voltages, Node::Ground), 0.0);
}

TEST(SolveNodes, treats_a_zero_ohm_resistor_as_a_wire) {
    const std::vector<Resistor> network = {{Node::In, Node::Middle, 0.0},
                                           {Node::Middle, Node::Out, 30.0},
                                           {Node::Out, Node::Ground, 20.0}};
    const Injection source{Node::In, 2.0};
    const auto voltages = solveNodes(network, std::span(&source, 1));
    ASSERT_TRUE(voltages);
    EXPECT_NEAR(voltageAt(*voltages, Node::In), 100.0, 1e-12);
    EXPECT_NEAR(voltageAt(*voltages, Node::Middle), 100.0, 1e-12);
    EXPECT_NEAR(voltageAt(*voltages, Node::Out), 40.0, 1e-12);
}

TEST(SolveNodes, has_no_answer_for_a_floating_node) {
    const std::vector<Resistor> network = {{Node::In, Node::Out, 10.0}};
    const Injection source{Node::In, 1.0};
    EXPECT_FALSE(solveNodes(network, std::span(&source, 1)));
}

TEST(SolveNodes, has_no_answer_where_a_negative_resistor_cancels_the_path) {
    // +10 and -10 ohm in parallel conduct infinitely: no unique voltage.
    const std::vector<Resistor> network = {{Node::In, Node::Ground, 10.0},
                                           {Node::In, Node::Ground, -10.0}};
    const Injection source{Node::In, 1.0};
    EXPECT_FALSE(solveNodes(network, std::span(&source, 1)));
}

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

} // namespace
} // namespace zelmarino::cli
