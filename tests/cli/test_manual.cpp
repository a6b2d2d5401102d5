// The manual page and --help describe the same program: every option either lists is in the
// other's synopsis, and every network of the catalogue is in both.
#include "design/catalogue.h"
#include "design/resistor_model.h"
#include "tests/cli/program.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace zelmarino::cli::testing {
namespace {

std::set<std::string> optionsIn(const std::string& text) {
    static const std::regex option(R"(--[a-z][a-z0-9-]*)");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    found.erase("--help");
    found.erase("--version");
    return found;
}

// The manual's source with troff's escaped hyphens plain.
std::string manual() {
    std::string text = readFile(ZELMARINO_MANUAL_PATH);
    for (std::size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) {
        text.erase(at, 1);
    }
    return text;
}

std::string section(const std::string& text, const std::string& heading) {
    const std::size_t start = text.find(".SH " + heading + "\n");
    const std::size_t end = text.find("\n.SH ", start + 1);
    return start == std::string::npos ? "" : text.substr(start, end - start);
}

TEST(Manual, synopsis_lists_every_option_of_the_help_and_no_other) {
    const std::string synopsis = section(manual(), "SYNOPSIS");
    ASSERT_FALSE(synopsis.empty());
    std::set<std::string> helped = optionsIn(runCalc({"--help"}).out);
    for (const std::string& option : optionsIn(runCalc({"check", "--help"}).out)) {
        helped.insert(option);
    }
    EXPECT_EQ(optionsIn(synopsis), helped);
}

TEST(Manual, usage_of_each_command_starts_with_the_program_name) {
    const std::string design = runCalc({"--help"}).out;
    const std::string check = runCalc({"check", "--help"}).out;
    EXPECT_NE(design.find("Usage: zelmarino-calc "), std::string::npos) << design;
    EXPECT_NE(check.find("Usage: zelmarino-calc check "), std::string::npos) << check;
    EXPECT_EQ(check.find("Usage: check"), std::string::npos) << check;
}

TEST(Manual, names_every_network_of_the_catalogue_as_the_help_does) {
    const std::string networks = section(manual(), "NETWORKS");
    const std::string help = runCalc({"--help"}).out;
    for (const design::NetworkEntry& entry : design::catalogue()) {
        const std::string command(entry.command);
        EXPECT_NE(networks.find(".B " + command + "\n"), std::string::npos) << command;
        // A name too long for the help's column has its summary on the next line.
        EXPECT_TRUE(help.find("  " + command + " ") != std::string::npos ||
                    help.find("  " + command + "\n") != std::string::npos)
            << command;
    }
}

// The values are given as the program holds them, so a change to one shows up here.
TEST(Manual, gives_every_package_with_its_inductance_and_capacitance) {
    const std::string options = section(manual(), "OPTIONS");
    for (const design::Package& package : design::packages()) {
        const std::size_t at = options.find(".B " + std::string(package.name) + "\n");
        ASSERT_NE(at, std::string::npos) << package.name;
        const std::string line = options.substr(at, options.find(".TQ", at) - at);
        static const std::regex values(R"(([0-9.]+) nH, ([0-9.]+) pF)");
        std::smatch found;
        ASSERT_TRUE(std::regex_search(line, found, values)) << line;
        const double henries = std::stod(found[1].str()) * 1e-9;
        const double farads = std::stod(found[2].str()) * 1e-12;
        EXPECT_NEAR(henries, package.parasitics.seriesHenries, 1e-15) << line;
        EXPECT_NEAR(farads, package.parasitics.shuntFarads, 1e-18) << line;
    }
}

TEST(Manual, exit_statuses_say_what_the_help_says) {
    const std::string statuses = section(manual(), "EXIT STATUS");
    const std::string help = runCalc({"--help"}).out;
    for (const char* cause : {"below the minimum", "optimise", "refused", "written"}) {
        EXPECT_NE(statuses.find(cause), std::string::npos) << cause;
        EXPECT_NE(help.find(cause), std::string::npos) << cause;
    }
}

} // namespace
} // namespace zelmarino::cli::testing
