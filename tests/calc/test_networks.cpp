// Each network's values against independently worked designs, and what the window shows.
#include "calc/conversions.h"
#include "calc/networks.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <string>

namespace zelmarino {
namespace {

// Checks `actual` against a value known to the digits written in `expected`.
::testing::AssertionResult agrees(double actual, const std::string& expected) {
    double value = 0.0;
    std::from_chars(expected.data(), expected.data() + expected.size(), value);
    int digits = 0;
    bool significant = false;
    for (char c : expected) {
        if (c == 'e') {
            break;
        }
        significant = significant || (c >= '1' && c <= '9');
        digits += (significant && c >= '0' && c <= '9') ? 1 : 0;
    }
    const double tolerance =
        value == 0.0
            ? 1e-12
            : 0.5001 * std::pow(10.0, std::floor(std::log10(std::abs(value))) - digits + 1);
    if (std::abs(actual - value) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

using Compute = void (*)(DesignState&);

struct NetworkCase {
    std::string name;
    Compute compute;
    float zin, zout;
    std::string db;
    std::string r1, r2, r3;
};

class NetworkValuesTest : public ::testing::TestWithParam<NetworkCase> {};

TEST_P(NetworkValuesTest, computes_the_known_design) {
    const NetworkCase& c = GetParam();
    DesignState state;
    state.Zin = c.zin;
    state.Zout = c.zout;
    state.A = toSingle(NumberValue(c.db));
    state.K = std::pow(10.0, static_cast<double>(state.A) / 20.0);
    c.compute(state);
    EXPECT_TRUE(agrees(state.R1, c.r1));
    EXPECT_TRUE(agrees(state.R2, c.r2));
    EXPECT_TRUE(agrees(state.R3, c.r3));
}

INSTANTIATE_TEST_SUITE_P(
    Designs, NetworkValuesTest,
    ::testing::Values(
        NetworkCase{"pi_50_10dB", computePiSymmetric, 50, 50, "10", "96.2475", "71.1512", "0"},
        NetworkCase{"pi_75_20dB", computePiSymmetric, 75, 75, "20", "91.6667", "371.25", "0"},
        NetworkCase{"pi_50_3dB", computePiSymmetric, 50, 50, "3", "292.402", "17.6148", "0"},
        NetworkCase{"pi_50_minus3dB", computePiSymmetric, 50, 50, "-3", "-292.402", "-17.6148",
                    "0"},
        NetworkCase{"pi_0_10dB", computePiSymmetric, 0, 0, "10", "0", "0", "0"},
        NetworkCase{"pi_75_50_10dB", computePiAsymmetric, 75, 50, "10", "207.435", "87.1421",
                    "77.1073"},
        NetworkCase{"pi_50_75_10dB", computePiAsymmetric, 50, 75, "10", "77.1073", "87.1421",
                    "207.435"},
        NetworkCase{"pi_600_50_20dB", computePiAsymmetric, 600, 50, "20", "1872.76", "857.365",
                    "51.9813"},
        NetworkCase{"pi_75_50_3dB", computePiAsymmetric, 75, 50, "3", "-160.618", "21.5736",
                    "72.2673"},
        NetworkCase{"pi_50_75_3dB", computePiAsymmetric, 50, 75, "3", "72.2673", "21.5736",
                    "-160.618"},
        NetworkCase{"pi_75_50_at_min_loss", computePiAsymmetric, 75, 50, "5.7195", "2.64927e7",
                    "43.3015", "86.6025"},
        NetworkCase{"pi_75_50_below_min_loss", computePiAsymmetric, 75, 50, "5.719475", "-9.54e8",
                    "43.30", "86.60"},
        NetworkCase{"pi_75_50_0dB", computePiAsymmetric, 75, 50, "0", "0", "0", "0"},
        NetworkCase{"t_50_10dB", computeT, 50, 50, "10", "25.9747", "25.9747", "35.1364"},
        NetworkCase{"t_75_50_10dB", computeT, 75, 50, "10", "48.6335", "18.0780", "43.0331"},
        NetworkCase{"t_600_50_20dB", computeT, 600, 50, "20", "577.130", "16.0192", "34.9909"},
        NetworkCase{"t_75_50_3dB", computeT, 75, 50, "3", "51.8907", "-23.3473", "173.823"},
        NetworkCase{"t_75_50_at_min_loss", computeT, 75, 50, "5.7195", "43.3013", "0.000141548",
                    "86.6021"},
        NetworkCase{"t_75_50_below_min_loss", computeT, 75, 50, "5.719475", "43.30", "-0.00000393",
                    "86.60"},
        NetworkCase{"t_50_minus3dB", computeT, 50, 50, "-3", "-8.54987", "-8.54987", "-141.926"},
        NetworkCase{"t_0_10dB", computeT, 0, 0, "10", "0", "0", "0"},
        NetworkCase{"lless_50_10dB", computeLLess, 50, 50, "10", "108.114", "73.1238", "0"},
        NetworkCase{"lgreater_50_10dB", computeLGreater, 50, 50, "10", "34.1886", "23.1238", "0"},
        NetworkCase{"lless_75_50_10dB", computeLLess, 75, 50, "10", "118.649", "67.4035", "0"},
        NetworkCase{"lgreater_75_50_10dB", computeLGreater, 75, 50, "10", "55.6351", "31.6058",
                    "0"},
        NetworkCase{"lless_50_75_10dB", computeLLess, 50, 75, "10", "143.649", "122.409", "0"},
        NetworkCase{"lgreater_50_75_10dB", computeLGreater, 50, 75, "10", "30.6351", "26.1053",
                    "0"},
        NetworkCase{"lless_600_50_20dB", computeLLess, 600, 50, "20", "1132.05", "51.4863", "0"},
        NetworkCase{"lgreater_600_50_20dB", computeLGreater, 600, 50, "20", "582.679", "26.5006",
                    "0"},
        NetworkCase{"lless_75_50_at_min_loss", computeLLess, 75, 50, "5.7195", "43.3016", "86.6024",
                    "0"},
        NetworkCase{"lgreater_75_50_at_min_loss", computeLGreater, 75, 50, "5.7195", "43.3014",
                    "86.6019", "0"},
        NetworkCase{"lless_75_50_1dB", computeLLess, 75, 50, "1", "-6.29068", "183.623", "0"},
        NetworkCase{"lgreater_75_50_1dB", computeLGreater, 75, 50, "1", "20.4222", "-596.120", "0"},
        NetworkCase{"lless_75_50_0dB", computeLLess, 75, 50, "0", "-13.7628", "272.474", "0"},
        NetworkCase{"lgreater_75_50_0dB", computeLGreater, 75, 50, "0", "13.7628", "-272.474", "0"},
        NetworkCase{"lless_just_below_match", computeLLess, 75, 50, "1.76091", "-0.0000221", "150",
                    "0"},
        NetworkCase{"lgreater_just_below_match", computeLGreater, 75, 50, "1.76091", "25",
                    "-1.69887e8", "0"},
        NetworkCase{"lless_just_above_match", computeLLess, 75, 50, "1.7609126", "0.000000572",
                    "150", "0"},
        NetworkCase{"lgreater_just_above_match", computeLGreater, 75, 50, "1.7609126", "25",
                    "6.55764e9", "0"}),
    testing::CaseName{});

TEST(Networks, pi_asymmetric_stores_the_impedance_ratio) {
    DesignState state;
    state.Zin = 75;
    state.Zout = 50;
    state.K = std::sqrt(10.0);
    computePiAsymmetric(state);
    EXPECT_TRUE(agrees(state.Ratio, "1.22474"));
}

struct ShownCase {
    std::string name;
    NetworkType network;
    std::string zin, zout, db;
    std::map<Label, std::string> captions;
    bool message;
};

class ShownDesignTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownDesignTest, writes_each_string_on_its_label) {
    const ShownCase& c = GetParam();
    testing::Harness harness;
    harness.design(c.network, c.zin, c.zout, c.db);
    for (const auto& [label, caption] : c.captions) {
        EXPECT_EQ(harness.caption(label), caption) << "label " << static_cast<int>(label);
    }
    EXPECT_EQ(harness.caption(Label::Label9),
              c.message ? std::string(negativeValueMessage) : std::string());
    EXPECT_EQ(harness.view.beeps, c.message ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, ShownDesignTest,
    ::testing::Values(
        ShownCase{"pi_symmetric",
                  NetworkType::Pi,
                  "50",
                  "50",
                  "10",
                  {{Label::piti, " 96 W"},
                   {Label::pielle, " 96 W"},
                   {Label::tielle, " 71 W"},
                   {Label::ti, ""}},
                  false},
        ShownCase{"pi_asymmetric",
                  NetworkType::Pi,
                  "75",
                  "50",
                  "10",
                  {{Label::piti, " 207 W"}, {Label::pielle, " 77 W"}, {Label::tielle, " 87 W"}},
                  false},
        ShownCase{"pi_kilo_ohms",
                  NetworkType::Pi,
                  "600",
                  "50",
                  "20",
                  {{Label::piti, " 1873 W"}, {Label::pielle, " 52 W"}, {Label::tielle, " 857 W"}},
                  false},
        ShownCase{"pi_negative",
                  NetworkType::Pi,
                  "75",
                  "50",
                  "3",
                  {{Label::piti, "-161 W"}, {Label::pielle, " 72 W"}, {Label::tielle, " 22 W"}},
                  true},
        ShownCase{"t",
                  NetworkType::T,
                  "75",
                  "50",
                  "10",
                  {{Label::tielle, " 49 W"},
                   {Label::piti, " 43 W"},
                   {Label::ti, " 18 W"},
                   {Label::LabelZin, "75"},
                   {Label::LabelZout, "50"}},
                  false},
        ShownCase{"t_near_an_l",
                  NetworkType::T,
                  "75",
                  "50",
                  "5.7195",
                  {{Label::tielle, " 43 W"}, {Label::piti, " 87 W"}, {Label::ti, "0.000W"}},
                  false},
        ShownCase{"t_negative",
                  NetworkType::T,
                  "50",
                  "50",
                  "-3",
                  {{Label::tielle, "-8.5 W"}, {Label::piti, "-142 W"}, {Label::ti, "-8.5 W"}},
                  true},
        ShownCase{"l_less",
                  NetworkType::LLess,
                  "75",
                  "50",
                  "10",
                  {{Label::piti, " 67 W"},
                   {Label::tielle, " 119 W"},
                   {Label::pielle, ""},
                   {Label::ti, ""}},
                  false},
        ShownCase{"l_greater",
                  NetworkType::LGreater,
                  "75",
                  "50",
                  "10",
                  {{Label::piti, " 32 W"}, {Label::tielle, " 56 W"}},
                  false},
        ShownCase{"l_greater_huge_shunt",
                  NetworkType::LGreater,
                  "75",
                  "50",
                  "1.7609126",
                  {{Label::piti, " 6557640 KW"}, {Label::tielle, " 25 W"}},
                  false},
        ShownCase{"l_greater_huge_negative_shunt",
                  NetworkType::LGreater,
                  "75",
                  "50",
                  "1.76091",
                  {{Label::piti, "-169886 KW"}, {Label::tielle, " 25 W"}},
                  true},
        ShownCase{"l_less_tiny_series",
                  NetworkType::LLess,
                  "75",
                  "50",
                  "1.7609126",
                  {{Label::piti, " 150 W"}, {Label::tielle, "0.000W"}},
                  false}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino
