// The designs judged by plain circuit analysis, not by their formulas: every design that can
// be built, wired with its input facing Zin, has the Pi and the T matched at both ports, each L at
// its own, and the loss that was asked for; the minimum loss is where an arm changes sign.
#include "design/attenuator.h"
#include "design/catalogue.h"
#include "design/two_port.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace zelmarino::design {
namespace {

struct Shape {
    std::string name;
    Network network;
    bool matchedAtInput;
    bool matchedAtOutput;
    bool equalImpedancesOnly = false;
    bool splitter = false; // of a loss of its own, whatever is asked
};

enum class Only { All, Window, SingleArm };

// Every network of the catalogue, the window's alone, or the pads of one arm; the balanced
// pads are analysed as built with their ports between the two legs.
std::vector<Shape> shapes(Only only) {
    std::vector<Shape> found;
    for (const NetworkEntry& entry : catalogue()) {
        // A network of lines is what it is at its design frequency: test_line_networks.
        if (!entry.lines.empty() || (only == Only::Window && !entry.inWindow) ||
            (only == Only::SingleArm && entry.arms.size() != 1)) {
            continue;
        }
        std::string name(entry.command);
        std::replace(name.begin(), name.end(), '-', '_');
        found.push_back({name, entry.network, matchesInput(entry.matched),
                         matchesOutput(entry.matched), entry.equalImpedancesOnly,
                         entry.ports == 3});
    }
    return found;
}

bool matched(double seen, double wanted, double relative) {
    return std::abs(seen - wanted) <= relative * wanted;
}

// Impedances from 1 ohm to 1 megohm, one design in ten between equal ones.
class Impedances {
public:
    std::pair<float, float> next() {
        const auto zin = static_cast<float>(std::pow(10.0, m_decades(m_random)));
        const auto zout =
            m_unit(m_random) < 0.1 ? zin : static_cast<float>(std::pow(10.0, m_decades(m_random)));
        return {zin, zout};
    }
    double unit() { return m_unit(m_random); }

private:
    std::mt19937_64 m_random{20240607};
    std::uniform_real_distribution<double> m_decades{0.0, 6.0};
    std::uniform_real_distribution<double> m_unit{0.0, 1.0};
};

class ExactDesign : public ::testing::TestWithParam<Shape> {};

TEST_P(ExactDesign, is_matched_where_it_should_be_and_loses_what_was_asked) {
    const Shape shape = GetParam();
    Impedances impedances;
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        auto [zin, zout] = impedances.next();
        if (shape.equalImpedancesOnly) {
            zout = zin;
        }
        const double minimum = minimumLoss(shape.network, zin, zout);
        // From 0.0001 dB to 420 dB above the minimum loss, spread over decades. Nearer the
        // minimum the T and L formulas subtract nearly equal terms: their designs miss by
        // about 1e-14 dB divided by the distance in dB (1e-9 dB at 1e-5 dB away), and the
        // check reports that as it is.
        const auto loss =
            static_cast<float>(minimum + std::pow(10.0, -4.0 + 6.62 * impedances.unit()));
        // Wired as asked: the input port faces Zin, even where the window exchanges them.
        const Attenuator design = asWired(designAttenuator(shape.network, zin, zout, loss));
        if (!negativeArms(design).empty()) {
            continue; // rounding put it below the minimum after all
        }
        const auto check =
            checkPorts(checkedCircuit(shape.network, resistorsOf(design), zout), zin, zout);
        ASSERT_TRUE(check);
        SCOPED_TRACE(std::to_string(zin) + " to " + std::to_string(zout) + " ohm, " +
                     std::to_string(loss) + " dB");
        if (shape.matchedAtInput) {
            EXPECT_TRUE(matched(check->inputOhms, zin, 1e-9)) << check->inputOhms;
        }
        if (shape.matchedAtOutput) {
            EXPECT_TRUE(matched(check->outputOhms, zout, 1e-9)) << check->outputOhms;
        }
        // The loss the design holds, in single precision as the window holds it; a splitter
        // halves the voltage at each output whatever was asked.
        EXPECT_NEAR(check->lossDb,
                    shape.splitter ? 20.0 * std::log10(2.0) : static_cast<double>(loss), 1e-9);
        ++checked;
    }
    EXPECT_GT(checked, 3500);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ExactDesign, ::testing::ValuesIn(shapes(Only::All)),
                         testing::CaseName{});

// The role of the arm that the design notes name as negative below the minimum loss.
ArmRole negativeRole(Network network, bool inputLarger) {
    switch (network) {
    case Network::Pi:
        return inputLarger ? ArmRole::ShuntAtInput : ArmRole::ShuntAtOutput;
    case Network::T:
        return ArmRole::SeriesAtOutput; // the T always has the larger impedance at its input
    case Network::LOut:
        return inputLarger ? ArmRole::Series : ArmRole::ShuntAtOutput;
    case Network::Series:
        return ArmRole::Series;
    case Network::Shunt:
        return ArmRole::ShuntAtInput;
    case Network::LIn:
    case Network::H:
    case Network::O:
    case Network::BridgedT:
    case Network::PowerSplitter:
    case Network::TwoResistorSplitter:
    case Network::QuarterWaveSeries:
    case Network::QuarterWaveShunt:
    case Network::Reflection:
        break;
    }
    return inputLarger ? ArmRole::ShuntAtOutput : ArmRole::Series;
}

class MinimumLoss : public ::testing::TestWithParam<Shape> {};

// Just below the minimum loss the named arm is negative and no other; just above it none is.
TEST_P(MinimumLoss, is_where_the_named_arm_changes_sign) {
    const Network network = GetParam().network;
    Impedances impedances;
    for (int i = 0; i < 2000; ++i) {
        auto [zin, zout] = impedances.next();
        if (std::max(zin, zout) < 1.01F * std::min(zin, zout)) {
            continue; // no minimum loss worth the name
        }
        const double minimum = minimumLoss(network, zin, zout);
        SCOPED_TRACE(std::to_string(zin) + " to " + std::to_string(zout) + " ohm, minimum " +
                     std::to_string(minimum) + " dB");
        const Attenuator below =
            designAttenuator(network, zin, zout, static_cast<float>(minimum * (1.0 - 1e-4)));
        const auto negative = negativeArms(below);
        ASSERT_EQ(negative.size(), 1U);
        EXPECT_EQ(below.arms[negative.front()].role, negativeRole(network, zin > zout));
        const Attenuator above =
            designAttenuator(network, zin, zout, static_cast<float>(minimum * (1.0 + 1e-4)));
        EXPECT_TRUE(negativeArms(above).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Window, MinimumLoss, ::testing::ValuesIn(shapes(Only::Window)),
                         testing::CaseName{});
INSTANTIATE_TEST_SUITE_P(SingleArm, MinimumLoss, ::testing::ValuesIn(shapes(Only::SingleArm)),
                         testing::CaseName{});

// At the minimum loss of the Pi and the T, both Ls become the same network, matched at both
// ports: the Pi has lost one shunt arm, the T one series arm.
TEST(MinimumLoss, of_the_pi_gives_two_equal_ls_matched_at_both_ports) {
    Impedances impedances;
    int checked = 0;
    for (int i = 0; i < 2000; ++i) {
        auto [zin, zout] = impedances.next();
        if (zin < zout) {
            std::swap(zin, zout);
        }
        if (zin < 1.01F * zout) {
            continue; // no minimum loss worth the name
        }
        const auto loss = static_cast<float>(minimumLoss(Network::Pi, zin, zout));
        const auto out = resistorsOf(designAttenuator(Network::LOut, zin, zout, loss));
        const auto in = resistorsOf(designAttenuator(Network::LIn, zin, zout, loss));
        for (std::size_t arm = 0; arm < 2; ++arm) {
            EXPECT_TRUE(matched(out[arm].ohms, in[arm].ohms, 1e-5)) << "R" << arm + 1;
        }
        const auto check = checkPorts(out, zin, zout);
        ASSERT_TRUE(check);
        EXPECT_TRUE(matched(check->inputOhms, zin, 1e-5)) << check->inputOhms;
        EXPECT_TRUE(matched(check->outputOhms, zout, 1e-5)) << check->outputOhms;
        ++checked;
    }
    EXPECT_GT(checked, 1500);
}

// An L is matched at one port only; what the other port shows is known from the design
// notes and found again by the analysis.
struct OtherPort {
    const char* name;
    Network network;
    float zin;
    float zout;
    double inputOhms;
    double outputOhms;
};

class LOtherPort : public ::testing::TestWithParam<OtherPort> {};

TEST_P(LOtherPort, shows_the_documented_resistance) {
    const OtherPort& p = GetParam();
    const Attenuator design = designAttenuator(p.network, p.zin, p.zout, 10.0F);
    const auto check = checkPorts(resistorsOf(design), p.zin, p.zout);
    ASSERT_TRUE(check);
    EXPECT_NEAR(check->inputOhms, p.inputOhms, 5e-4);
    EXPECT_NEAR(check->outputOhms, p.outputOhms, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(
    TenDecibels, LOtherPort,
    ::testing::Values(OtherPort{"out_50_50", Network::LOut, 50.0F, 50.0F, 137.809, 50.0},
                      OtherPort{"in_50_50", Network::LIn, 50.0F, 50.0F, 50.0, 18.1410},
                      OtherPort{"out_75_50", Network::LOut, 75.0F, 50.0F, 147.355, 50.0},
                      OtherPort{"in_75_50", Network::LIn, 75.0F, 50.0F, 75.0, 25.4487}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::design
