// The resistor texts both programs show: the five display ranges and the number text they
// slice.
#include "design/checked.h"
#include "tests/design/case_name.h"
#include "text/resistor_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zelmarino {
namespace {

using design::testing::CaseName;

struct FormatCase {
    std::string name;
    double ohms;
    std::string text;
    double shownValue; // what the window's record keeps afterwards
};

class ResistorTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ResistorTextTest, picks_the_range_and_its_characters) {
    const ResistorText shown = formatResistor(GetParam().ohms);
    EXPECT_EQ(shown.text, GetParam().text);
    EXPECT_DOUBLE_EQ(shown.shownValue, GetParam().shownValue);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ResistorTextTest,
    ::testing::Values(FormatCase{"zero", 0, "0.0W", 0},
                      FormatCase{"five_hundredths", 0.05, "0.05W", 0.05},
                      FormatCase{"range1_truncates", 0.0123, "0.012W", 0.0123},
                      FormatCase{"one_milliohm", 0.001, "0.001W", 0.001},
                      FormatCase{"below_a_milliohm", 0.0001, "0.000W", 0.0001},
                      FormatCase{"far_below_a_milliohm", 5.7e-7, "0.000W", 5.7e-7},
                      FormatCase{"just_below_a_tenth", 0.0999, "0.099W", 0.0999},
                      FormatCase{"range2_lower_limit", 0.1, "0.1 W", 0.1},
                      FormatCase{"range2_truncates", 0.123456, "0.123 W", 0.123456},
                      FormatCase{"range2_truncates_up", 0.1999, "0.199 W", 0.1999},
                      FormatCase{"range2_top", 0.99, "0.99 W", 0.99},
                      FormatCase{"range3_lower_limit", 1, " 1 W", 1},
                      FormatCase{"one_and_a_half", 1.5, " 1.5 W", 1.5},
                      FormatCase{"range3_truncates", 9.99, " 9.9 W", 9.99},
                      FormatCase{"range3_keeps_zero_decimal", 1.05, " 1.0 W", 1.05},
                      FormatCase{"fifteen_digits_first", 9.999999999999998, " 10 W",
                                 9.999999999999998},
                      FormatCase{"range4_lower_limit", 10, " 10 W", 10},
                      FormatCase{"range4_half_up", 10.5, " 11 W", 10.5},
                      FormatCase{"nearly_fifty", 49.8, " 50 W", 49.8},
                      FormatCase{"range4_rounds", 150.6, " 151 W", 150.6},
                      FormatCase{"range4_top", 9999.4, " 9999 W", 9999.4},
                      FormatCase{"range4_rounds_to_ten_thousand", 9999.5, " 10000 W", 9999.5},
                      FormatCase{"range5_lower_limit", 10000, " 10 KW", 10},
                      FormatCase{"range5_truncates", 12345.6, " 12 KW", 12345.6 / 1000},
                      FormatCase{"range5_does_not_round", 19999, " 19 KW", 19.999},
                      FormatCase{"range5_hundreds", 150000, " 150 KW", 150},
                      FormatCase{"range5_without_exponent", 6.55764e9, " 6557640 KW", 6557640},
                      // Negative values read as what they are.
                      FormatCase{"negative_one", -1, "-1 W", -1},
                      FormatCase{"negative_range4", -150, "-150 W", -150},
                      FormatCase{"negative_range3", -8.54987, "-8.5 W", -8.54987},
                      FormatCase{"negative_range1", -0.05, "-0.05W", -0.05},
                      FormatCase{"negative_range2", -0.5, "-0.5 W", -0.5},
                      FormatCase{"negative_range5", -1.69887e8, "-169887 KW", -169887},
                      FormatCase{"negative_zero", -0.0, "-0.0W", 0}),
    CaseName{});

TEST(ResistorText, reports_a_value_beyond_the_range_instead_of_showing_it) {
    EXPECT_THROW((void)formatResistor(std::numeric_limits<double>::infinity()), design::FloatError);
    EXPECT_THROW((void)formatResistor(-std::numeric_limits<double>::infinity()),
                 design::FloatError);
}

struct NumberCase {
    std::string name;
    double value;
    std::string text;
};

class NumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextTest, writes_plain_decimals_to_fifteen_digits) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(NumberCase{"zero", 0, " 0"}, NumberCase{"negative_zero", -0.0, " 0"},
                      NumberCase{"half", 0.5, " .5"}, NumberCase{"fraction", 0.123456, " .123456"},
                      NumberCase{"one_and_a_half", 1.5, " 1.5"}, NumberCase{"whole", 151, " 151"},
                      NumberCase{"negative", -10, "-10"}, NumberCase{"negative_half", -0.5, "-.5"},
                      NumberCase{"rounds_up_to_ten", 9.999999999999998, " 10"},
                      NumberCase{"fifteen_digits", 1.0 / 3.0, " .333333333333333"},
                      NumberCase{"small_without_exponent", 5.7e-6, " .0000057"},
                      NumberCase{"large_without_exponent", 6557640000.0, " 6557640000"},
                      NumberCase{"beyond_fifteen_digits", 1.2345678901234567e20,
                                 " 123456789012346000000"},
                      NumberCase{"kilo_quotient", 12345.6 / 1000, " 12.3456"}),
    CaseName{});

} // namespace
} // namespace zelmarino
