// Arms of two resistors as built: each part with its own parasitics, in series through a
// junction or side by side, the via counted once; judged against circuits drawn by hand. Arms
// of one resistor and ideal parts are built as they always were. The networks of lines are
// checked at f0 as built of a package too.
#include "design/ac_circuit.h"
#include "design/ac_sweep.h"
#include "design/catalogue.h"
#include "design/evaluation.h"
#include "design/resistor_model.h"
#include "design/response.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::design {
namespace {

constexpr double hz = 3e9;

PartModel modelOf(std::string_view package, double viaHenries) {
    return {packageNamed(package)->parasitics, viaHenries, package};
}

// A Pi between 50 ohm ports, R1 and R3 shunt at the input and the output, R2 in series.
Report piOf(std::span<const Part> arms) {
    Request request;
    request.zin = request.zout = 50.0F;
    return evaluateGiven(request, arms).value();
}

double largestDifference(const PortMatrix& a, const PortMatrix& b) {
    double largest = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < a.size(); ++j) {
            largest = std::max(largest, std::abs(a(i, j) - b(i, j)));
        }
    }
    return largest;
}

struct PairCase {
    const char* name;
    Part r1;
    Part r2;
    Part r3;
    double viaHenries;
};

// The same Pi drawn element by element: a part is R + L with C across both, a via is an
// inductor, and every node past the catalogue's is numbered here.
AcCircuit drawnByHand(const PairCase& c, const Parasitics& p) {
    AcCircuit circuit;
    NodeId next = 20;
    const auto part = [&](NodeId from, NodeId to, double ohms) {
        const NodeId inner = next++;
        circuit.branches.push_back({Lumped::Resistor, from, inner, ohms});
        circuit.branches.push_back({Lumped::Inductor, inner, to, p.seriesHenries});
        circuit.branches.push_back({Lumped::Capacitor, from, to, p.shuntFarads});
    };
    const auto arm = [&](NodeId from, NodeId to, const Part& a, double via) {
        NodeId end = to;
        if (via > 0.0) {
            end = next++;
            circuit.branches.push_back({Lumped::Inductor, end, to, via});
        }
        if (!a.second) {
            part(from, end, a.first);
        } else if (a.parallel) {
            part(from, end, a.first);
            part(from, end, *a.second);
        } else {
            const NodeId junction = next++;
            part(from, junction, a.first);
            part(junction, end, *a.second);
        }
    };
    arm(nodeIdOf(Node::In), groundNode, c.r1, c.viaHenries);
    arm(nodeIdOf(Node::In), nodeIdOf(Node::Out), c.r2, 0.0);
    arm(nodeIdOf(Node::Out), groundNode, c.r3, c.viaHenries);
    return circuit;
}

class PairArm : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairArm, is_built_as_the_circuit_drawn_by_hand) {
    const PairCase& c = GetParam();
    const std::vector<Part> arms = {c.r1, c.r2, c.r3};
    const PartModel model = modelOf("0805", c.viaHenries);
    const BuiltNetwork built = builtNetworkOf(piOf(arms), model);
    const auto ours = sweep(built, std::vector{hz}).front().s;
    const auto drawn = acSParameters(drawnByHand(c, model.parts), built.ports, hz);
    ASSERT_TRUE(ours && drawn);
    EXPECT_LT(largestDifference(*ours, *drawn), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Pi50, PairArm,
    ::testing::Values(PairCase{"series_pair_in_the_series_arm", partOf(100.0, {}, false),
                               partOf(47.0, 24.0, false), partOf(100.0, {}, false), 0.0},
                      PairCase{"parallel_pair_over_one_via", partOf(100.0, {}, false),
                               partOf(68.0, {}, false), partOf(220.0, 180.0, true), 0.5e-9},
                      // R1 a series pair over its via, R2 a parallel pair, R3 a link and more.
                      PairCase{"every_arm_a_pair", partOf(68.0, 33.0, false),
                               partOf(150.0, 91.0, true), partOf(0.0, 100.0, false), 1e-9}),
    testing::CaseName{});

// One resistor given as a part of its own builds what no parts at all build, and ideal parts
// make a pair one resistor of its value: to the last bit.
TEST(BuiltArms, one_resistor_arms_and_ideal_parts_are_built_as_before) {
    const std::vector<Part> single = {partOf(100.0, {}, false), partOf(68.0, {}, false),
                                      partOf(100.0, {}, false)};
    const Report report = piOf(single);
    std::vector<Resistor> arms;
    for (const ReportArm& arm : report.design.arms) {
        arms.push_back(arm.resistor);
    }
    const PartModel model = modelOf("1206", 0.4e-9);
    const BuiltNetwork bare = builtNetwork(Network::Pi, arms, {}, 50.0, 50.0, model);
    const BuiltNetwork given = builtNetworkOf(report, model);
    EXPECT_EQ(sweep(given, std::vector{hz}).front().s.value()(1, 0),
              sweep(bare, std::vector{hz}).front().s.value()(1, 0));

    const std::vector<Part> paired = {partOf(100.0, {}, false), partOf(34.0, 34.0, false),
                                      partOf(200.0, 200.0, true)};
    const auto ideal = sweep(builtNetworkOf(piOf(paired), PartModel{}), std::vector{hz});
    const auto total = sweep(builtNetworkOf(report, PartModel{}), std::vector{hz});
    EXPECT_EQ(ideal.front().s.value()(1, 0), total.front().s.value()(1, 0));
}

// The junctions of pairs keep every network within what the fast sweep solves.
TEST(BuiltArms, every_network_of_pairs_stays_within_the_fast_sweep) {
    const PartModel model = modelOf("0402", 0.3e-9);
    for (const NetworkEntry& entry : catalogue()) {
        std::vector<Resistor> arms;
        for (const ArmEntry& arm : entry.arms) {
            arms.push_back({arm.from, arm.to, 100.0});
        }
        for (const bool parallel : {false, true}) {
            const std::vector<Part> parts(arms.size(), partOf(200.0, 200.0, parallel));
            const BuiltNetwork built = builtNetwork(entry.network, arms, parts, 50.0, 50.0, model);
            NodeId highest = groundNode;
            for (const ModelledResistor& r : built.circuit.resistors) {
                highest = std::max({highest, r.from, r.to});
            }
            for (const Branch& b : built.circuit.branches) {
                highest = std::max({highest, b.from, b.to});
            }
            EXPECT_LE(highest, PortSweep::mostUnknowns) << entry.command;
        }
    }
}

// A network of lines at f0: as built of ideal parts it is its own check; of 0603 parts it is
// another, which the sweep of the same parts gives.
TEST(LinesAsBuilt, are_checked_at_f0_of_the_parts_given) {
    for (const Network network :
         {Network::QuarterWaveSeries, Network::QuarterWaveShunt, Network::Reflection}) {
        Request request;
        request.network = network;
        request.zin = request.zout = 50.0F;
        request.f0Hz = 1e9;
        const Report report = evaluateDesign(request, 10.0F);
        ASSERT_TRUE(report.exact);
        const auto ideal = builtCheckAtDesignFrequency(report, PartModel{});
        ASSERT_TRUE(ideal);
        EXPECT_EQ(ideal->lossDb, report.exact->lossDb);
        const PartModel model = modelOf("0603", 0.0);
        const auto built = builtCheckAtDesignFrequency(report, model);
        ASSERT_TRUE(built);
        EXPECT_GT(std::abs(built->lossDb - report.exact->lossDb), 1e-3);
        const auto s = sweep(builtNetworkOf(report, model), std::vector{1e9}).front().s;
        ASSERT_TRUE(s);
        EXPECT_NEAR(built->lossDb, -decibelsOf((*s)(1, 0)), 1e-12);
        EXPECT_NEAR(built->inputReturnLossDb, -decibelsOf((*s)(0, 0)), 1e-9);
    }
}

} // namespace
} // namespace zelmarino::design
