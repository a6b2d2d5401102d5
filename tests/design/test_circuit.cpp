// The nodal analysis on networks whose answers are known without it.
#include "design/circuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zelmarino::design {
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

} // namespace
} // namespace zelmarino::design
