// The IEC 60063 tables and the choice of the nearest standard value.
#include "design/e_series.h"
#include "tests/design/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::design {
namespace {

const std::vector<ESeries> allSeries = {ESeries::E6,  ESeries::E12, ESeries::E24,
                                        ESeries::E48, ESeries::E96, ESeries::E192};

std::string seriesCase(const ::testing::TestParamInfo<ESeries>& info) {
    return std::string(seriesName(info.param));
}

class Table : public ::testing::TestWithParam<ESeries> {};

// Each published series is every other value of the next finer one, and has as many
// values per decade as its name says.
TEST_P(Table, has_its_count_and_is_every_other_value_of_the_finer_series) {
    const ESeries series = GetParam();
    const auto decade = seriesDecade(series);
    std::string name = "E"; // appended: "E" + text draws a false -Wrestrict from GCC 12
    name += std::to_string(decade.size());
    EXPECT_EQ(name, seriesName(series));
    EXPECT_TRUE(std::is_sorted(decade.begin(), decade.end()));
    if (series == ESeries::E24 || series == ESeries::E192) {
        return; // the finest of each family
    }
    const auto finer = seriesDecade(static_cast<ESeries>(static_cast<int>(series) + 1));
    ASSERT_EQ(finer.size(), 2 * decade.size());
    for (std::size_t i = 0; i < decade.size(); ++i) {
        EXPECT_EQ(decade[i], finer[2 * i]) << "value " << i;
    }
}

// Where the published values are not 10^(i/n) rounded is known and few; everywhere else
// they are, which catches a mistyped value.
TEST_P(Table, departs_from_the_geometric_rounding_only_where_the_standard_does) {
    const ESeries series = GetParam();
    const auto decade = seriesDecade(series);
    const int first = decade.front();
    const auto n = static_cast<double>(decade.size());
    std::vector<int> departures;
    for (std::size_t i = 0; i < decade.size(); ++i) {
        const int rounded =
            static_cast<int>(std::lround(first * std::pow(10.0, static_cast<double>(i) / n)));
        if (decade[i] != rounded) {
            departures.push_back(decade[i]);
        }
    }
    // E24's historic values; E12 and E6 inherit the ones they share.
    const std::vector<std::vector<int>> expected = {
        {33, 47},                         // E6
        {27, 33, 39, 47, 82},             // E12
        {27, 30, 33, 36, 39, 43, 47, 82}, // E24
        {},
        {},
        {920}, // E48, E96, E192
    };
    EXPECT_EQ(departures, expected.at(static_cast<std::size_t>(series)));
}

INSTANTIATE_TEST_SUITE_P(Series, Table, ::testing::ValuesIn(allSeries), seriesCase);

struct Nearest {
    const char* name;
    ESeries series;
    double ohms;
    double standard;
};

class NearestStandard : public ::testing::TestWithParam<Nearest> {};

TEST_P(NearestStandard, is_the_nearest_by_ratio_in_any_decade) {
    EXPECT_EQ(nearestStandard(GetParam().ohms, GetParam().series), GetParam().standard);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NearestStandard,
    ::testing::Values(Nearest{"exact_value_kept", ESeries::E24, 4700.0, 4700.0},
                      Nearest{"fraction_of_an_ohm", ESeries::E12, 0.0123, 0.012},
                      Nearest{"below_half_way_goes_down", ESeries::E24, 9.5, 9.1},
                      Nearest{"up_into_the_next_decade", ESeries::E24, 9.6, 10.0},
                      Nearest{"up_into_the_next_decade_e6", ESeries::E6, 85.0, 100.0},
                      Nearest{"down_from_the_decade_start", ESeries::E192, 1001.0, 1000.0},
                      Nearest{"top_of_e192_decade", ESeries::E192, 99.3, 98.8},
                      Nearest{"e192_own_value", ESeries::E192, 9.2e3, 9.2e3},
                      Nearest{"by_ratio_not_difference", ESeries::E6, 1.23,
                              1.5}, // sqrt(1.5) = 1.2247
                      Nearest{"megohms", ESeries::E96, 2.64927e7, 2.67e7},
                      Nearest{"zero_is_a_wire", ESeries::E24, 0.0, 0.0}),
    testing::CaseName{});

// At every decade boundary from 0.01 ohm to 100 megohms: the last value of a decade and the
// first of the next are their own nearest values, and the geometric midpoint between them
// divides the values that go down from those that go up.
TEST_P(Table, rounds_across_every_decade_boundary) {
    const ESeries series = GetParam();
    const auto decade = seriesDecade(series);
    const double first = decade.front();
    for (int exponent = -2; exponent <= 7; ++exponent) {
        const double next = std::pow(10.0, exponent + 1);
        const double last = decade.back() / first * std::pow(10.0, exponent);
        const double midpoint = std::sqrt(last * next);
        SCOPED_TRACE(next);
        EXPECT_DOUBLE_EQ(nearestStandard(last, series), last);
        EXPECT_DOUBLE_EQ(nearestStandard(next, series), next);
        EXPECT_DOUBLE_EQ(nearestStandard(midpoint * 0.9999, series), last);
        EXPECT_DOUBLE_EQ(nearestStandard(midpoint * 1.0001, series), next);
        EXPECT_DOUBLE_EQ(nearestStandard(next * 1.0001, series), next);
    }
}

} // namespace
} // namespace zelmarino::design
