// What an accepted command line means.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace zelmarino::cli {
using namespace formats;
namespace {

Options parsed(std::vector<std::string_view> arguments) {
    const ParsedCommand command = parseCommand(arguments);
    if (const auto* refusal = std::get_if<Refusal>(&command)) {
        ADD_FAILURE() << refusal->message;
        return {};
    }
    return std::get<Options>(command);
}

TEST(Options, reads_options_in_any_order_and_with_equals_signs) {
    const Options options = parsed(
        {"--db=6", "--zout", "1k5", "l-in", "--zin=2.2k", "--series", "e96", "--format", "json"});
    EXPECT_EQ(options.network, Network::LIn);
    EXPECT_EQ(options.zin, 2200.0F);
    EXPECT_EQ(options.zout, 1500.0F);
    EXPECT_EQ(options.lossesDb, std::vector<float>{6.0F});
    EXPECT_FALSE(options.table);
    EXPECT_EQ(options.series, ESeries::E96);
    EXPECT_EQ(options.format, OutputFormat::Json);
}

TEST(Options, holds_impedances_and_loss_in_single_precision_as_the_window_does) {
    const Options options = parsed({"pi", "--zin", "33.3", "--zout", "50", "--db", "10.1"});
    EXPECT_EQ(options.zin, 33.3F);
    EXPECT_EQ(options.lossesDb.front(), 10.1F);
}

TEST(Options, counts_a_range_in_decimal_steps_up_to_and_including_its_end) {
    const Options tenths = parsed({"t", "--zin", "50", "--zout", "50", "--db", "0.1:1:0.1"});
    EXPECT_TRUE(tenths.table);
    ASSERT_EQ(tenths.lossesDb.size(), 10U);
    EXPECT_EQ(tenths.lossesDb.front(), 0.1F);
    EXPECT_EQ(tenths.lossesDb[2], 0.3F); // placed, not accumulated
    EXPECT_EQ(tenths.lossesDb.back(), 1.0F);
    EXPECT_EQ(parsed({"t", "--zin", "50", "--zout", "50", "--db", "0.01:100:0.01"}).lossesDb.size(),
              10000U);
    EXPECT_EQ(parsed({"t", "--zin", "50", "--zout", "50", "--db", "3:4.5:1"}).lossesDb,
              (std::vector<float>{3.0F, 4.0F}));
}

TEST(Options, finds_the_minimum_loss_once_the_impedances_are_known) {
    // The published 50/75 ohm pad, 5.72 dB, in both directions with the shunt on the 50 ohm
    // side, whichever order the options come in.
    const Options up =
        parsed({"l-out", "--db", "min", "--shunt-at", "input", "--zin", "50", "--zout", "75"});
    EXPECT_EQ(up.shuntAt, design::ShuntAt::Input);
    ASSERT_EQ(up.lossesDb.size(), 1U);
    EXPECT_NEAR(up.lossesDb.front(), 5.7195, 1e-4);
    const Options down = parsed({"l-in", "--zin", "75", "--zout", "50", "--db", "min"});
    EXPECT_EQ(down.shuntAt, design::ShuntAt::Output);
    EXPECT_EQ(down.lossesDb, up.lossesDb);
}

TEST(Options, reads_power_in_watts_with_prefix_or_in_dbm) {
    const auto watts = [](std::string_view power) {
        return *parsed({"pi", "--zin", "50", "--zout", "50", "--db", "3", "--power", power})
                    .availableWatts;
    };
    EXPECT_DOUBLE_EQ(watts("2"), 2.0);
    EXPECT_DOUBLE_EQ(watts("500mW"), 0.5);
    EXPECT_DOUBLE_EQ(watts("1.5W"), 1.5);
    EXPECT_DOUBLE_EQ(watts("30dBm"), 1.0);
    EXPECT_DOUBLE_EQ(watts("0dBm"), 0.001);
    EXPECT_DOUBLE_EQ(watts("-10dBm"), 0.0001);
}

TEST(Options, reads_tolerance_as_a_percentage_with_or_without_the_sign) {
    const auto tolerance = [](std::string_view percent) {
        return *parsed({"pi", "--zin", "50", "--zout", "50", "--db", "3", "--tolerance", percent})
                    .tolerance;
    };
    EXPECT_DOUBLE_EQ(tolerance("1"), 0.01);
    EXPECT_DOUBLE_EQ(tolerance("0.5%"), 0.005);
}

TEST(Options, answers_help_and_version_before_judging_the_rest) {
    const std::vector<std::string_view> help = {"--zin", "-3", "--help"};
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(parseCommand(help)));
    const std::vector<std::string_view> version = {"bogus", "--version"};
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(parseCommand(version)));
    const std::vector<std::string_view> repeated = {"--zin", "1", "--zin", "2", "-h"};
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(parseCommand(repeated)));
}

TEST(Options, answers_whichever_of_help_and_version_comes_first) {
    const std::vector<std::string_view> helpFirst = {"--help", "--version"};
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(parseCommand(helpFirst)));
    const std::vector<std::string_view> versionFirst = {"--version", "--help"};
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(parseCommand(versionFirst)));
}

TEST(Options, takes_a_negative_number_as_a_value_not_as_an_option) {
    const std::vector<std::string_view> arguments = {"pi",   "--zin", "75",      "--zout", "50",
                                                     "--db", "10",    "--power", "-3dBm"};
    const ParsedCommand command = parseCommand(arguments);
    ASSERT_TRUE(std::holds_alternative<Options>(command));
    EXPECT_NEAR(*std::get<Options>(command).availableWatts, 0.000501187, 1e-9);
}

} // namespace
} // namespace zelmarino::cli
