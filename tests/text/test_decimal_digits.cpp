// The fast number texts against std::to_chars, which is exact: at the cases where a fast
// rounding goes wrong (halves, carries into a new digit, the ends of plain notation) and over
// a sweep of values of every size.
#include "tests/design/case_name.h"
#include "text/decimal_digits.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace zelmarino {
namespace {

using design::testing::CaseName;

std::string exactText(double value, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};
    auto* const end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
    return {buffer.data(), end};
}

struct TextCase {
    std::string name;
    double value;
    int precision;
    std::string general; // generalText(value, precision)
    std::string fixed;   // fixedText(value, precision)
};

class NumberFormsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberFormsTest, write_what_printf_writes) {
    const TextCase& c = GetParam();
    EXPECT_EQ(generalText(c.value, c.precision), c.general);
    EXPECT_EQ(fixedText(c.value, c.precision), c.fixed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFormsTest,
    ::testing::Values(TextCase{"plain", 207.435, 6, "207.435", "207.435000"},
                      TextCase{"carry_into_a_new_digit", 9.9999999996, 9, "10", "10.000000000"},
                      TextCase{"half_rounds_to_even", 3.5, 0, "4", "4"},
                      TextCase{"half_of_a_decimal", 0.375, 2, "0.38", "0.38"},
                      TextCase{"tiny_negative_keeps_its_sign", -1e-9, 6, "-1e-09", "-0.000000"},
                      TextCase{"smallest_plain", 0.0001, 6, "0.0001", "0.000100"},
                      TextCase{"below_plain", 0.00001234, 3, "1.23e-05", "0.000"},
                      TextCase{"digits_run_out", 26492700.0, 6, "2.64927e+07", "26492700.000000"},
                      TextCase{"whole_number", 75.0, 9, "75", "75.000000000"},
                      TextCase{"too_long_for_fixed", 1.5e300, 4, "1.5e+300", "1.5e+300"},
                      TextCase{"subnormal", 4.9e-324, 3, "4.94e-324", "0.000"},
                      TextCase{"zero", 0.0, 6, "0", "0.000000"},
                      TextCase{"infinite", -HUGE_VAL, 6, "-inf", "-inf"}),
    CaseName{});

// Random bits give doubles of every exponent; a second sweep keeps to the sizes the
// programs print, where the fast way answers nearly always.
TEST(NumberFormsSweep, agree_with_to_chars_everywhere) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int i = 0; i < 200000; ++i) {
        const auto anywhere = std::bit_cast<double>(random());
        const double usual = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
        for (const double value : {anywhere, usual}) {
            const int precision = 1 + i % 17;
            ASSERT_EQ(generalText(value, precision),
                      exactText(value, std::chars_format::general, precision))
                << value;
            if (std::abs(value) < 1e40) { // longer fixed texts are the shortest instead
                ASSERT_EQ(fixedText(value, i % 10),
                          exactText(value, std::chars_format::fixed, i % 10))
                    << value;
            }
        }
    }
}

} // namespace
} // namespace zelmarino
