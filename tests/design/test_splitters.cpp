// The splitters as three-ports, judged by nodal analysis: the handbooks' arm values, 6.02 dB
// to either output with the other terminated, the ports each one matches, and what makes the
// two-resistor splitter the one for ratio measurements: levelled by its second output, its
// first acts as a source of exactly Z, whatever drives the input.
#include "design/ac_circuit.h"
#include "design/catalogue.h"
#include "design/circuit.h"
#include "design/two_port.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace zelmarino::design {
namespace {

// What the handbooks print: three arms of Z/3 matched at every port; two arms of Z, whose
// outputs each see Z + (Z || 2Z) = 5Z/3. Both lose 20 log10 2 = 6.02 dB to each output.
struct PublishedSplitter {
    const char* name;
    Network network;
    float z;
    double armOhms; // to 0.01 ohm
    double outputOhms;
};

constexpr double printedRounding = 0.005;

class Splitter : public ::testing::TestWithParam<PublishedSplitter> {};

// The second output checked as the first is: its own arms made the output, the first output
// terminated in its place.
std::vector<Resistor> seenFromSecondOutput(std::vector<Resistor> arms) {
    for (Resistor& r : arms) {
        for (Node* end : {&r.from, &r.to}) {
            *end = *end == Node::Out ? Node::Out2 : *end == Node::Out2 ? Node::Out : *end;
        }
    }
    return arms;
}

TEST_P(Splitter, has_the_published_arms_and_loses_6_db_to_either_output) {
    const PublishedSplitter& p = GetParam();
    const Attenuator design = designAttenuator(p.network, p.z, p.z, 20.0F);
    ASSERT_EQ(design.arms.size(), entryOf(p.network).arms.size());
    for (const Arm& arm : design.arms) {
        EXPECT_NEAR(arm.resistor.ohms, p.armOhms, printedRounding);
    }
    const std::vector<Resistor> arms = resistorsOf(design);
    for (const auto& seen : {arms, seenFromSecondOutput(arms)}) {
        const auto check = checkPorts(checkedCircuit(p.network, seen, p.z), p.z, p.z);
        ASSERT_TRUE(check);
        EXPECT_NEAR(check->lossDb, 20.0 * std::log10(2.0), 1e-12);
        EXPECT_NEAR(check->inputOhms, p.z, 1e-9 * p.z);
        EXPECT_NEAR(check->outputOhms, p.outputOhms, printedRounding);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handbook, Splitter,
    ::testing::Values(
        PublishedSplitter{"power_50", Network::PowerSplitter, 50.0F, 16.67, 50.0},
        PublishedSplitter{"power_75", Network::PowerSplitter, 75.0F, 25.0, 75.0},
        PublishedSplitter{"two_resistor_50", Network::TwoResistorSplitter, 50.0F, 50.0, 83.33},
        PublishedSplitter{"two_resistor_75", Network::TwoResistorSplitter, 75.0F, 75.0, 125.0}),
    testing::CaseName{});

struct ThreePort {
    const char* name;
    Network network;
    std::array<std::array<double, 3>, 3> s; // input, output, second output
};

class ScatteringOfThreePorts : public ::testing::TestWithParam<ThreePort> {};

// Each port driven in turn, the other two terminated: the power splitter's every entry off
// the diagonal is 1/2 and it reflects nothing; the two-resistor splitter's outputs reflect
// (5/3 - 1) / (5/3 + 1) = 1/4 and pass a quarter of the voltage between them.
TEST_P(ScatteringOfThreePorts, is_the_splitters_own) {
    const ThreePort& p = GetParam();
    constexpr double z = 50.0;
    const auto arms = resistorsOf(designAttenuator(p.network, 50.0F, 50.0F, 6.0F));
    const std::array<AcPort, 3> ports = {AcPort{nodeIdOf(Node::In), groundNode, z},
                                         AcPort{nodeIdOf(Node::Out), groundNode, z},
                                         AcPort{nodeIdOf(Node::Out2), groundNode, z}};
    for (const double hz : {0.0, 1e9}) {
        const auto s = acSParameters(acCircuitOf(circuitOf(p.network, arms)), ports, hz);
        ASSERT_TRUE(s);
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = 0; j < 3; ++j) {
                EXPECT_NEAR(std::abs((*s)(i, j) - p.s.at(i).at(j)), 0.0, 1e-12)
                    << "S" << i + 1 << j + 1;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    FiftyOhms, ScatteringOfThreePorts,
    ::testing::Values(ThreePort{"power",
                                Network::PowerSplitter,
                                {{{0.0, 0.5, 0.5}, {0.5, 0.0, 0.5}, {0.5, 0.5, 0.0}}}},
                      ThreePort{"two_resistor",
                                Network::TwoResistorSplitter,
                                {{{0.0, 0.5, 0.5}, {0.5, 0.25, 0.25}, {0.5, 0.25, 0.25}}}}),
    testing::CaseName{});

// The voltage at the first output over that at the second, terminated in Z, with a source of
// `sourceOhms` at the input and `loadOhms` on the first output.
double outputRatio(const std::vector<Resistor>& arms, double z, double sourceOhms,
                   double loadOhms) {
    std::vector<Resistor> circuit = checkedCircuit(Network::TwoResistorSplitter, arms, z);
    circuit.push_back({Node::In, Node::Ground, sourceOhms});
    circuit.push_back({Node::Out, Node::Ground, loadOhms});
    const std::array source{Injection{Node::In, 1.0}};
    const auto volts = solveNodes(circuit, source);
    return volts ? voltageAt(*volts, Node::Out) / voltageAt(*volts, Node::Out2) : NAN;
}

// A source of Z with twice the reference voltage drives a load L to 2L / (Z + L) of it.
TEST(TwoResistorSplitter, levelled_by_its_second_output_is_a_source_of_z) {
    constexpr double z = 50.0;
    const std::vector<Resistor> arms =
        resistorsOf(designAttenuator(Network::TwoResistorSplitter, 50.0F, 50.0F, 6.0F));
    for (const double source : {5.0, 50.0, 500.0}) {
        for (const double load : {10.0, 50.0, 250.0}) {
            EXPECT_NEAR(outputRatio(arms, z, source, load), 2.0 * load / (z + load), 1e-12)
                << source << " ohm source, " << load << " ohm load";
        }
    }
}

} // namespace
} // namespace zelmarino::design
