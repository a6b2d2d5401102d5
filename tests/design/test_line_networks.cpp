// The networks of lines, judged by nodal analysis at their design frequency: matched there
// with the loss asked for, whether the lines are ideal or their lumped equivalents, both roots
// of the reflection attenuator, its published arm values, and what the lines do away from f0.
#include "design/ac_circuit.h"
#include "design/evaluation.h"
#include "design/response.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::design {
namespace {

constexpr double f0 = 1e9;

struct LineCase {
    std::string name;
    Network network;
    Root root;
    LineModel model;
};

std::vector<LineCase> lineCases() {
    std::vector<LineCase> cases;
    struct Shape {
        const char* name;
        Network network;
        Root root;
    };
    const std::array networks = {
        Shape{"quarter_wave_series", Network::QuarterWaveSeries, Root::Low},
        Shape{"quarter_wave_shunt", Network::QuarterWaveShunt, Root::Low},
        Shape{"reflection_low", Network::Reflection, Root::Low},
        Shape{"reflection_high", Network::Reflection, Root::High}};
    for (const auto& n : networks) {
        cases.push_back({std::string(n.name) + "_ideal", n.network, n.root, LineModel::Ideal});
        cases.push_back({std::string(n.name) + "_lumped", n.network, n.root, LineModel::Lumped});
    }
    return cases;
}

Request requestOf(const LineCase& c, float z) {
    Request request;
    request.network = c.network;
    request.zin = request.zout = z;
    request.f0Hz = f0;
    request.lineModel = c.model;
    request.root = c.root;
    return request;
}

std::optional<PortMatrix> sAt(const Report& report, double hz) {
    const BuiltNetwork built = builtNetworkOf(report, PartModel{});
    return acSParameters(built.circuit, built.ports, hz);
}

class LineNetwork : public ::testing::TestWithParam<LineCase> {};

// At f0 the S-matrix itself, not the report drawn from it, shows both ports matched and
// |S21| = 1/K; the report says the same.
TEST_P(LineNetwork, is_matched_at_f0_with_the_loss_asked_for) {
    for (const float z : {50.0F, 75.0F, 600.0F}) {
        for (const float loss : {0.5F, 1.0F, 3.0F, 10.0F, 20.0F, 40.0F}) {
            SCOPED_TRACE(std::to_string(z) + " ohm, " + std::to_string(loss) + " dB");
            const Report report = evaluateDesign(requestOf(GetParam(), z), loss);
            ASSERT_TRUE(report.realisable());
            const auto s = sAt(report, f0);
            ASSERT_TRUE(s);
            EXPECT_LT(std::abs((*s)(0, 0)), 1e-9);
            EXPECT_LT(std::abs((*s)(1, 1)), 1e-9);
            EXPECT_NEAR(-20.0 * std::log10(std::abs((*s)(1, 0))), loss, 1e-9);
            ASSERT_TRUE(report.exact);
            EXPECT_NEAR(report.exact->lossDb, loss, 1e-9);
            EXPECT_NEAR(report.exact->inputOhms, z, 1e-7 * z);
            EXPECT_NEAR(report.exact->outputOhms, z, 1e-7 * z);
            EXPECT_GT(report.exact->inputReturnLossDb, 150.0);
        }
    }
}

// Rounded to E24, the check is still the analysis at f0: near the asked loss, no longer exact.
TEST_P(LineNetwork, checks_standard_values_at_f0) {
    Request request = requestOf(GetParam(), 50.0F);
    request.series = ESeries::E24;
    const Report report = evaluateDesign(request, 10.0F);
    ASSERT_TRUE(report.standard && report.standardOhms);
    EXPECT_NEAR(report.standard->lossDb, 10.0, 0.5);
    EXPECT_GT(report.standard->inputReturnLossDb, 20.0);
    EXPECT_NE(report.standard->lossDb, report.exact->lossDb);
}

// The sweep's fast path solves the lines as the general analysis does, at and away from f0.
TEST_P(LineNetwork, sweeps_as_the_general_analysis_solves) {
    const Report report = evaluateDesign(requestOf(GetParam(), 50.0F), 6.0F);
    const BuiltNetwork built = builtNetworkOf(report, PartModel{});
    for (const ResponsePoint& p : sweep(built, frequencyGrid(1e8, 3e9, 9, true))) {
        const auto general = acSParameters(built.circuit, built.ports, p.hz);
        ASSERT_TRUE(p.s && general);
        for (std::size_t i = 0; i < 2; ++i) {
            for (std::size_t j = 0; j < 2; ++j) {
                EXPECT_LT(std::abs((*p.s)(i, j) - (*general)(i, j)), 1e-12) << p.hz;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AtTheDesignFrequency, LineNetwork, ::testing::ValuesIn(lineCases()),
                         testing::CaseName{});

// The published reflection attenuator at 1 dB in 50 ohms: 2.88 and 869.55 ohms.
TEST(ReflectionAttenuator, has_the_published_arms_for_either_root) {
    struct Printed {
        Root root;
        double printed;
        double rounding;
    };
    const std::array roots = {Printed{Root::Low, 2.88, 0.005}, Printed{Root::High, 869.55, 0.005}};
    for (const auto& r : roots) {
        const Report report = evaluateDesign(
            requestOf({"", Network::Reflection, r.root, LineModel::Ideal}, 50.0F), 1.0F);
        for (const ReportArm& arm : report.design.arms) {
            EXPECT_NEAR(arm.resistor.ohms, r.printed, r.rounding);
        }
    }
}

// The hybrid sends what the arms reflect to the output, so the loss is stationary at f0: the
// same a step either side of it (the lines' lengths go through 90 degrees), and within a few
// hundredths of a dB over ±1 %. A single branch-line section is narrow: by ±10 % the 10 dB pad
// has moved 0.2 dB with the low root and 1.6 dB with the high one, whose arms reflect the
// hybrid's own mismatch more.
TEST(ReflectionAttenuator, loss_is_flat_near_f0) {
    for (const Root root : {Root::Low, Root::High}) {
        const Report report = evaluateDesign(
            requestOf({"", Network::Reflection, root, LineModel::Ideal}, 50.0F), 10.0F);
        const auto lossAt = [&](double ratio) {
            return -decibelsOf((*sAt(report, ratio * f0))(1, 0));
        };
        for (const double step : {0.001, 0.01, 0.1}) {
            EXPECT_NEAR(lossAt(1.0 - step), lossAt(1.0 + step), 1e-9) << step;
            EXPECT_LE(lossAt(1.0 + step), 10.0) << step;
        }
        EXPECT_NEAR(lossAt(1.01), 10.0, 0.03);
        EXPECT_NEAR(lossAt(1.001), 10.0, 0.0003);
    }
}

// At 2 f0 an ideal line is a half wave, which passes any load through unchanged: the
// quarter-wave series pad is then one series arm of 2R, losing 20 log10(1 + R/Z), and the
// shunt pad one arm of R/2 across the line, losing 20 log10(1 + Z/R).
TEST(QuarterWave, is_two_arms_side_by_side_at_twice_f0) {
    struct SideBySide {
        Network network;
        double (*loss)(double r, double z);
    };
    const std::array cases = {
        SideBySide{Network::QuarterWaveSeries,
                   [](double r, double z) { return 20.0 * std::log10(1.0 + r / z); }},
        SideBySide{Network::QuarterWaveShunt,
                   [](double r, double z) { return 20.0 * std::log10(1.0 + z / r); }}};
    for (const auto& c : cases) {
        const Report report =
            evaluateDesign(requestOf({"", c.network, Root::Low, LineModel::Ideal}, 50.0F), 10.0F);
        const auto s = sAt(report, 2.0 * f0);
        ASSERT_TRUE(s);
        const double r = report.design.arms.front().resistor.ohms;
        EXPECT_NEAR(-decibelsOf((*s)(1, 0)), c.loss(r, 50.0), 1e-9);
    }
}

// The analysis at f0 is the only one these networks have: without it, or with the DC search,
// worst case or dissipation, the request is refused; so are resistors of the user's.
TEST(LineNetworks, are_refused_what_only_dc_would_analyse) {
    const Request asked =
        requestOf({"", Network::QuarterWaveSeries, Root::Low, LineModel::Ideal}, 50);
    EXPECT_FALSE(objection(asked, false));
    EXPECT_TRUE(objection(asked, true));
    std::array refused = {asked, asked, asked, asked};
    refused[0].f0Hz.reset();
    refused[1].optimise = true;
    refused[2].tolerance = 0.01;
    refused[3].availableWatts = 1.0;
    for (const Request& request : refused) {
        EXPECT_TRUE(objection(request, false));
    }
}

} // namespace
} // namespace zelmarino::design
