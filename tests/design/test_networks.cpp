// Each network's arms against independently worked designs, in the window's order R1, R2, R3.
#include "design/attenuator.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zelmarino::design {
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

struct NetworkCase {
    std::string name;
    Network network;
    float zin, zout;
    float db;
    std::vector<std::string> arms;
};

class NetworkValuesTest : public ::testing::TestWithParam<NetworkCase> {};

TEST_P(NetworkValuesTest, computes_the_known_design) {
    const NetworkCase& c = GetParam();
    const Attenuator design = designAttenuator(c.network, c.zin, c.zout, c.db);
    ASSERT_EQ(design.arms.size(), c.arms.size());
    for (std::size_t i = 0; i < c.arms.size(); ++i) {
        EXPECT_TRUE(agrees(design.arms[i].resistor.ohms, c.arms[i])) << "R" << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, NetworkValuesTest,
    ::testing::Values(
        NetworkCase{"pi_50_10dB", Network::Pi, 50, 50, 10, {"96.2475", "71.1512", "96.2475"}},
        NetworkCase{"pi_75_20dB", Network::Pi, 75, 75, 20, {"91.6667", "371.25", "91.6667"}},
        NetworkCase{"pi_50_3dB", Network::Pi, 50, 50, 3, {"292.402", "17.6148", "292.402"}},
        NetworkCase{
            "pi_50_minus3dB", Network::Pi, 50, 50, -3, {"-292.402", "-17.6148", "-292.402"}},
        NetworkCase{"pi_0_10dB", Network::Pi, 0, 0, 10, {"0", "0", "0"}},
        NetworkCase{"pi_75_50_10dB", Network::Pi, 75, 50, 10, {"207.435", "87.1421", "77.1073"}},
        NetworkCase{"pi_50_75_10dB", Network::Pi, 50, 75, 10, {"77.1073", "87.1421", "207.435"}},
        NetworkCase{"pi_600_50_20dB", Network::Pi, 600, 50, 20, {"1872.76", "857.365", "51.9813"}},
        NetworkCase{"pi_75_50_3dB", Network::Pi, 75, 50, 3, {"-160.618", "21.5736", "72.2673"}},
        NetworkCase{"pi_50_75_3dB", Network::Pi, 50, 75, 3, {"72.2673", "21.5736", "-160.618"}},
        NetworkCase{"pi_75_50_at_min_loss",
                    Network::Pi,
                    75,
                    50,
                    5.7195F,
                    {"2.64927e7", "43.3015", "86.6025"}},
        NetworkCase{"pi_75_50_below_min_loss",
                    Network::Pi,
                    75,
                    50,
                    5.719475F,
                    {"-9.54e8", "43.30", "86.60"}},
        NetworkCase{"pi_75_50_0dB", Network::Pi, 75, 50, 0, {"0", "0", "0"}},
        NetworkCase{"t_50_10dB", Network::T, 50, 50, 10, {"25.9747", "25.9747", "35.1364"}},
        NetworkCase{"t_75_50_10dB", Network::T, 75, 50, 10, {"48.6335", "18.0780", "43.0331"}},
        NetworkCase{
            "t_50_75_10dB_exchanged", Network::T, 50, 75, 10, {"48.6335", "18.0780", "43.0331"}},
        NetworkCase{"t_600_50_20dB", Network::T, 600, 50, 20, {"577.130", "16.0192", "34.9909"}},
        NetworkCase{"t_75_50_3dB", Network::T, 75, 50, 3, {"51.8907", "-23.3473", "173.823"}},
        NetworkCase{"t_75_50_at_min_loss",
                    Network::T,
                    75,
                    50,
                    5.7195F,
                    {"43.3013", "0.000141548", "86.6021"}},
        NetworkCase{"t_75_50_below_min_loss",
                    Network::T,
                    75,
                    50,
                    5.719475F,
                    {"43.30", "-0.00000393", "86.60"}},
        NetworkCase{"t_50_minus3dB", Network::T, 50, 50, -3, {"-8.54987", "-8.54987", "-141.926"}},
        NetworkCase{"t_0_10dB", Network::T, 0, 0, 10, {"0", "0", "0"}},
        NetworkCase{"l_out_50_10dB", Network::LOut, 50, 50, 10, {"108.114", "73.1238"}},
        NetworkCase{"l_in_50_10dB", Network::LIn, 50, 50, 10, {"34.1886", "23.1238"}},
        NetworkCase{"l_out_75_50_10dB", Network::LOut, 75, 50, 10, {"118.649", "67.4035"}},
        NetworkCase{"l_in_75_50_10dB", Network::LIn, 75, 50, 10, {"55.6351", "31.6058"}},
        NetworkCase{"l_out_50_75_10dB", Network::LOut, 50, 75, 10, {"143.649", "122.409"}},
        NetworkCase{"l_in_50_75_10dB", Network::LIn, 50, 75, 10, {"30.6351", "26.1053"}},
        NetworkCase{"l_out_600_50_20dB", Network::LOut, 600, 50, 20, {"1132.05", "51.4863"}},
        NetworkCase{"l_in_600_50_20dB", Network::LIn, 600, 50, 20, {"582.679", "26.5006"}},
        NetworkCase{
            "l_out_75_50_at_min_loss", Network::LOut, 75, 50, 5.7195F, {"43.3016", "86.6024"}},
        NetworkCase{
            "l_in_75_50_at_min_loss", Network::LIn, 75, 50, 5.7195F, {"43.3014", "86.6019"}},
        NetworkCase{"l_out_75_50_1dB", Network::LOut, 75, 50, 1, {"-6.29068", "183.623"}},
        NetworkCase{"l_in_75_50_1dB", Network::LIn, 75, 50, 1, {"20.4222", "-596.120"}},
        NetworkCase{"l_out_75_50_0dB", Network::LOut, 75, 50, 0, {"-13.7628", "272.474"}},
        NetworkCase{"l_in_75_50_0dB", Network::LIn, 75, 50, 0, {"13.7628", "-272.474"}},
        NetworkCase{
            "l_out_just_below_match", Network::LOut, 75, 50, 1.76091F, {"-0.0000221", "150"}},
        NetworkCase{"l_in_just_below_match", Network::LIn, 75, 50, 1.76091F, {"25", "-1.69887e8"}},
        NetworkCase{
            "l_out_just_above_match", Network::LOut, 75, 50, 1.7609126F, {"0.000000572", "150"}},
        NetworkCase{
            "l_in_just_above_match", Network::LIn, 75, 50, 1.7609126F, {"25", "6.55764e9"}}),
    testing::CaseName{});

TEST(Networks, t_places_the_larger_impedance_on_the_input_side) {
    const Attenuator exchanged = designAttenuator(Network::T, 50.0F, 75.0F, 10.0F);
    EXPECT_TRUE(exchanged.portsExchanged);
    EXPECT_EQ(exchanged.zin, 75.0F);
    EXPECT_EQ(exchanged.zout, 50.0F);
    EXPECT_FALSE(designAttenuator(Network::Pi, 50.0F, 75.0F, 10.0F).portsExchanged);
}

// Without loss the shunt arm on the larger impedance's side, negative below the minimum
// loss, comes out as a negative zero: a design that cannot be built.
TEST(Networks, pi_without_loss_has_a_negative_zero_on_the_larger_side) {
    EXPECT_EQ(negativeArms(designAttenuator(Network::Pi, 75.0F, 50.0F, 0.0F)),
              std::vector<std::size_t>{0});
    EXPECT_EQ(negativeArms(designAttenuator(Network::Pi, 50.0F, 75.0F, 1e-20F)),
              std::vector<std::size_t>{2});
}

TEST(Networks, fails_where_k_rounds_to_one_and_an_arm_divides_by_k_minus_one) {
    EXPECT_THROW((void)designAttenuator(Network::Pi, 75.0F, 75.0F, 1e-30F), FloatError);
    EXPECT_THROW((void)designAttenuator(Network::T, 75.0F, 50.0F, 0.0F), FloatError);
}

TEST(Attenuator, counts_negative_zero_as_negative_and_not_a_number_as_neither) {
    EXPECT_TRUE(isNegative(-0.0));
    EXPECT_TRUE(isNegative(-1e-300));
    EXPECT_FALSE(isNegative(0.0));
    EXPECT_FALSE(isNegative(-std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
} // namespace zelmarino::design
