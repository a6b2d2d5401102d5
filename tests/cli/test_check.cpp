// zelmarino-calc check: arms written as the user has them, analysed where the design report
// places them.
#include "cli/check_command.h"
#include "formats/fields.h"
#include "tests/cli/case_name.h"
#include "tests/design/placements.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelmarino::cli {
using namespace formats;
namespace {

CheckOptions parsedCheck(std::vector<std::string_view> arguments) {
    const ParsedCommand command = parseCommand(arguments);
    if (const auto* refusal = std::get_if<Refusal>(&command)) {
        ADD_FAILURE() << refusal->message;
        return {};
    }
    return std::get<CheckOptions>(command);
}

TEST(Check, reads_arms_alone_in_series_and_in_parallel) {
    const CheckOptions check = parsedCheck({"check", "pi", "--zin", "75", "--zout", "50", "--r1",
                                            "1k5||1k5", "--r2", "47+47", "--r3", "82"});
    EXPECT_EQ(check.common.network, Network::Pi);
    ASSERT_EQ(check.arms.size(), 3U);
    EXPECT_EQ(check.arms[0].ohms, 750.0);
    EXPECT_TRUE(check.arms[0].parallel);
    EXPECT_EQ(check.arms[1].ohms, 94.0);
    EXPECT_EQ(check.arms[1].second, 47.0);
    EXPECT_EQ(check.arms[2].ohms, 82.0);
    EXPECT_EQ(check.armTexts.at(1), "47+47");
}

struct CheckRefusal {
    const char* name;
    std::vector<std::string_view> arguments;
    std::string message;
};

class CheckRefuses : public ::testing::TestWithParam<CheckRefusal> {};

TEST_P(CheckRefuses, naming_the_option) {
    const ParsedCommand command = parseCommand(GetParam().arguments);
    const auto* refusal = std::get_if<Refusal>(&command);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Arms, CheckRefuses,
    ::testing::Values(
        CheckRefusal{"arm_the_l_has_not",
                     {"check", "l-in", "--zin", "75", "--zout", "50", "--r1", "43", "--r2", "87",
                      "--r3", "10"},
                     "check: --r3: the l-in network has 2 arms"},
        CheckRefusal{"arm_missing",
                     {"check", "t", "--zin", "75", "--zout", "50", "--r1", "43", "--r2", "87"},
                     "check: missing --r3"},
        CheckRefusal{"half_of_a_pair_not_a_number",
                     {"check", "t", "--zin", "75", "--zout", "50", "--r1", "43", "--r2", "87||x",
                      "--r3", "1"},
                     "--r2 '87||x': 'x' is not a number"},
        CheckRefusal{
            "negative_arm",
            {"check", "t", "--zin", "75", "--zout", "50", "--r1", "-43", "--r2", "87", "--r3", "1"},
            "--r1 '-43': a resistance is 0 ohms or more"},
        CheckRefusal{"h_without_its_shunt",
                     {"check", "h", "--zin", "600", "--zout", "600", "--r1", "1", "--r2", "1",
                      "--r3", "1", "--r4", "1"},
                     "check: missing --r5"},
        CheckRefusal{"fifth_arm_of_an_o",
                     {"check", "o", "--zin", "600", "--zout", "600", "--r1", "1", "--r2", "1",
                      "--r3", "1", "--r4", "1", "--r5", "1"},
                     "check: --r5: the o network has 4 arms"},
        CheckRefusal{"unknown_format",
                     {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "1", "--r2", "1",
                      "--r3", "1", "--format", "xml"},
                     "check: --format 'xml': a check is written as text, csv, json or spice"},
        CheckRefusal{"touchstone",
                     {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "1", "--r2", "1",
                      "--r3", "1", "--format", "touchstone", "--freq", "1G"},
                     "check: --format 'touchstone': a check is written as text, csv, json or "
                     "spice"}),
    testing::CaseName{});

// The example of a better E24 set: 220, 91 and 82 ohm between 75 and 50 ohm lose 9.93 dB
// with 31.8 dB return loss at the worse port.
TEST(Check, analyses_the_network_as_built) {
    const RunResult result = runCheck(parsedCheck(
        {"check", "pi", "--zin", "75", "--zout", "50", "--r1", "220", "--r2", "91", "--r3", "82"}));
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.out.find("Loss (dB)"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("9.93"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("31.8"), std::string::npos) << result.out;
}

// A bridged T between unequal impedances cannot be designed, but one that a user has can be
// measured like any other network.
TEST(Check, analyses_a_bridged_t_between_unequal_impedances) {
    const RunResult result =
        runCheck(parsedCheck({"check", "bridged-t", "--zin", "75", "--zout", "50", "--r1", "75",
                              "--r2", "75", "--r3", "75", "--r4", "75"}));
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("Loss (dB)"), std::string::npos) << result.out;
}

using design::testing::Placement;

class DesignedValues : public ::testing::TestWithParam<Placement> {};

// A design's own values, checked, give back the design's check and power, figure for figure:
// the check places every arm where the design report puts it, whichever port is the larger.
TEST_P(DesignedValues, check_as_the_design_reports_them) {
    Options options;
    static_cast<design::Request&>(options) = design::testing::requestFor(GetParam());
    options.availableWatts = 2.0;
    options.ratingWatts = 0.25;
    const DesignReport report = design::evaluateDesign(options, 30.0F); // above every minimum
    ASSERT_TRUE(report.realisable());
    CheckOptions check{options, {}, {}};
    for (const Arm& arm : report.design.arms) {
        check.arms.push_back(design::partOf(arm.resistor.ohms, std::nullopt, false));
        check.armTexts.push_back(shortest(arm.resistor.ohms));
    }
    const std::optional<DesignReport> built = checkNetwork(check);
    ASSERT_TRUE(built && built->exact && built->power && built->toleratedWatts);
    for (const CheckField& field : checkFields) {
        const double expected = field.value(*report.exact);
        const double found = field.value(*built->exact);
        if (field.quantity->capped && expected > 120.0) {
            EXPECT_GT(found, 120.0) << field.key; // a match, up to rounding noise
        } else {
            EXPECT_NEAR(found, expected, 1e-9 * (1.0 + std::abs(expected))) << field.key;
        }
    }
    ASSERT_EQ(built->design.arms.size(), report.design.arms.size());
    for (std::size_t i = 0; i < report.design.arms.size(); ++i) {
        EXPECT_EQ(built->design.arms[i].entry, report.design.arms[i].entry);
        for (const ArmPowerField& field : armPowerFields) {
            const double expected = field.value(report, i);
            EXPECT_NEAR(field.value(*built, i), expected, 1e-9 * expected)
                << field.key << " of " << report.design.arms[i].entry->name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DesignedValues,
                         ::testing::ValuesIn(design::testing::everyPlacement(600.0F, 50.0F)),
                         testing::CaseName{});

} // namespace
} // namespace zelmarino::cli
