// zelmarino-calc check with a part model and a sweep: the design's own values, given back as a
// check, answer as the design command does, and a contradiction is refused in its words.
#include "cli/check_command.h"
#include "tests/cli/case_name.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::cli {
using namespace formats;
namespace {

// The 50 ohm 10 dB Pi: the design command's arguments, and the check of its exact values.
std::vector<std::string> designArguments() {
    return {"pi", "--zin", "50", "--zout", "50", "--db", "10"};
}

std::vector<std::string> checkArguments() {
    Options options;
    options.network = Network::Pi;
    options.zin = 50.0F;
    options.zout = 50.0F;
    const DesignReport report = design::evaluateDesign(options, 10.0F);
    std::vector<std::string> arguments = {"check", "pi", "--zin", "50", "--zout", "50"};
    for (std::size_t i = 0; i < report.design.arms.size(); ++i) {
        arguments.push_back("--r" + std::to_string(i + 1));
        arguments.push_back(shortest(report.design.arms[i].resistor.ohms));
    }
    return arguments;
}

RunResult runWith(std::vector<std::string> arguments, const std::vector<std::string>& extra) {
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    return run(views);
}

std::string from(const std::string& text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? std::string() : text.substr(at);
}

// The parts of each output that say the same of the same network: the design's loss and its
// "exact" values are the check's loss as built and "given".
std::string whole(const std::string& text) {
    return text;
}
std::string bandwidthTable(const std::string& text) {
    return from(text, "Usable bandwidth,");
}
std::string sweepTable(const std::string& text) {
    return from(from(text, "Response of the"), "Frequency");
}
std::string jsonFromParts(const std::string& text) {
    return from(text, "\"parts\"");
}
std::string csvWithoutLossAndValues(const std::string& text) {
    std::string kept;
    std::size_t field = 0; // of the line, counted from 0: loss_db is the fourth, values the fifth
    for (const char c : text) {
        if (field != 3 && field != 4) {
            kept += c;
        }
        field = c == '\n' ? 0 : field + (c == ',' ? 1 : 0);
    }
    return kept;
}
// The subcircuit's elements, without its name, which says design or check.
std::string subcircuitElements(const std::string& text) {
    const std::string body = from(text, ".subckt");
    const std::size_t first = body.find('\n');
    const std::size_t end = body.find(".ends");
    return first == std::string::npos || end == std::string::npos ? std::string()
                                                                  : body.substr(first, end - first);
}

struct SameAsDesign {
    const char* name;
    std::vector<std::string> extra; // given to both commands
    std::string (*comparable)(const std::string&);
    std::string shown; // what both must hold, so that an empty comparison cannot pass
};

class CheckAnswersAsTheDesign : public ::testing::TestWithParam<SameAsDesign> {};

TEST_P(CheckAnswersAsTheDesign, for_the_designs_own_values) {
    const SameAsDesign& row = GetParam();
    const RunResult design = runWith(designArguments(), row.extra);
    const RunResult check = runWith(checkArguments(), row.extra);
    ASSERT_EQ(design.exitStatus, 0) << design.err;
    ASSERT_EQ(check.exitStatus, 0) << check.err;
    const std::string expected = row.comparable(design.out);
    EXPECT_NE(expected.find(row.shown), std::string::npos) << design.out;
    EXPECT_EQ(row.comparable(check.out), expected) << check.out;
}

INSTANTIATE_TEST_SUITE_P(
    Model, CheckAnswersAsTheDesign,
    ::testing::Values(
        SameAsDesign{
            "bandwidth_of_0603", {"--package", "0603", "--bandwidth"}, whole, "Usable bandwidth: "},
        SameAsDesign{"bandwidth_of_every_package_with_flatness_and_return_loss",
                     {"--bandwidth", "--flatness", "0.5", "--min-return-loss", "20"},
                     whole,
                     "0603 thick-film chip"},
        SameAsDesign{"text_report_ends_with_the_bandwidths",
                     {"--parasitics", "L=1nH,C=0.05pF", "--via", "0.3nH"},
                     bandwidthTable,
                     "your parts"},
        SameAsDesign{
            "text_sweep", {"--package", "0402", "--freq", "10M:10G:5:log"}, sweepTable, "S21 (dB)"},
        SameAsDesign{"csv_sweep",
                     {"--package", "0603", "--freq", "1G:6G:6", "--format", "csv"},
                     csvWithoutLossAndValues,
                     "frequency_hz"},
        SameAsDesign{
            "json_sweep",
            {"--package", "0603", "--via", "0.3nH", "--freq", "1G:3G:3", "--format", "json"},
            jsonFromParts,
            "\"s21_db\""},
        SameAsDesign{"csv_bandwidths",
                     {"--package", "0805", "--bandwidth", "--format", "csv"},
                     csvWithoutLossAndValues,
                     "bandwidth_hz"},
        SameAsDesign{"spice_of_modelled_parts",
                     {"--package", "0603", "--via", "0.3nH", "--format", "spice"},
                     subcircuitElements,
                     // the package's figure as printed, not a product's rounding
                     "LR1 r1_l r1_via 5.2e-10\n"}),
    testing::CaseName{});

struct RefusedAlike {
    const char* name;
    std::vector<std::string> extra;
    // Where the design's words name what a check has not (a Touchstone file, --optimise).
    const char* checkWords = nullptr;
};

class CheckRefusesAsTheDesign : public ::testing::TestWithParam<RefusedAlike> {};

TEST_P(CheckRefusesAsTheDesign, in_its_words) {
    const RunResult design = runWith(designArguments(), GetParam().extra);
    const RunResult check = runWith(checkArguments(), GetParam().extra);
    ASSERT_EQ(design.exitStatus, exitRefused);
    EXPECT_EQ(check.exitStatus, exitRefused);
    const std::string program = "zelmarino-calc: ";
    ASSERT_TRUE(design.err.starts_with(program)) << design.err;
    const std::string words = GetParam().checkWords != nullptr
                                  ? std::string(GetParam().checkWords) + "\n"
                                  : design.err.substr(program.size());
    EXPECT_EQ(check.err, program + "check: " + words);
    EXPECT_TRUE(check.out.empty()) << check.out;
}

INSTANTIATE_TEST_SUITE_P(
    Model, CheckRefusesAsTheDesign,
    ::testing::Values(
        RefusedAlike{"package_and_parasitics", {"--package", "0603", "--parasitics", "L=1nH"}},
        RefusedAlike{"sweep_as_spice",
                     {"--freq", "1G", "--format", "spice"},
                     "--freq '1G': a sweep is written as text, csv or json"},
        RefusedAlike{"bandwidth_with_a_sweep", {"--bandwidth", "--freq", "1G"}},
        RefusedAlike{"bandwidth_as_spice", {"--bandwidth", "--format", "spice"}},
        RefusedAlike{"model_as_csv_without_a_response", {"--via", "1nH", "--format", "json"}},
        RefusedAlike{"flatness_without_a_bandwidth", {"--flatness", "0.2"}},
        RefusedAlike{"return_loss_without_a_bandwidth",
                     {"--min-return-loss", "20"},
                     "--min-return-loss: only where a usable bandwidth is reported (--bandwidth, "
                     "or --package, --parasitics or --via as text)"}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli
