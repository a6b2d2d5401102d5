// The one reader of every option's number: its unit, its bounds and single precision, and a
// range's parts, each refused for its own reason.
#include "cli/quantity_reader.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <string>

namespace zelmarino::cli {
namespace {

constexpr Quantity above0 = {.lowest = 0.0, .lowestAllowed = false};
constexpr Quantity from0 = {.lowest = 0.0};
constexpr Quantity below100 = {.unit = "%", .highest = 100.0, .highestAllowed = false};
constexpr Quantity count = {.lowest = 2.0, .highest = 10.0, .whole = true};
constexpr Quantity hertz = {.unit = "Hz", .prefixes = Prefixes::Allowed};
constexpr Quantity single = {.singlePrecision = true};

struct Read {
    const char* name;
    const char* text;
    Quantity quantity;
    QuantityReading reading;
};

class ReadsQuantity : public ::testing::TestWithParam<Read> {};

TEST_P(ReadsQuantity, or_says_why_not) {
    EXPECT_EQ(readQuantity(GetParam().text, GetParam().quantity), GetParam().reading);
}

constexpr auto outside = QuantityFault::Outside;
constexpr auto notANumber = QuantityFault::NotANumber;

INSTANTIATE_TEST_SUITE_P(
    Quantities, ReadsQuantity,
    ::testing::Values(
        Read{"lowest_refused", "0", above0, outside}, Read{"lowest_allowed", "0", from0, 0.0},
        Read{"below_lowest", "-0.1", from0, outside},
        Read{"highest_refused", "100%", below100, outside},
        Read{"below_highest", "99.5%", below100, 99.5}, Read{"unit_optional", "99", below100, 99.0},
        Read{"count_whole", "2.0", count, 2.0}, Read{"count_not_whole", "2.5", count, outside},
        Read{"count_above_highest", "11", count, outside},
        Read{"unit_after_prefix", "2.4GHz", hertz, 2.4e9},
        Read{"unit_in_any_case", "50hZ", hertz, 50.0}, Read{"unit_alone", "Hz", hertz, notANumber},
        Read{"unit_twice", "1HzHz", hertz, notANumber},
        Read{"unit_after_a_blank", "1 Hz", hertz, notANumber},
        Read{"unit_not_its_own", "1W", hertz, notANumber},
        Read{"beyond_single", "-3.5e38", single, QuantityFault::OutOfRange},
        Read{"below_single", "1e-39", single, QuantityFault::TooSmall},
        Read{"single_zero", "0", single, 0.0}),
    testing::CaseName{});

struct RangeCase {
    const char* name;
    const char* text;
    bool notThreeParts;
    std::size_t part;
    QuantityFault fault;
};

class RefusesRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RefusesRange, naming_the_part_at_fault) {
    const auto reading = readRange(GetParam().text, {from0, count});
    const auto* fault = std::get_if<RangeFault>(&reading);
    ASSERT_NE(fault, nullptr);
    EXPECT_EQ(fault->notThreeParts, GetParam().notThreeParts);
    if (!GetParam().notThreeParts) {
        EXPECT_EQ(fault->part, GetParam().part);
        EXPECT_EQ(fault->fault, GetParam().fault);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RefusesRange,
    ::testing::Values(RangeCase{"two_parts", "1:2", true, 0, notANumber},
                      RangeCase{"four_parts", "1:2:3:4", true, 0, notANumber},
                      RangeCase{"empty_from", ":2:3", false, 0, notANumber},
                      RangeCase{"to_below_its_bound", "1:-2:3", false, 1, outside},
                      // The third part is read by its own rule, not by the ends'.
                      RangeCase{"points_not_whole", "1:2:2.5", false, 2, outside}),
    testing::CaseName{});

TEST(ReadsRange, with_each_part_as_typed) {
    const auto reading = readRange("0.5:20:4", {from0, count});
    ASSERT_TRUE(std::holds_alternative<RangeReading>(reading));
    const auto& range = std::get<RangeReading>(reading);
    EXPECT_EQ(range.values, (std::array<double, 3>{0.5, 20.0, 4.0}));
    EXPECT_EQ(range.texts[1], "20");
}

} // namespace
} // namespace zelmarino::cli
