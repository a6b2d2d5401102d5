// The search for the best standard values, judged by circuit analysis of what it returns.
#include "design/attenuator.h"
#include "design/optimise.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelmarino::design {
namespace {

// The example to beat: a 10 dB Pi from 75 to 50 ohm rounds in E24 to 200/91/75, 10.33 dB;
// 220/91/82 gives 9.93 dB with 31.8 dB return loss.
TEST(OptimiseStandard, beats_the_nearest_values_and_keeps_the_return_loss) {
    const Attenuator exact = designAttenuator(Network::Pi, 75.0F, 50.0F, 10.0F);
    const SearchGoal goal{10.0, 30.0, ESeries::E24, false};
    const auto best = optimiseStandard(resistorsOf(exact), 75.0, 50.0, goal);
    ASSERT_TRUE(best);
    EXPECT_LE(std::abs(best->check.lossDb - 10.0), 0.07);
    EXPECT_GE(best->check.inputReturnLossDb, 30.0);
    EXPECT_GE(best->check.outputReturnLossDb, 30.0);
    for (const Part& part : best->arms) {
        EXPECT_EQ(part.ohms, nearestStandard(part.ohms, ESeries::E24)); // each a standard value
        EXPECT_FALSE(part.second);
    }
    // With pairs it can only do as well or better.
    const auto paired =
        optimiseStandard(resistorsOf(exact), 75.0, 50.0, {10.0, 30.0, ESeries::E24, true});
    ASSERT_TRUE(paired);
    EXPECT_LE(std::abs(paired->check.lossDb - 10.0), std::abs(best->check.lossDb - 10.0));
    EXPECT_LE(std::abs(paired->check.lossDb - 10.0), 0.01);
}

TEST(OptimiseStandard, finds_nothing_when_no_set_keeps_an_impossible_return_loss) {
    const Attenuator exact = designAttenuator(Network::T, 50.0F, 50.0F, 6.0F);
    EXPECT_FALSE(
        optimiseStandard(resistorsOf(exact), 50.0, 50.0, {6.0, 200.0, ESeries::E6, false}));
}

TEST(ArmCandidates, pairs_are_two_standard_values_making_what_they_claim) {
    for (const Part& part : armCandidates(207.4, ESeries::E24, true)) {
        EXPECT_EQ(part.first, nearestStandard(part.first, ESeries::E24));
        if (part.second) {
            EXPECT_EQ(*part.second, nearestStandard(*part.second, ESeries::E24));
            const double made = part.parallel
                                    ? part.first * *part.second / (part.first + *part.second)
                                    : part.first + *part.second;
            EXPECT_DOUBLE_EQ(part.ohms, made);
        }
    }
}

} // namespace
} // namespace zelmarino::design
