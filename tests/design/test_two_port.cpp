// The two-port check and the power shares on networks whose answers are known without them.
#include "design/two_port.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace zelmarino::design
