// The frequency analysis has the two-port analysis as its case of pure resistors: every network
// of the catalogue, placed as the evaluation places its arms, has the same S-parameters and the
// same loss in both, at 0 Hz (to the rounding) and at 1 GHz alike.
#include "design/ac_circuit.h"
#include "design/evaluation.h"
#include "design/s_parameters.h"
#include "tests/design/case_name.h"
#include "tests/design/placements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::design {
namespace {

struct Placed {
    testing::Placement placement;
    float lossDb;
    std::string name;
};

// Each placement at losses above its minimum, of pads between very unequal impedances, near
// ones and equal ones.
std::vector<Placed> everyPlacement() {
    struct Losses {
        float larger;
        float smaller;
        std::vector<float> losses;
    };
    const std::vector<Losses> pairs = {{600.0F, 50.0F, {30.0F, 60.0F}},
                                       {75.0F, 50.0F, {6.0F, 12.0F}}};
    std::vector<Placed> cases;
    for (const Losses& pair : pairs) {
        for (const testing::Placement& placement :
             testing::everyPlacement(pair.larger, pair.smaller)) {
            for (const float loss : pair.losses) {
                cases.push_back(
                    {placement, loss,
                     placement.name + "_" + std::to_string(static_cast<int>(loss)) + "_db"});
            }
        }
    }
    return cases;
}

class ZeroFrequency : public ::testing::TestWithParam<Placed> {};

TEST_P(ZeroFrequency, gives_the_two_port_s_parameters_and_loss_at_any_frequency) {
    const Placed& p = GetParam();
    const Report report = evaluateDesign(testing::requestFor(p.placement), p.lossDb);
    ASSERT_TRUE(report.realisable());
    ASSERT_TRUE(report.exact);
    std::vector<Resistor> placed;
    for (const ReportArm& arm : report.design.arms) {
        placed.push_back(arm.resistor);
    }
    const SmallCircuit checked = checkedCircuit(report.design.network, placed, report.design.zout);
    placed.assign(checked.begin(), checked.end());
    const double zin = report.design.zin;
    const double zout = report.design.zout;
    const auto dc = sParameters(placed, zin, zout);
    ASSERT_TRUE(dc);

    // A balanced network's ports are between its legs, and it touches the ground nowhere.
    const std::vector<AcPort> ports = {
        {nodeIdOf(Node::In), nodeIdOf(returnOf(Node::In, placed)), zin},
        {nodeIdOf(Node::Out), nodeIdOf(returnOf(Node::Out, placed)), zout}};
    for (const double hz : {0.0, 1e9}) {
        SCOPED_TRACE(std::to_string(hz) + " Hz");
        const auto s = acSParameters(acCircuitOf(placed), ports, hz);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->size(), 2U);
        // At 0 Hz one solver answers both, so only the order of its sums may differ.
        const double within = hz == 0.0 ? 4e-16 : 1e-12;
        EXPECT_LT(std::abs((*s)(0, 0) - dc->s11), within) << (*s)(0, 0) << " " << dc->s11;
        EXPECT_LT(std::abs((*s)(0, 1) - dc->s12), within) << (*s)(0, 1) << " " << dc->s12;
        EXPECT_LT(std::abs((*s)(1, 0) - dc->s21), within) << (*s)(1, 0) << " " << dc->s21;
        EXPECT_LT(std::abs((*s)(1, 1) - dc->s22), within) << (*s)(1, 1) << " " << dc->s22;
        EXPECT_NEAR(-10.0 * std::log10(std::norm((*s)(1, 0))), report.exact->lossDb, 1e-10);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ZeroFrequency, ::testing::ValuesIn(everyPlacement()),
                         testing::CaseName{});

// At 0 Hz the frequency analysis solves a pad as the two-port analysis does, so the output of
// a pad of great loss keeps its own precision: an elimination in complex numbers would find
// it as a difference of volts and lose decibels' worth of digits by 200 dB.
TEST(ZeroFrequencyOfGreatLoss, keeps_the_loss_of_the_two_port_analysis) {
    struct Case {
        Network network;
        float zin;
        float zout;
        float lossDb;
    };
    const std::vector<Case> cases = {{Network::Pi, 50.0F, 50.0F, 200.0F},
                                     {Network::T, 600.0F, 50.0F, 250.0F},
                                     {Network::BridgedT, 75.0F, 75.0F, 180.0F},
                                     {Network::H, 600.0F, 600.0F, 220.0F}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(entryOf(c.network).command) + " " + std::to_string(c.lossDb));
        Request request;
        request.network = c.network;
        request.zin = c.zin;
        request.zout = c.zout;
        const Report report = evaluateDesign(request, c.lossDb);
        ASSERT_TRUE(report.exact);
        std::vector<Resistor> placed;
        for (const ReportArm& arm : report.design.arms) {
            placed.push_back(arm.resistor);
        }
        const std::vector<AcPort> ports = {
            {nodeIdOf(Node::In), nodeIdOf(returnOf(Node::In, placed)), c.zin},
            {nodeIdOf(Node::Out), nodeIdOf(returnOf(Node::Out, placed)), c.zout}};
        const auto s = acSParameters(acCircuitOf(placed), ports, 0.0);
        ASSERT_TRUE(s);
        EXPECT_NEAR(-20.0 * std::log10(std::abs((*s)(1, 0))), report.exact->lossDb, 1e-9);
        EXPECT_NEAR(-20.0 * std::log10(std::abs((*s)(0, 1))), report.exact->lossDb, 1e-9);
    }
}

} // namespace
} // namespace zelmarino::design
