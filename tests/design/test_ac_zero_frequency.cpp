// The frequency analysis has the two-port analysis as its case of pure resistors: every network
// of the catalogue, placed as the evaluation places its arms, has the same S-parameters and the
// same loss in both, at 0 Hz and at 1 GHz alike.
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
    placed = checkedCircuit(report.design.network, placed, report.design.zout);
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
        EXPECT_LT(std::abs((*s)(0, 0) - dc->s11), 1e-12) << (*s)(0, 0) << " " << dc->s11;
        EXPECT_LT(std::abs((*s)(0, 1) - dc->s12), 1e-12) << (*s)(0, 1) << " " << dc->s12;
        EXPECT_LT(std::abs((*s)(1, 0) - dc->s21), 1e-12) << (*s)(1, 0) << " " << dc->s21;
        EXPECT_LT(std::abs((*s)(1, 1) - dc->s22), 1e-12) << (*s)(1, 1) << " " << dc->s22;
        EXPECT_NEAR(-10.0 * std::log10(std::norm((*s)(1, 0))), report.exact->lossDb, 1e-10);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ZeroFrequency, ::testing::ValuesIn(everyPlacement()),
                         testing::CaseName{});

} // namespace
} // namespace zelmarino::design
