#include "calc/conversions.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zelmarino {
namespace {

struct ValueCase {
    std::string name;
    std::string text;
    double expected;
};

class NumberValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(NumberValueTest, reads_the_number_the_text_begins_with) {
    EXPECT_DOUBLE_EQ(NumberValue(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberValueTest,
    ::testing::Values(
        ValueCase{"empty", "", 0.0}, ValueCase{"plain", "75", 75.0},
        ValueCase{"decimal_point", "12.5", 12.5}, ValueCase{"comma_stops", "12,5", 12.0},
        ValueCase{"blank_inside", "1 0", 10.0}, ValueCase{"tab_and_line_feed", "\t1\n2 .\t5", 12.5},
        ValueCase{"leading_blanks", "   50", 50.0}, ValueCase{"unit_after", "50 ohm", 50.0},
        ValueCase{"carriage_return_stops", "5\r0", 5.0}, ValueCase{"no_number", "abc", 0.0},
        ValueCase{"negative", "-50", -50.0}, ValueCase{"plus", "+7", 7.0},
        ValueCase{"two_signs", "+-7", 0.0}, ValueCase{"fraction_only", ".5", 0.5},
        ValueCase{"point_only", ".", 0.0}, ValueCase{"exponent", "1e3", 1000.0},
        ValueCase{"exponent_upper_signed", "2.5E-2", 0.025}, ValueCase{"d_exponent", "1D3", 1000.0},
        ValueCase{"d_exponent_lower", "3d+2", 300.0}, ValueCase{"bare_exponent", "7e", 7.0},
        ValueCase{"exponent_sign_only", "7e-", 7.0}, ValueCase{"blank_in_exponent", "1 e 2", 100.0},
        ValueCase{"second_point_stops", "1.2.3", 1.2}, ValueCase{"hex", "&H1F", 31.0},
        ValueCase{"hex_lower", "&hff", 255.0}, ValueCase{"hex_blanks", "& H 1 0", 16.0},
        ValueCase{"hex_stops", "&H1G", 1.0}, ValueCase{"hex_empty", "&H", 0.0},
        ValueCase{"octal", "&O17", 15.0}, ValueCase{"octal_lower", "&o777", 511.0},
        ValueCase{"octal_stops_at_8", "&O18", 1.0}, ValueCase{"ampersand_alone", "&12", 0.0},
        ValueCase{"leading_zeros", "000123.4500", 123.45},
        ValueCase{"long_hex_is_not_wrapped", "&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        ValueCase{"tiny_underflows_to_zero", "1e-400", 0.0},
        ValueCase{"many_leading_fraction_zeros", "0.000000000000000000000000000001e30", 1.0}),
    testing::CaseName{});

TEST(NumberValue, goes_infinite_beyond_the_double_range_without_overflowing) {
    EXPECT_EQ(NumberValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberValue("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberValue("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(NumberValue("&H" + std::string(300, 'F')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberValue(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(NumberValue, is_correctly_rounded) {
    EXPECT_EQ(NumberValue("0.1"), 0.1);
    EXPECT_EQ(NumberValue("2.2250738585072014e-308"), std::numeric_limits<double>::min());
    EXPECT_EQ(NumberValue("9007199254740993"), 9007199254740992.0);
}

TEST(ToSingle, rounds_like_a_store_and_goes_infinite_beyond_the_range) {
    constexpr float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(toSingle(0.1), 0.1F);
    EXPECT_EQ(toSingle(1e39), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(-1e39), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(static_cast<double>(largest)), largest);
    // Just below the half-way point to the next power of two still rounds down.
    EXPECT_EQ(toSingle(static_cast<double>(largest) + 0x1p102), largest);
    EXPECT_TRUE(std::isinf(toSingle(static_cast<double>(largest) + 0x1p103)));
}

struct TextCase {
    std::string name;
    double value;
    std::string expected;
};

class SingleTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SingleTextTest, writes_the_general_format) {
    EXPECT_EQ(SingleText(static_cast<float>(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SingleTextTest,
    ::testing::Values(
        TextCase{"whole", 75, "75"}, TextCase{"half", 0.5, "0.5"}, TextCase{"tenth", 0.1, "0.1"},
        TextCase{"thousand", 1e3, "1000"}, TextCase{"seven_digits", 1234567, "1234567"},
        TextCase{"rounded_to_seven", 12345.678, "12345.68"}, TextCase{"ten_million", 1e7, "1E+07"},
        TextCase{"exponent_with_digits", 12345678, "1.234568E+07"},
        TextCase{"small_plain", 0.0001, "0.0001"}, TextCase{"small_exponent", 0.00001, "1E-05"},
        TextCase{"negative", -50, "-50"}, TextCase{"zero", 0, "0"}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino
