// zelmarino-calc check: arms written as the user has them, analysed where the design report
// places them.
#include "cli/check_command.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace zelmarino::cli {
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
    EXPECT_EQ(check.armOhms, (std::vector<double>{750.0, 94.0, 82.0}));
    EXPECT_EQ(check.armTexts.at(1), "47+47");
}

std::string refusalOf(std::vector<std::string_view> arguments) {
    const ParsedCommand command = parseCommand(arguments);
    const auto* refusal = std::get_if<Refusal>(&command);
    return refusal != nullptr ? refusal->message : "accepted";
}

TEST(Check, refuses_arms_the_network_has_not_or_cannot_read) {
    EXPECT_EQ(refusalOf({"check", "l-in", "--zin", "75", "--zout", "50", "--r1", "43", "--r2", "87",
                         "--r3", "10"}),
              "check: --r3: the l-in network has 2 arms");
    EXPECT_EQ(refusalOf({"check", "t", "--zin", "75", "--zout", "50", "--r1", "43", "--r2", "87"}),
              "check: missing --r3");
    EXPECT_EQ(refusalOf({"check", "t", "--zin", "75", "--zout", "50", "--r1", "43", "--r2", "87||x",
                         "--r3", "1"}),
              "--r2 '87||x': 'x' is not a number");
    EXPECT_EQ(refusalOf({"check", "t", "--zin", "75", "--zout", "50", "--r1", "-43", "--r2", "87",
                         "--r3", "1"}),
              "--r1 '-43': a resistance is 0 ohms or more");
}

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

} // namespace
} // namespace zelmarino::cli
