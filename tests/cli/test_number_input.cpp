// The strict number reading: what a command-line number may look like, and its exact value.
#include "cli/number_input.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <string>

namespace zelmarino::cli {
namespace {

struct Accepted {
    const char* name;
    const char* text;
    Prefixes prefixes;
    double value;
};

class ReadsNumber : public ::testing::TestWithParam<Accepted> {};

TEST_P(ReadsNumber, to_the_double_nearest_the_decimal_written) {
    const NumberReading reading = readNumber(GetParam().text, GetParam().prefixes);
    ASSERT_EQ(reading.status, NumberReading::Status::Ok);
    EXPECT_EQ(reading.value, GetParam().value); // exact: the reading is correctly rounded
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadsNumber,
    ::testing::Values(Accepted{"whole", "75", Prefixes::Allowed, 75.0},
                      Accepted{"decimal", "0.5", Prefixes::Allowed, 0.5},
                      Accepted{"no_leading_digit", ".5", Prefixes::Refused, 0.5},
                      Accepted{"no_trailing_digit", "5.", Prefixes::Refused, 5.0},
                      Accepted{"exponent", "1e3", Prefixes::Refused, 1000.0},
                      Accepted{"negative_exponent", "2.5E-2", Prefixes::Refused, 0.025},
                      Accepted{"signed", "-3", Prefixes::Refused, -3.0},
                      Accepted{"kilo_suffix", "2.2k", Prefixes::Allowed, 2200.0},
                      Accepted{"capital_kilo", "10K", Prefixes::Allowed, 10000.0},
                      Accepted{"kilo_as_point", "1k5", Prefixes::Allowed, 1500.0},
                      Accepted{"mega", "1M", Prefixes::Allowed, 1e6},
                      Accepted{"mega_as_point", "4M7", Prefixes::Allowed, 4.7e6},
                      Accepted{"milli", "470m", Prefixes::Allowed, 0.47},
                      Accepted{"giga", "1.2G", Prefixes::Allowed, 1.2e9},
                      // 0.1 * 3 is not 0.3 in binary; read as one decimal number it is.
                      Accepted{"prefix_without_rounding_twice", "0.3k", Prefixes::Allowed, 300.0},
                      Accepted{"prefix_rounds_once", "1.1m", Prefixes::Allowed, 0.0011},
                      Accepted{"micro_u", "250u", Prefixes::AllowedWithMicro, 250e-6},
                      Accepted{"micro_sign", "1.5\u00b5", Prefixes::AllowedWithMicro, 1.5e-6},
                      Accepted{"greek_mu_as_point", "4\u03bc7", Prefixes::AllowedWithMicro,
                               4.7e-6}),
    testing::CaseName{});

struct Rejected {
    const char* name;
    const char* text;
    Prefixes prefixes;
    NumberReading::Status status;
};

class RefusesNumber : public ::testing::TestWithParam<Rejected> {};

TEST_P(RefusesNumber, as_a_whole) {
    EXPECT_EQ(readNumber(GetParam().text, GetParam().prefixes).status, GetParam().status);
}

constexpr auto notANumber = NumberReading::Status::NotANumber;
constexpr auto outOfRange = NumberReading::Status::OutOfRange;
constexpr auto micro = Prefixes::AllowedWithMicro;

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusesNumber,
    ::testing::Values(Rejected{"empty", "", Prefixes::Allowed, notANumber},
                      Rejected{"sign_only", "-", Prefixes::Allowed, notANumber},
                      Rejected{"point_only", ".", Prefixes::Allowed, notANumber},
                      Rejected{"prefix_only", "k", Prefixes::Allowed, notANumber},
                      Rejected{"prefix_refused", "2.2k", Prefixes::Refused, notANumber},
                      Rejected{"two_prefixes", "1k5k", Prefixes::Allowed, notANumber},
                      Rejected{"prefix_and_point", "1k5.2", Prefixes::Allowed, notANumber},
                      Rejected{"prefix_and_exponent", "1e3k", Prefixes::Allowed, notANumber},
                      Rejected{"unknown_prefix", "1u", Prefixes::Allowed, notANumber},
                      Rejected{"unit_text", "75ohm", Prefixes::Allowed, notANumber},
                      Rejected{"leading_blank", " 75", Prefixes::Allowed, notANumber},
                      Rejected{"trailing_blank", "75 ", Prefixes::Allowed, notANumber},
                      Rejected{"comma", "7,5", Prefixes::Allowed, notANumber},
                      Rejected{"two_points", "1.2.3", Prefixes::Allowed, notANumber},
                      Rejected{"bare_exponent", "1e", Prefixes::Allowed, notANumber},
                      Rejected{"hexadecimal", "0x10", Prefixes::Allowed, notANumber},
                      Rejected{"window_hexadecimal", "&H10", Prefixes::Allowed, notANumber},
                      Rejected{"infinity", "inf", Prefixes::Allowed, notANumber},
                      Rejected{"not_a_number", "nan", Prefixes::Allowed, notANumber},
                      Rejected{"double_sign", "--5", Prefixes::Allowed, notANumber},
                      Rejected{"too_large", "1e400", Prefixes::Refused, outOfRange},
                      Rejected{"too_small", "1e-400", Prefixes::Refused, outOfRange},
                      Rejected{"exponent_beyond_any_integer", "1e99999999999999999999",
                               Prefixes::Refused, outOfRange},
                      Rejected{"half_a_micro_sign", "1\xc2", micro, notANumber},
                      Rejected{"micro_and_exponent", "1e3u", micro, notANumber}),
    testing::CaseName{});

struct Coded {
    const char* name;
    const char* text;
    ResistorCode code;
    NumberReading::Status status;
    double value;
};

class ReadsResistorCode : public ::testing::TestWithParam<Coded> {};

TEST_P(ReadsResistorCode, as_printed_on_resistors) {
    const NumberReading reading = readNumber(GetParam().text, Prefixes::Allowed, GetParam().code);
    EXPECT_EQ(reading.status, GetParam().status);
    if (GetParam().status == NumberReading::Status::Ok) {
        EXPECT_EQ(reading.value, GetParam().value);
    }
}

constexpr auto ok = NumberReading::Status::Ok;
constexpr auto coded = ResistorCode::Allowed;

INSTANTIATE_TEST_SUITE_P(
    Codes, ReadsResistorCode,
    ::testing::Values(
        Coded{"point", "4R7", coded, ok, 4.7}, Coded{"below_one", "R47", coded, ok, 0.47},
        Coded{"whole", "47R", coded, ok, 47.0}, Coded{"lower_case", "2r2", coded, ok, 2.2},
        Coded{"zero_ohm_link", "0R", coded, ok, 0.0},
        Coded{"after_a_decimal", "4.7R", coded, ok, 4.7},
        Coded{"alone", "R", coded, notANumber, 0.0}, Coded{"twice", "4R7R", coded, notANumber, 0.0},
        Coded{"with_a_prefix", "4k7R", coded, notANumber, 0.0},
        Coded{"with_an_exponent", "1e3R", coded, notANumber, 0.0},
        Coded{"where_not_allowed", "4R7", ResistorCode::Refused, notANumber, 0.0}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli
