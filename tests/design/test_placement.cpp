// The L with its shunt at the input and the minimum-loss pads, judged by circuit analysis:
// matched where the network promises, losing what was asked, and the published pad between
// 75 and 50 ohm in both directions.
#include "design/evaluation.h"
#include "design/placement.h"
#include "design/two_port.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zelmarino::design {
namespace {

struct Placed {
    const char* name;
    Network network;
    float zin;
    float zout;
};

class ShuntAtInput : public ::testing::TestWithParam<Placed> {};

// Matched at the port the network names, across the input port sits the shunt, and the loss
// is the one asked for, from just above the minimum to far above it.
TEST_P(ShuntAtInput, keeps_its_match_and_loses_what_was_asked) {
    const Placed p = GetParam();
    const double minimum = minimumLoss(p.network, p.zin, p.zout);
    for (const double above : {1e-3, 0.5, 3.0, 20.0, 100.0}) {
        const auto loss = static_cast<float>(minimum + above);
        SCOPED_TRACE(std::to_string(loss) + " dB");
        const Attenuator design = designPlaced(p.network, p.zin, p.zout, loss, ShuntAt::Input);
        ASSERT_TRUE(negativeArms(design).empty());
        ASSERT_EQ(design.arms.size(), 2U);
        EXPECT_EQ(design.arms[1].role, ArmRole::ShuntAtInput);
        EXPECT_EQ(design.arms[1].resistor.from, Node::In);
        const auto check = checkPorts(resistorsOf(design), p.zin, p.zout);
        ASSERT_TRUE(check);
        if (p.network == Network::LOut) {
            EXPECT_NEAR(check->outputOhms, p.zout, 1e-9 * p.zout);
        } else {
            EXPECT_NEAR(check->inputOhms, p.zin, 1e-9 * p.zin);
        }
        EXPECT_NEAR(check->lossDb, static_cast<double>(loss), 1e-8);
    }
}

INSTANTIATE_TEST_SUITE_P(Ls, ShuntAtInput,
                         ::testing::Values(Placed{"l_out_up", Network::LOut, 50.0F, 75.0F},
                                           Placed{"l_out_down", Network::LOut, 600.0F, 50.0F},
                                           Placed{"l_in_up", Network::LIn, 50.0F, 75.0F},
                                           Placed{"l_in_down", Network::LIn, 1e4F, 3.3F}),
                         testing::CaseName{});

TEST(ShuntAtOutput, is_the_window_s_own_L) {
    const Attenuator window = designAttenuator(Network::LIn, 75.0F, 50.0F, 8.0F);
    const Attenuator placed = designPlaced(Network::LIn, 75.0F, 50.0F, 8.0F, ShuntAt::Output);
    ASSERT_EQ(placed.arms.size(), window.arms.size());
    for (std::size_t i = 0; i < window.arms.size(); ++i) {
        EXPECT_EQ(placed.arms[i].resistor.ohms, window.arms[i].resistor.ohms);
        EXPECT_EQ(placed.arms[i].role, window.arms[i].role);
    }
}

struct Pad {
    const char* name;
    Network network;
    float zin;
    float zout;
    ShuntAt shunt;
};

class MinimumLossPad : public ::testing::TestWithParam<Pad> {};

// The published 75/50 ohm minimum-loss pad: 43.30 ohm series, 86.60 ohm shunt across the
// 50 ohm side, 5.72 dB, matched at both ports, whichever way round it is asked for.
TEST_P(MinimumLossPad, is_the_published_pad_matched_both_ways) {
    const Pad p = GetParam();
    const auto loss = minimumLossPad(p.network, p.zin, p.zout, p.shunt);
    ASSERT_TRUE(loss);
    EXPECT_NEAR(*loss, 5.72, 0.005);
    const Attenuator design = designPlaced(p.network, p.zin, p.zout, *loss, p.shunt);
    ASSERT_TRUE(negativeArms(design).empty());
    EXPECT_NEAR(design.arms[0].resistor.ohms, 43.30, 0.005);
    EXPECT_NEAR(design.arms[1].resistor.ohms, 86.60, 0.005);
    const Node fiftyOhmSide = p.zin < p.zout ? Node::In : Node::Out;
    EXPECT_EQ(design.arms[1].resistor.from, fiftyOhmSide);
    const auto check = checkPorts(resistorsOf(design), p.zin, p.zout);
    ASSERT_TRUE(check);
    EXPECT_GT(check->inputReturnLossDb, 60.0);
    EXPECT_GT(check->outputReturnLossDb, 60.0);
    EXPECT_NEAR(check->lossDb, static_cast<double>(*loss), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Ls, MinimumLossPad,
    ::testing::Values(Pad{"l_out_75_to_50", Network::LOut, 75.0F, 50.0F, ShuntAt::Output},
                      Pad{"l_in_75_to_50", Network::LIn, 75.0F, 50.0F, ShuntAt::Output},
                      Pad{"l_out_50_to_75", Network::LOut, 50.0F, 75.0F, ShuntAt::Input},
                      Pad{"l_in_50_to_75", Network::LIn, 50.0F, 75.0F, ShuntAt::Input}),
    testing::CaseName{});

// The Pi and the T at their minimum loss can be built, and lose what the minimum says.
TEST(MinimumLossPad, of_the_pi_and_the_t_is_their_minimum_loss) {
    for (const Network network : {Network::Pi, Network::T}) {
        const auto loss = minimumLossPad(network, 600.0F, 50.0F, ShuntAt::Output);
        ASSERT_TRUE(loss);
        EXPECT_NEAR(*loss, minimumLoss(network, 600.0, 50.0), 1e-5);
        const Attenuator design = designPlaced(network, 600.0F, 50.0F, *loss, ShuntAt::Output);
        EXPECT_TRUE(negativeArms(design).empty());
        const auto check = checkPorts(resistorsOf(design), 600.0, 50.0);
        ASSERT_TRUE(check);
        EXPECT_NEAR(check->lossDb, static_cast<double>(*loss), 1e-3);
    }
}

TEST(MinimumLossPad, does_not_exist_between_equal_impedances_or_with_the_shunt_on_the_larger_side) {
    EXPECT_FALSE(minimumLossPad(Network::Pi, 50.0F, 50.0F, ShuntAt::Output));
    EXPECT_FALSE(minimumLossPad(Network::LOut, 50.0F, 75.0F, ShuntAt::Output));
    EXPECT_FALSE(minimumLossPad(Network::LIn, 75.0F, 50.0F, ShuntAt::Input));
}

// Resistors given by hand where a design has its own check exactly as that design does; a
// count that is not the network's is no network.
TEST(GivenArms, are_placed_where_the_design_has_its_arms) {
    struct Case {
        Network network;
        float zin;
        float zout;
        ShuntAt shunt;
    };
    for (const Case c : {Case{Network::Pi, 75.0F, 50.0F, ShuntAt::Output},
                         Case{Network::T, 50.0F, 75.0F, ShuntAt::Output},
                         Case{Network::LIn, 50.0F, 75.0F, ShuntAt::Input}}) {
        Request request;
        request.network = c.network;
        request.zin = c.zin;
        request.zout = c.zout;
        request.shuntAt = c.shunt;
        std::vector<Part> parts;
        for (const ReportArm& arm : evaluateDesign(request, 12.0F).design.arms) {
            parts.push_back(arm.given);
        }
        const auto given = evaluateGiven(request, parts);
        ASSERT_TRUE(given && given->exact);
        EXPECT_NEAR(given->exact->lossDb, 12.0, 1e-9);
        parts.pop_back();
        EXPECT_FALSE(evaluateGiven(request, parts));
    }
}

} // namespace
} // namespace zelmarino::design
