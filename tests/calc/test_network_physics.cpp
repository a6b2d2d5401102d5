// The designed networks judged by plain circuit analysis rather than by their formulas:
// port resistances with the other port terminated, and the loss, for many random designs.
#include "calc/networks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zelmarino {
namespace {

double parallel(double a, double b) {
    return a * b / (a + b);
}

double decibels(double powerRatio) {
    return 10.0 * std::log10(powerRatio);
}

struct Ports {
    double input;          // resistance into the input port, output loaded by Zout
    double output;         // resistance into the output port, input fed from Zin
    double loss;           // dB: power entering the input over power delivered into Zout
    double transducerLoss; // dB: power available from a Zin source over power into Zout
};

// Pi: shunt `a` at the input, series `b`, shunt `c` at the output.
Ports analysePi(double a, double b, double c, double zin, double zout) {
    const double input = parallel(a, b + parallel(c, zout));
    const double output = parallel(c, b + parallel(a, zin));
    const double outputVoltage = parallel(c, zout) / (b + parallel(c, zout)); // input at 1 V
    const double entering = 1.0 / input;
    const double delivered = outputVoltage * outputVoltage / zout;
    const double sourceCurrent = 1.0 / (zin + input); // 1 V source behind Zin
    const double atLoad = sourceCurrent * input * outputVoltage;
    return {input, output, decibels(entering / delivered),
            decibels((1.0 / (4.0 * zin)) / (atLoad * atLoad / zout))};
}

// T: series `a` at the input, shunt `c` from the middle, series `b` at the output.
Ports analyseT(double a, double b, double c, double zin, double zout) {
    const double input = a + parallel(c, b + zout);
    const double output = b + parallel(c, a + zin);
    const double current = 1.0 / input; // input at 1 V
    const double middle = 1.0 - current * a;
    const double loadCurrent = middle / (b + zout);
    return {input, output, decibels(current / (loadCurrent * loadCurrent * zout)), 0.0};
}

// L: series `a` next to the input port, shunt `c` across the output port.
Ports analyseL(double a, double c, double zin, double zout) {
    const double input = a + parallel(c, zout);
    const double output = parallel(c, a + zin);
    const double sourceCurrent = 1.0 / (zin + input); // 1 V source behind Zin
    const double atLoad = sourceCurrent * parallel(c, zout);
    const double delivered = atLoad * atLoad / zout;
    const double entering = sourceCurrent * sourceCurrent * input;
    return {input, output, decibels(entering / delivered),
            decibels((1.0 / (4.0 * zin)) / delivered)};
}

struct RandomDesign {
    float zin;
    float zout;
    double minimumLossDb; // of the Pi and T
    double lMatchDb;      // from which both L arms are not negative
};

class Designs {
public:
    RandomDesign next() {
        const double low = std::pow(10.0, std::uniform_real_distribution(0.0, 4.0)(m_random));
        const double ratio = std::pow(10.0, std::uniform_real_distribution(0.0, 2.0)(m_random));
        auto zin = static_cast<float>(low);
        auto zout = static_cast<float>(low * ratio);
        if (std::bernoulli_distribution(0.5)(m_random)) {
            std::swap(zin, zout);
        }
        const double q = std::max(zin, zout) / static_cast<double>(std::min(zin, zout));
        return {zin, zout, 20.0 * std::log10(std::sqrt(q) + std::sqrt(q - 1.0)),
                10.0 * std::log10(q)};
    }
    double lossAbove(double floorDb) {
        return floorDb + std::uniform_real_distribution(0.2, 60.0)(m_random);
    }
    double lossBetween(double lowDb, double highDb) {
        return std::uniform_real_distribution(lowDb, highDb)(m_random);
    }

private:
    std::mt19937_64 m_random{20261207};
};

constexpr int designCount = 2000;
constexpr double relative = 1e-9;

DesignState stateFor(const RandomDesign& design, double lossDb) {
    DesignState state;
    state.Zin = design.zin;
    state.Zout = design.zout;
    state.K = std::pow(10.0, lossDb / 20.0);
    return state;
}

TEST(Physics, pi_is_matched_at_both_ports_and_loses_the_attenuation) {
    Designs designs;
    for (int i = 0; i < designCount; ++i) {
        const RandomDesign design = designs.next();
        const double loss = designs.lossAbove(design.minimumLossDb);
        DesignState state = stateFor(design, loss);
        computePiAsymmetric(state);
        ASSERT_GT(state.R1, 0.0);
        ASSERT_GT(state.R3, 0.0);
        const Ports ports = analysePi(state.R1, state.R2, state.R3, state.Zin, state.Zout);
        ASSERT_NEAR(ports.input, state.Zin, state.Zin * relative) << state.Zin << " " << state.Zout;
        ASSERT_NEAR(ports.output, state.Zout, state.Zout * relative);
        ASSERT_NEAR(ports.loss, loss, 1e-7);
    }
}

TEST(Physics, symmetric_pi_is_matched_and_loses_the_attenuation) {
    Designs designs;
    for (int i = 0; i < designCount; ++i) {
        RandomDesign design = designs.next();
        design.zout = design.zin;
        const double loss = designs.lossAbove(0.0);
        DesignState state = stateFor(design, loss);
        computePiSymmetric(state);
        const Ports ports = analysePi(state.R1, state.R2, state.R1, state.Zin, state.Zout);
        ASSERT_NEAR(ports.input, state.Zin, state.Zin * relative);
        ASSERT_NEAR(ports.output, state.Zout, state.Zout * relative);
        ASSERT_NEAR(ports.loss, loss, 1e-7);
    }
}

TEST(Physics, t_is_matched_at_both_ports_and_loses_the_attenuation) {
    Designs designs;
    for (int i = 0; i < designCount; ++i) {
        RandomDesign design = designs.next();
        if (design.zin < design.zout) {
            std::swap(design.zin, design.zout); // the T is always entered larger side first
        }
        const double loss = designs.lossAbove(design.minimumLossDb);
        DesignState state = stateFor(design, loss);
        computeT(state);
        ASSERT_GT(state.R2, 0.0);
        const Ports ports = analyseT(state.R1, state.R2, state.R3, state.Zin, state.Zout);
        ASSERT_NEAR(ports.input, state.Zin, state.Zin * relative);
        ASSERT_NEAR(ports.output, state.Zout, state.Zout * relative);
        ASSERT_NEAR(ports.loss, loss, 1e-7);
    }
}

TEST(Physics, each_l_is_matched_at_its_own_port_and_meets_its_power_statement) {
    Designs designs;
    for (int i = 0; i < designCount; ++i) {
        const RandomDesign design = designs.next();
        const double loss = designs.lossAbove(design.lMatchDb);

        DesignState less = stateFor(design, loss);
        computeLLess(less);
        ASSERT_GE(less.R1, 0.0);
        ASSERT_GE(less.R2, 0.0);
        const Ports lessPorts = analyseL(less.R1, less.R2, less.Zin, less.Zout);
        ASSERT_NEAR(lessPorts.output, less.Zout, less.Zout * relative);
        ASSERT_NEAR(lessPorts.transducerLoss, loss, 1e-7);

        DesignState greater = stateFor(design, loss);
        computeLGreater(greater);
        ASSERT_GE(greater.R1, 0.0);
        ASSERT_GE(greater.R2, 0.0);
        const Ports greaterPorts = analyseL(greater.R1, greater.R2, greater.Zin, greater.Zout);
        ASSERT_NEAR(greaterPorts.input, greater.Zin, greater.Zin * relative);
        ASSERT_NEAR(greaterPorts.transducerLoss, loss, 1e-7);
        ASSERT_NEAR(greaterPorts.loss, loss, 1e-7);
    }
}

TEST(Physics, at_the_minimum_loss_both_ls_agree_and_match_both_ports) {
    Designs designs;
    for (int i = 0; i < designCount; ++i) {
        RandomDesign design = designs.next();
        if (design.zin < design.zout) {
            std::swap(design.zin, design.zout);
        }
        DesignState less = stateFor(design, design.minimumLossDb);
        DesignState greater = less;
        computeLLess(less);
        computeLGreater(greater);
        ASSERT_NEAR(less.R1, greater.R1, greater.R1 * 1e-6);
        ASSERT_NEAR(less.R2, greater.R2, greater.R2 * 1e-6);
        const Ports ports = analyseL(less.R1, less.R2, less.Zin, less.Zout);
        ASSERT_NEAR(ports.input, less.Zin, less.Zin * 1e-6);
        ASSERT_NEAR(ports.output, less.Zout, less.Zout * 1e-6);
    }
}

// Between no loss and the minimum loss exactly one arm, the one named for each network,
// comes out negative.
TEST(Physics, below_the_minimum_loss_the_named_arm_is_negative) {
    Designs designs;
    for (int i = 0; i < designCount; ++i) {
        const RandomDesign design = designs.next();
        const bool inputLarger = design.zin > design.zout;

        DesignState pi = stateFor(design, designs.lossBetween(0.001, design.minimumLossDb - 0.001));
        computePiAsymmetric(pi);
        ASSERT_EQ(pi.R1 < 0.0, inputLarger);
        ASSERT_EQ(pi.R3 < 0.0, !inputLarger);
        ASSERT_GT(pi.R2, 0.0);

        DesignState t = stateFor(design, designs.lossBetween(0.001, design.minimumLossDb - 0.001));
        if (!inputLarger) {
            std::swap(t.Zin, t.Zout);
        }
        computeT(t);
        ASSERT_GT(t.R1, 0.0);
        ASSERT_LT(t.R2, 0.0);
        ASSERT_GT(t.R3, 0.0);

        const double lLoss = designs.lossBetween(0.001, design.lMatchDb - 0.001);
        DesignState less = stateFor(design, lLoss);
        computeLLess(less);
        ASSERT_EQ(less.R1 < 0.0, inputLarger); // the series arm when Zin > Zout
        ASSERT_EQ(less.R2 < 0.0, !inputLarger);
        DesignState greater = stateFor(design, lLoss);
        computeLGreater(greater);
        ASSERT_EQ(greater.R2 < 0.0, inputLarger); // the shunt arm when Zin > Zout
        ASSERT_EQ(greater.R1 < 0.0, !inputLarger);
    }
}

} // namespace
} // namespace zelmarino
