// The tolerance worst case against resistors drawn at random within the tolerance.
#include "design/attenuator.h"
#include "design/two_port.h"
#include "design/worst_case.h"

#include <gtest/gtest.h>

#include <random>

namespace zelmarino::design {
namespace {

// The corners bound every resistor combination inside the tolerance.
TEST(WorstCase, bounds_random_resistors_within_the_tolerance) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> within(-1.0, 1.0);
    for (const Network network : {Network::Pi, Network::T, Network::LOut, Network::LIn}) {
        const Attenuator design = designAttenuator(network, 600.0F, 50.0F, 20.0F);
        const auto nominal = resistorsOf(design);
        const double tolerance = 0.05;
        const auto worst = worstCase(nominal, design.zin, design.zout, tolerance);
        ASSERT_TRUE(worst);
        for (int i = 0; i < 500; ++i) {
            auto sample = nominal;
            for (Resistor& r : sample) {
                r.ohms *= 1.0 + tolerance * within(random);
            }
            const auto check = checkPorts(sample, design.zin, design.zout);
            ASSERT_TRUE(check);
            const double slack = 1e-9;
            EXPECT_GE(check->lossDb, worst->lossDb.low - slack);
            EXPECT_LE(check->lossDb, worst->lossDb.high + slack);
            EXPECT_GE(check->inputOhms, worst->inputOhms.low * (1 - slack));
            EXPECT_LE(check->inputOhms, worst->inputOhms.high * (1 + slack));
            EXPECT_GE(check->outputOhms, worst->outputOhms.low * (1 - slack));
            EXPECT_LE(check->outputOhms, worst->outputOhms.high * (1 + slack));
            EXPECT_GE(check->inputReturnLossDb, worst->inputReturnLossDb - slack);
            EXPECT_GE(check->outputReturnLossDb, worst->outputReturnLossDb - slack);
        }
    }
}

} // namespace
} // namespace zelmarino::design
