// The frequency analysis on circuits whose answers physics gives without it: filter sections
// at and around their cut-off, lines that match or do not, splitters, and the circuits that
// have no answer.
#include "design/ac_circuit.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace zelmarino::design {
namespace {

using namespace std::complex_literals;

constexpr double pi = std::numbers::pi;

std::vector<AcPort> twoPorts(double z1, double z2) {
    return {{1, groundNode, z1}, {2, groundNode, z2}};
}

// A lossless reciprocal two-port: what is not reflected passes, the same both ways.
void expectLosslessAndReciprocal(const PortMatrix& s) {
    EXPECT_NEAR(std::norm(s(0, 0)) + std::norm(s(1, 0)), 1.0, 1e-12);
    EXPECT_NEAR(std::norm(s(1, 1)) + std::norm(s(0, 1)), 1.0, 1e-12);
    EXPECT_LT(std::abs(s(0, 1) - s(1, 0)), 1e-12);
}

struct AtFrequency {
    const char* name;
    double ratio; // of the frequency to the cut-off, or to the line's quarter-wave frequency
};

class ShuntCapacitor : public ::testing::TestWithParam<AtFrequency> {};

// A capacitor across a through connection of 50 ohm ports sees the source and load in
// parallel: an RC low-pass of 25 ohm, |S21|² = 1 / (1 + (ω C 25)²).
TEST_P(ShuntCapacitor, is_an_rc_low_pass_of_the_two_references_in_parallel) {
    const double capacitance = 1e-9;
    const double cutOff = 1.0 / (2.0 * pi * 25.0 * capacitance);
    const double ratio = GetParam().ratio;
    const AcCircuit circuit{{{Lumped::Resistor, 1, 2, 0.0}, {Lumped::Capacitor, 2, 0, capacitance}},
                            {}};
    const auto s = acSParameters(circuit, twoPorts(50.0, 50.0), ratio * cutOff);
    ASSERT_TRUE(s);
    EXPECT_NEAR(std::norm((*s)(1, 0)), 1.0 / (1.0 + ratio * ratio), 1e-12);
    expectLosslessAndReciprocal(*s);
}

INSTANTIATE_TEST_SUITE_P(AroundCutOff, ShuntCapacitor,
                         ::testing::Values(AtFrequency{"dc", 0.0}, AtFrequency{"tenth", 0.1},
                                           AtFrequency{"cut_off", 1.0},
                                           AtFrequency{"three_times", 3.0}),
                         testing::CaseName{});

struct Butterworth {
    const char* name;
    int order; // 2: series L, shunt C; 3: L, C, L
    double ratio;
};

class ButterworthLowPass : public ::testing::TestWithParam<Butterworth> {};

// Between 50 ohm, with the prototype's values (√2, √2 and 1, 2, 1), |S21|² = 1 / (1 + x^2n):
// 3.01 dB down at the cut-off whatever the order.
TEST_P(ButterworthLowPass, falls_as_its_closed_form_and_is_3_db_down_at_cut_off) {
    const Butterworth& b = GetParam();
    const double r = 50.0;
    const double omega = 2.0 * pi * 1e6;
    AcCircuit circuit;
    if (b.order == 2) {
        circuit.branches = {{Lumped::Inductor, 1, 2, std::numbers::sqrt2 * r / omega},
                            {Lumped::Capacitor, 2, 0, std::numbers::sqrt2 / (r * omega)}};
    } else {
        circuit.branches = {{Lumped::Inductor, 1, 3, r / omega},
                            {Lumped::Capacitor, 3, 0, 2.0 / (r * omega)},
                            {Lumped::Inductor, 3, 2, r / omega}};
    }
    const auto s = acSParameters(circuit, twoPorts(r, r), b.ratio * 1e6);
    ASSERT_TRUE(s);
    const double gain = 1.0 / (1.0 + std::pow(b.ratio, 2 * b.order));
    EXPECT_NEAR(std::norm((*s)(1, 0)), gain, 1e-12);
    if (b.ratio == 1.0) {
        EXPECT_NEAR(-10.0 * std::log10(std::norm((*s)(1, 0))), 3.0103, 1e-4);
    }
    expectLosslessAndReciprocal(*s);
}

INSTANTIATE_TEST_SUITE_P(Sections, ButterworthLowPass,
                         ::testing::Values(Butterworth{"second_order_dc", 2, 0.0},
                                           Butterworth{"second_order_half", 2, 0.5},
                                           Butterworth{"second_order_cut_off", 2, 1.0},
                                           Butterworth{"second_order_twice", 2, 2.0},
                                           Butterworth{"third_order_dc", 3, 0.0},
                                           Butterworth{"third_order_cut_off", 3, 1.0},
                                           Butterworth{"third_order_ten_times", 3, 10.0}),
                         testing::CaseName{});

// A 100 ohm line, a quarter wave at f0, between 50 and 200 ohm.
struct Transformer {
    static constexpr double f0 = 100e6;
    static constexpr double z0 = 100.0;
    static constexpr double load = 200.0;
    AcCircuit circuit{{}, {{1, groundNode, 2, groundNode, z0, delayOf(90.0, f0)}}};
    std::vector<AcPort> ports = twoPorts(50.0, load);
};

TEST(QuarterWaveLine, matches_the_geometric_mean_at_f0_and_not_at_twice_f0) {
    const Transformer t;
    const auto atF0 = acSParameters(t.circuit, t.ports, Transformer::f0);
    const auto atTwice = acSParameters(t.circuit, t.ports, 2.0 * Transformer::f0);
    ASSERT_TRUE(atF0 && atTwice);
    EXPECT_LT(std::abs((*atF0)(0, 0)), 1e-12);
    EXPECT_LT(std::abs((*atF0)(1, 1)), 1e-12);
    // A half wave repeats its load: 200 ohm against 50, |Γ| = 150 / 250.
    EXPECT_NEAR(std::abs((*atTwice)(0, 0)), 0.6, 1e-12);
}

class LoadedLine : public ::testing::TestWithParam<AtFrequency> {};

// Into a line loaded by Z: Z0 (Z cos θ + j Z0 sin θ) / (Z0 cos θ + j Z sin θ).
TEST_P(LoadedLine, shows_the_textbook_input_impedance) {
    const Transformer t;
    const double theta = pi / 2.0 * GetParam().ratio;
    const Complex into =
        Transformer::z0 *
        (Transformer::load * std::cos(theta) + 1i * Transformer::z0 * std::sin(theta)) /
        (Transformer::z0 * std::cos(theta) + 1i * Transformer::load * std::sin(theta));
    const auto s = acSParameters(t.circuit, t.ports, GetParam().ratio * Transformer::f0);
    ASSERT_TRUE(s);
    EXPECT_LT(std::abs((*s)(0, 0) - (into - 50.0) / (into + 50.0)), 1e-12);
    expectLosslessAndReciprocal(*s);
}

INSTANTIATE_TEST_SUITE_P(Lengths, LoadedLine,
                         ::testing::Values(AtFrequency{"dc", 0.0}, AtFrequency{"eighth_wave", 0.5},
                                           AtFrequency{"quarter_wave", 1.0},
                                           AtFrequency{"odd_length", 1.37},
                                           AtFrequency{"half_wave", 2.0},
                                           AtFrequency{"three_quarter_wave", 3.0}),
                         testing::CaseName{});

struct Length {
    const char* name;
    double degrees;
    bool floatingOutput; // the output side's return is not the ground
};

class MatchedLine : public ::testing::TestWithParam<Length> {};

// A 50 ohm line between 50 ohm ports only delays: S21 = e^(-jθ), nothing reflected. Lengths
// around sin θ = 0.1 and multiples of π try both ways the line is stamped.
TEST_P(MatchedLine, is_lossless_and_matched_at_any_length) {
    const Length& length = GetParam();
    const double hz = 1e9;
    const NodeId outReturn = length.floatingOutput ? 3 : groundNode;
    const AcCircuit circuit{{}, {{1, groundNode, 2, outReturn, 50.0, delayOf(length.degrees, hz)}}};
    const std::vector<AcPort> ports = {{1, groundNode, 50.0}, {2, outReturn, 50.0}};
    const auto s = acSParameters(circuit, ports, hz);
    ASSERT_TRUE(s);
    EXPECT_LT(std::abs((*s)(0, 0)), 1e-12);
    EXPECT_LT(std::abs((*s)(1, 1)), 1e-12);
    const Complex delayed = std::polar(1.0, -length.degrees * pi / 180.0);
    EXPECT_LT(std::abs((*s)(1, 0) - delayed), 1e-12) << (*s)(1, 0);
    EXPECT_LT(std::abs((*s)(0, 1) - delayed), 1e-12) << (*s)(0, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, MatchedLine,
    ::testing::Values(Length{"none", 0.0, false}, Length{"one_degree", 1.0, false},
                      Length{"just_chained", 5.7, false}, Length{"just_admittances", 5.8, false},
                      Length{"eighth_wave", 45.0, false}, Length{"quarter_wave", 90.0, false},
                      Length{"nearly_half_wave", 179.9999999, false},
                      Length{"half_wave", 180.0, false}, Length{"three_quarter_wave", 270.0, false},
                      Length{"full_wave", 360.0, false}, Length{"many_waves", 1000.5, false},
                      Length{"floating_none", 0.0, true},
                      Length{"floating_quarter_wave", 90.0, true},
                      Length{"floating_half_wave", 180.0, true}),
    testing::CaseName{});

class ThreeArmSplitter : public ::testing::TestWithParam<double> {};

// Three arms of Z0/3 to a common node: each port sees Z0/3 + (4 Z0/3) / 2 = Z0, and passes a
// quarter of the power to each other port, 6.02 dB down.
TEST_P(ThreeArmSplitter, is_matched_and_passes_a_quarter_to_each_other_port) {
    const double z0 = 50.0;
    const AcCircuit circuit{{{Lumped::Resistor, 1, 4, z0 / 3.0},
                             {Lumped::Resistor, 2, 4, z0 / 3.0},
                             {Lumped::Resistor, 3, 4, z0 / 3.0}},
                            {}};
    const std::vector<AcPort> ports = {{1, 0, z0}, {2, 0, z0}, {3, 0, z0}};
    const auto s = acSParameters(circuit, ports, GetParam());
    ASSERT_TRUE(s);
    ASSERT_EQ(s->size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            const Complex expected = i == j ? 0.0 : 0.5;
            EXPECT_LT(std::abs((*s)(i, j) - expected), 1e-12) << i << ", " << j;
        }
    }
    EXPECT_NEAR(-10.0 * std::log10(std::norm((*s)(1, 0))), 6.0206, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, ThreeArmSplitter, ::testing::Values(0.0, 1e9));

// Two quarter-wave lines of √2 Z0 from the input, 2 Z0 across their far ends: at f0 every
// port is matched, the outputs are isolated and each has half the power, a quarter wave late.
TEST(WilkinsonDivider, at_its_frequency_splits_evenly_and_isolates_the_outputs) {
    const double z0 = 50.0;
    const double f0 = 1e9;
    const double delay = delayOf(90.0, f0);
    const AcCircuit circuit{{{Lumped::Resistor, 2, 3, 2.0 * z0}},
                            {{1, 0, 2, 0, std::numbers::sqrt2 * z0, delay},
                             {1, 0, 3, 0, std::numbers::sqrt2 * z0, delay}}};
    const std::vector<AcPort> ports = {{1, 0, z0}, {2, 0, z0}, {3, 0, z0}};
    const auto s = acSParameters(circuit, ports, f0);
    ASSERT_TRUE(s);
    const Complex half = -1i / std::numbers::sqrt2;
    const std::array<std::array<Complex, 3>, 3> expected = {
        {{0.0, half, half}, {half, 0.0, 0.0}, {half, 0.0, 0.0}}};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_LT(std::abs((*s)(i, j) - expected.at(i).at(j)), 1e-12) << i << ", " << j;
        }
    }
}

TEST(SolveAc, finds_no_voltage_across_a_tank_driven_at_resonance) {
    const double henries = 1e-6;
    const double farads = 1e-9;
    const double resonance = 1.0 / (2.0 * pi * std::sqrt(henries * farads));
    const AcCircuit tank{{{Lumped::Inductor, 1, 0, henries}, {Lumped::Capacitor, 1, 0, farads}},
                         {}};
    const std::vector<AcInjection> drive = {{1, 1.0}};
    EXPECT_FALSE(solveAc(tank, resonance, drive));
    // Off resonance the tank is a reactance: ω L / (1 - ω² L C) at half the frequency.
    const auto v = solveAc(tank, resonance / 2.0, drive);
    ASSERT_TRUE(v);
    const double omega = pi * resonance;
    const double reactance = omega * henries / (1.0 - omega * omega * henries * farads);
    EXPECT_LT(std::abs((*v)[1] - 1i * reactance), 1e-12 * reactance);
}

TEST(SolveAc, refuses_a_current_into_a_floating_part_with_no_way_back) {
    const AcCircuit floating{{{Lumped::Resistor, 1, 2, 100.0}}, {}};
    const std::vector<AcInjection> balanced = {{1, 1.0}, {2, -1.0}};
    const auto v = solveAc(floating, 0.0, balanced);
    ASSERT_TRUE(v);
    EXPECT_LT(std::abs((*v)[1] - (*v)[2] - 100.0), 1e-12);
    const std::vector<AcInjection> unbalanced = {{1, 1.0}};
    EXPECT_FALSE(solveAc(floating, 0.0, unbalanced));
}

TEST(AcSParameters, refuses_a_reference_that_is_not_positive_and_a_negative_frequency) {
    const AcCircuit circuit{{{Lumped::Resistor, 1, 2, 50.0}}, {}};
    EXPECT_FALSE(acSParameters(circuit, twoPorts(0.0, 50.0), 1e6));
    EXPECT_FALSE(acSParameters(circuit, twoPorts(50.0, 50.0), -1.0));
    EXPECT_TRUE(acSParameters(circuit, twoPorts(50.0, 50.0), 1e6));
}

} // namespace
} // namespace zelmarino::design
