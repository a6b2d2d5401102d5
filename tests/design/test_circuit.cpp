// The nodal analysis on networks whose answers are known without it.
#include "design/circuit.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace zelmarino::design {
namespace {

constexpr std::size_t nodeCount = std::tuple_size_v<NodeVoltages>;

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

TEST(SolveNodes, analyses_a_negative_resistor_as_it_is) {
    // 10 ohm from each node to ground, -5 ohm between them: with 1 A into In the nodal
    // equations -0.1 Vin + 0.2 Vout = 1 and 0.2 Vin - 0.1 Vout = 0 give 10/3 V and 20/3 V.
    const std::vector<Resistor> network = {{Node::In, Node::Ground, 10.0},
                                           {Node::In, Node::Out, -5.0},
                                           {Node::Out, Node::Ground, 10.0}};
    const Injection source{Node::In, 1.0};
    const auto voltages = solveNodes(network, std::span(&source, 1));
    ASSERT_TRUE(voltages);
    EXPECT_NEAR(voltageAt(*voltages, Node::In), 10.0 / 3.0, 1e-12);
    EXPECT_NEAR(voltageAt(*voltages, Node::Out), 20.0 / 3.0, 1e-12);
}

TEST(SolveNodes, has_no_answer_where_a_negative_resistor_cancels_the_path) {
    // +10 and -10 ohm in parallel conduct infinitely: no unique voltage.
    const std::vector<Resistor> network = {{Node::In, Node::Ground, 10.0},
                                           {Node::In, Node::Ground, -10.0}};
    const Injection source{Node::In, 1.0};
    EXPECT_FALSE(solveNodes(network, std::span(&source, 1)));
}

// A balanced T between a source of 75 ohm and a load of 50 ohm, floating but for the load's
// lower terminal wired to the ground, driven by 1 A across the source. The smaller the shunt
// between its middle nodes, the less reaches the load. Worked out by series and parallel
// combination, sums and products of positive numbers only, both port voltages keep full
// precision. Built both ways round, so that the nodes' numbering cannot favour one.
struct Shunt {
    const char* name;
    double ohms;
    bool drivenAtOut;
};

class BalancedTee : public ::testing::TestWithParam<Shunt> {};

TEST_P(BalancedTee, keeps_the_precision_of_both_port_voltages) {
    const Shunt& shunt = GetParam();
    // A port's node, or driven at Out, its twin across the network.
    const auto at = [&](Node port) {
        if (!shunt.drivenAtOut) {
            return port;
        }
        return port == Node::In    ? Node::Out
               : port == Node::Out ? Node::In
               : port == Node::InN ? Node::OutN
                                   : Node::InN;
    };
    const std::vector<Resistor> network = {
        {at(Node::In), at(Node::InN), 75.0},   {at(Node::In), Node::Middle, 20.0},
        {Node::Middle, at(Node::Out), 10.0},   {at(Node::InN), Node::MiddleN, 15.0},
        {Node::MiddleN, at(Node::OutN), 12.0}, {Node::Middle, Node::MiddleN, shunt.ohms},
        {at(Node::Out), at(Node::OutN), 50.0}, {at(Node::OutN), Node::Ground, 0.0}};
    const double outputPath = 10.0 + 50.0 + 12.0;
    const double middle = 1.0 / (1.0 / shunt.ohms + 1.0 / outputPath);
    const double inputPath = 20.0 + middle + 15.0;
    const double input = 1.0 / (1.0 / 75.0 + 1.0 / inputPath);
    const double output = input / inputPath * middle / outputPath * 50.0;
    const std::array source{Injection{at(Node::In), 1.0}, Injection{at(Node::InN), -1.0}};
    const auto voltages = solveNodes(network, source, at(Node::Out));
    ASSERT_TRUE(voltages);
    EXPECT_NEAR(voltageAt(*voltages, at(Node::In)) - voltageAt(*voltages, at(Node::InN)), input,
                1e-13 * input);
    EXPECT_NEAR(voltageAt(*voltages, at(Node::Out)), output, 1e-13 * output);
}

// From an ordinary pad to some 2000 dB of loss, far past any that is asked for.
INSTANTIATE_TEST_SUITE_P(
    Shunts, BalancedTee,
    ::testing::Values(Shunt{"ten_ohm", 10.0, false}, Shunt{"milliohm", 1e-3, false},
                      Shunt{"of_1e_minus_20_ohm", 1e-20, false},
                      Shunt{"of_1e_minus_100_ohm", 1e-100, false},
                      Shunt{"ten_ohm_driven_at_out", 10.0, true},
                      Shunt{"milliohm_driven_at_out", 1e-3, true},
                      Shunt{"of_1e_minus_20_ohm_driven_at_out", 1e-20, true},
                      Shunt{"of_1e_minus_100_ohm_driven_at_out", 1e-100, true}),
    testing::CaseName{});

// Random networks of positive resistors over every node, each node joined to the ground by
// some path, driven by a current between two random nodes: the voltages found meet
// Kirchhoff's current law at every node, whichever node is wanted most exactly.
TEST(SolveNodes, meets_kirchhoffs_current_law_whichever_node_is_wanted) {
    std::mt19937_64 random(20241208);
    std::uniform_real_distribution<double> decades(-3.0, 6.0);
    std::uniform_int_distribution<std::size_t> pick(0, nodeCount - 1);
    const auto node = [](std::size_t i) { return static_cast<Node>(i); };
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<Resistor> network;
        for (std::size_t i = 1; i < nodeCount; ++i) { // a tree first, to the ground
            network.push_back({node(i), node(pick(random) % i), std::pow(10.0, decades(random))});
        }
        for (int extra = 0; extra < 5; ++extra) {
            network.push_back(
                {node(pick(random)), node(pick(random)), std::pow(10.0, decades(random))});
        }
        const std::array source{Injection{node(pick(random)), 1.0},
                                Injection{node(pick(random)), -1.0}};
        const Node wanted = node(pick(random));
        const auto voltages = solveNodes(network, source, wanted);
        ASSERT_TRUE(voltages);
        std::array<double, nodeCount> net{};   // current leaving each node through resistors
        std::array<double, nodeCount> scale{}; // the size of the terms that make it up
        for (const Resistor& r : network) {
            const double from = voltageAt(*voltages, r.from);
            const double to = voltageAt(*voltages, r.to);
            const double amps = (from - to) / r.ohms;
            net.at(static_cast<std::size_t>(r.from)) += amps;
            net.at(static_cast<std::size_t>(r.to)) -= amps;
            for (const Node end : {r.from, r.to}) {
                scale.at(static_cast<std::size_t>(end)) += (std::abs(from) + std::abs(to)) / r.ohms;
            }
        }
        for (const Injection& injection : source) {
            net.at(static_cast<std::size_t>(injection.node)) -= injection.amps;
        }
        for (std::size_t i = 1; i < nodeCount; ++i) { // the ground takes what is left
            EXPECT_NEAR(net.at(i), 0.0, 1e-12 * (scale.at(i) + 1.0))
                << "trial " << trial << ", node " << i;
        }
    }
}

} // namespace
} // namespace zelmarino::design
