// A pad as built, at any frequency, judged by physics: at 0 Hz the DC check, ideal parts flat,
// closed forms where a circuit has one, the fast sweep against the general analysis, and the
// usable bandwidth against an independent solution.
#include "design/ac_circuit.h"
#include "design/evaluation.h"
#include "design/resistor_model.h"
#include "design/response.h"
#include "tests/design/case_name.h"
#include "tests/design/placements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

namespace zelmarino::design {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

PartModel modelOf(std::string_view package, double viaHenries = 0.0) {
    return {packageNamed(package)->parasitics, viaHenries, package};
}

// Return losses beyond 150 dB are a match, whatever their digits.
void expectReturnLoss(double db, double expected) {
    if (expected > 150.0) {
        EXPECT_GT(db, 150.0);
    } else {
        EXPECT_NEAR(db, expected, 1e-9);
    }
}

class BuiltPad : public ::testing::TestWithParam<testing::Placement> {
protected:
    [[nodiscard]] static Report report() {
        return evaluateDesign(testing::requestFor(GetParam()), 12.0F);
    }
};

TEST_P(BuiltPad, at_zero_hertz_gives_the_dc_check_with_or_without_parasitics) {
    const Report r = report();
    ASSERT_TRUE(r.realisable() && r.exact);
    for (const PartModel& model : {PartModel{}, modelOf("axial", 1e-9)}) {
        const std::vector<double> dc = {0.0};
        const auto s = sweep(builtNetworkOf(r, model), dc).front().s;
        ASSERT_TRUE(s);
        EXPECT_NEAR(-decibelsOf((*s)(1, 0)), r.exact->lossDb, 1e-9);
        expectReturnLoss(-decibelsOf((*s)(0, 0)), r.exact->inputReturnLossDb);
        expectReturnLoss(-decibelsOf((*s)(1, 1)), r.exact->outputReturnLossDb);
    }
}

TEST_P(BuiltPad, is_flat_at_every_frequency_when_its_parts_are_ideal) {
    const BuiltNetwork ideal = builtNetworkOf(report(), PartModel{});
    const auto points = sweep(ideal, frequencyGrid(1e3, 1e11, 9, true));
    const auto dc = acSParameters(ideal.circuit, ideal.ports, 0.0);
    for (const ResponsePoint& p : points) {
        ASSERT_TRUE(p.s);
        for (std::size_t i = 0; i < 2; ++i) {
            for (std::size_t j = 0; j < 2; ++j) {
                EXPECT_LT(std::abs((*p.s)(i, j) - (*dc)(i, j)), 1e-12) << p.hz;
            }
        }
    }
}

TEST_P(BuiltPad, sweeps_as_the_general_analysis_solves) {
    const BuiltNetwork built = builtNetworkOf(report(), modelOf("1206", 0.4e-9));
    for (const ResponsePoint& p : sweep(built, frequencyGrid(1e6, 3e10, 7, true))) {
        const auto general = acSParameters(built.circuit, built.ports, p.hz);
        ASSERT_TRUE(p.s && general);
        for (std::size_t i = 0; i < 2; ++i) {
            for (std::size_t j = 0; j < 2; ++j) {
                EXPECT_LT(std::abs((*p.s)(i, j) - (*general)(i, j)), 1e-12) << p.hz;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Response, BuiltPad,
                         ::testing::ValuesIn(testing::everyPlacement(75.0F, 50.0F)),
                         testing::CaseName{});

// A capacitance across a line of Z0 passes 2 / (2 + jωCZ0); here it is a resistor that is open
// with only its capacitance left.
TEST(Response, a_shunt_capacitance_alone_passes_its_closed_form) {
    const double z0 = 50.0;
    for (const double farads : {0.1e-12, 1e-12, 10e-12}) {
        BuiltNetwork shunt;
        shunt.circuit.resistors = {{1, groundNode, infinity, 0.0, farads}};
        shunt.ports = {{1, groundNode, z0}, {1, groundNode, z0}};
        for (const ResponsePoint& p : sweep(shunt, frequencyGrid(1e6, 1e10, 5, true))) {
            const Complex expected =
                2.0 / (2.0 + Complex{0.0, 2.0 * std::numbers::pi * p.hz * farads * z0});
            ASSERT_TRUE(p.s);
            EXPECT_LT(std::abs((*p.s)(1, 0) - expected), 1e-12);
        }
    }
}

// A series R + jωL between two ports of Z0: |S21|² = 4Z0² / ((2Z0 + R)² + (ωL)²) and
// |S11|² = (R² + (ωL)²) / ((2Z0 + R)² + (ωL)²), each solved for the ωL at its limit.
TEST(Response,
     the_bandwidth_of_a_series_inductive_resistor_is_where_its_closed_form_leaves_the_limits) {
    struct Case {
        double ohms;
        double henries;
        double flatnessDb;
        double minReturnLossDb;
    };
    const double z0 = 50.0;
    for (const Case& c : {Case{10.0, 1e-9, 0.1, 10.0}, Case{10.0, 1e-9, 3.0, 15.0},
                          Case{100.0, 5e-9, 0.5, 3.0}, Case{1.0, 0.2e-9, 0.01, 20.0}}) {
        const double total = 2.0 * z0 + c.ohms;
        const double flatX = total * std::sqrt(std::pow(10.0, c.flatnessDb / 10.0) - 1.0);
        const double g = std::pow(10.0, -c.minReturnLossDb / 10.0);
        const double matchX = std::sqrt((g * total * total - c.ohms * c.ohms) / (1.0 - g));
        const double expected = std::min(flatX, matchX) / (2.0 * std::numbers::pi * c.henries);
        BuiltNetwork series;
        series.circuit.resistors = {{1, 2, c.ohms, c.henries}};
        series.ports = {{1, groundNode, z0}, {2, groundNode, z0}};
        const Bandwidth b =
            usableBandwidth(series, Matched::Both, {c.flatnessDb, c.minReturnLossDb});
        EXPECT_FALSE(b.beyondCeiling);
        EXPECT_NEAR(b.hz, expected, 1e-4 * expected) << c.ohms << " ohms";
    }
}

BuiltNetwork pi50(const PartModel& model) {
    Request request;
    request.zin = request.zout = 50.0F;
    return builtNetworkOf(evaluateDesign(request, 10.0F), model);
}

TEST(Response, bandwidth_is_zero_outside_the_limits_at_dc_and_the_ceiling_when_never_outside) {
    Request request;
    request.zin = request.zout = 50.0F;
    Report nearly = evaluateDesign(request, 10.0F);
    nearly.standardOhms = {100.0, 68.0, 100.0}; // a return loss of about 30 dB at DC
    const BuiltNetwork built = builtNetworkOf(nearly, modelOf("0603"));
    EXPECT_EQ(usableBandwidth(built, Matched::Both, {0.1, 60.0}).hz, 0.0);
    EXPECT_GT(usableBandwidth(built, Matched::Both, {0.1, 10.0}).hz, 1e8);
    const Bandwidth ideal = usableBandwidth(pi50(PartModel{}), Matched::Both, {0.1, 30.0, 1e11});
    EXPECT_TRUE(ideal.beyondCeiling);
    EXPECT_EQ(ideal.hz, 1e11);
}

// Larger packages, more inductance and capacitance: the 50 ohm 10 dB Pi stays flat, and
// matched to 20 dB, over less. (At 30 dB an 0805's capacitance cancels more of its inductance
// in these arms than an 0603's does, so that order is not the physics'.)
TEST(Response, a_larger_package_has_less_bandwidth) {
    for (const double minReturnLossDb : {-infinity, 20.0}) {
        double previous = infinity;
        for (const Package& p : packages()) {
            const double hz =
                usableBandwidth(pi50(modelOf(p.name)), Matched::Both, {0.1, minReturnLossDb}).hz;
            EXPECT_LT(hz, previous) << p.name;
            previous = hz;
        }
    }
}

// Every parasitic k times larger makes every frequency k times lower.
TEST(Response, parasitics_scaled_up_scale_the_bandwidth_down) {
    const PartModel base = modelOf("0603", 0.3e-9);
    const double hz = usableBandwidth(pi50(base), Matched::Both, {}).hz;
    const double k = 3.0;
    const PartModel scaled{{k * base.parts.seriesHenries, k * base.parts.shuntFarads},
                           k * base.viaHenries};
    EXPECT_NEAR(usableBandwidth(pi50(scaled), Matched::Both, {}).hz, hz / k, 2e-4 * hz / k);
}

TEST(Response, a_via_changes_only_arms_to_ground) {
    const PartModel via{{}, 1e-9};
    Request request;
    request.zin = request.zout = 50.0F;
    for (const Network network : {Network::Pi, Network::O}) {
        request.network = network;
        const Report r = evaluateDesign(request, 10.0F);
        const auto s = sweep(builtNetworkOf(r, via), std::vector{1e9}).front().s.value();
        const bool changed = std::abs(decibelsOf(s(1, 0)) + r.exact->lossDb) > 1e-3;
        EXPECT_EQ(changed, network == Network::Pi);
    }
}

TEST(Response, an_infinite_standard_value_is_an_open_arm_and_zero_a_wire) {
    Request request;
    request.zin = request.zout = 50.0F;
    Report r = evaluateDesign(request, 10.0F);
    r.standardOhms = {infinity, 0.0, infinity}; // a wire from port to port
    const auto s = sweep(builtNetworkOf(r, modelOf("0603")), std::vector{1e9}).front().s.value();
    EXPECT_NEAR(std::abs(s(1, 0)), 1.0, 1e-12);
}

TEST(Response, grids_end_where_asked_in_even_steps) {
    struct Grid {
        double from;
        double to;
        std::size_t points;
        bool log;
    };
    for (const Grid& g : {Grid{1e6, 1e10, 10'001, true}, Grid{3.0, 7.0, 2, true},
                          Grid{0.0, 6e9, 601, false}, Grid{1e9, 1e9, 1, false}}) {
        const std::vector<double> hz = frequencyGrid(g.from, g.to, g.points, g.log);
        ASSERT_EQ(hz.size(), g.points);
        EXPECT_EQ(hz.front(), g.from);
        EXPECT_EQ(hz.back(), g.to);
        for (std::size_t i = 1; i + 1 < hz.size(); ++i) {
            const double step = g.log ? std::log(hz[i + 1] / hz[i]) / std::log(hz[1] / hz[0])
                                      : (hz[i + 1] - hz[i]) / (hz[1] - hz[0]);
            EXPECT_NEAR(step, 1.0, 1e-6) << i;
        }
    }
    EXPECT_TRUE(frequencyGrid(0.0, 1e9, 10, true).empty());
    // Whole decades land on their powers of ten, which the reports print as 1 GHz, not 1000 MHz.
    const std::vector<double> decades = frequencyGrid(1e6, 1e10, 4001, true);
    for (std::size_t i = 0; i < decades.size(); i += 1000) {
        EXPECT_EQ(decades[i], std::pow(10.0, 6.0 + static_cast<double>(i) / 1000.0)) << i;
    }
}

} // namespace
} // namespace zelmarino::design
