// Each generated subcircuit run by ngspice between a 1 V source behind Zin and a Zout load:
// the loss ngspice finds agrees with the loss the program printed for that very network,
// and, for exact values, with the loss asked for. Skipped where ngspice is not installed.
#include "tests/cli/case_name.h"
#include "tests/cli/program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zelmarino::cli::testing {
namespace {

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream directories(path != nullptr ? path : "");
    for (std::string directory; std::getline(directories, directory, ':');) {
        std::string candidate = directory;
        candidate.append("/").append(program);
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// What the comments and the .subckt line of one generated subcircuit say.
struct Subcircuit {
    std::string name;
    std::string zin; // as written in the comment, for the deck
    std::string zout;
    double requestedDb = 0.0;
    double printedDb = 0.0;
    bool exactValues = false;
};

std::string wordAfter(const std::string& line, const std::string& marker) {
    const std::size_t at = line.find(marker) + marker.size();
    return line.substr(at, line.find(' ', at) - at);
}

double numberAfter(const std::string& line, const std::string& marker) {
    const std::size_t at = line.find(marker);
    return at == std::string::npos ? NAN : std::strtod(line.c_str() + at + marker.size(), nullptr);
}

std::vector<Subcircuit> subcircuitsIn(const std::string& library) {
    std::vector<Subcircuit> found;
    Subcircuit current;
    std::istringstream lines(library);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(": Zin ") != std::string::npos) {
            current.zin = wordAfter(line, "Zin ");
            current.zout = wordAfter(line, "Zout ");
            current.requestedDb = numberAfter(line, "loss ");
            current.exactValues = line.find("exact values") != std::string::npos;
        } else if (line.starts_with("* check:")) {
            current.printedDb = numberAfter(line, "loss ");
        } else if (line.starts_with(".subckt ")) {
            current.name = line.substr(8, line.find(' ', 8) - 8);
            found.push_back(current);
        }
    }
    return found;
}

struct SpiceCase {
    const char* name;
    std::vector<std::string> arguments;
};

class AgreesWithNgspice : public ::testing::TestWithParam<SpiceCase> {};

TEST_P(AgreesWithNgspice, on_the_loss_between_source_and_load) {
    const std::string ngspice = findOnPath("ngspice");
    if (ngspice.empty()) {
        GTEST_SKIP() << "ngspice is not installed";
    }
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.insert(arguments.end(), {"--format", "spice"});
    const ProgramRun generated = runCalc(arguments);
    ASSERT_EQ(generated.exitStatus, 0) << generated.err;
    const std::vector<Subcircuit> subcircuits = subcircuitsIn(generated.out);
    ASSERT_FALSE(subcircuits.empty());

    std::string directory = ::testing::TempDir() + "zelmarino-spice-XXXXXX";
    ASSERT_NE(mkdtemp(directory.data()), nullptr);
    writeFile(directory + "/attenuators.lib", generated.out);
    std::string deck = "* zelmarino-calc subcircuits between source and load\n.include " +
                       directory + "/attenuators.lib\n";
    std::string prints = "print";
    for (std::size_t i = 0; i < subcircuits.size(); ++i) {
        const Subcircuit& s = subcircuits[i];
        const std::string n = std::to_string(i);
        const auto line = [&deck](std::initializer_list<std::string_view> words) {
            for (const std::string_view word : words) {
                deck.append(word);
            }
            deck += '\n';
        };
        line({"V", n, " src", n, " 0 DC 1"});
        line({"RS", n, " src", n, " in", n, " ", s.zin});
        line({"X", n, " in", n, " out", n, " 0 ", s.name});
        line({"RL", n, " out", n, " 0 ", s.zout});
        prints.append(" v(out").append(n).append(")");
    }
    // Without an explicit quit, batch mode ends with status 1 when there is no .print line.
    deck += ".control\nset numdgt=15\nop\n" + prints + "\nquit 0\n.endc\n.end\n";
    writeFile(directory + "/deck.cir", deck);
    const ProgramRun simulated = runProgram(ngspice, {"-b", directory + "/deck.cir"});
    std::remove((directory + "/attenuators.lib").c_str());
    std::remove((directory + "/deck.cir").c_str());
    rmdir(directory.c_str());
    ASSERT_EQ(simulated.exitStatus, 0) << simulated.out << simulated.err;

    for (std::size_t i = 0; i < subcircuits.size(); ++i) {
        const Subcircuit& s = subcircuits[i];
        SCOPED_TRACE(s.name);
        const double volts = numberAfter(simulated.out, "v(out" + std::to_string(i) + ") = ");
        ASSERT_TRUE(std::isfinite(volts)) << simulated.out;
        const double available = 1.0 / (4.0 * std::stod(s.zin));
        const double delivered = volts * volts / std::stod(s.zout);
        const double lossDb = 10.0 * std::log10(available / delivered);
        EXPECT_NEAR(lossDb, s.printedDb, 5e-5); // printed to four decimals
        if (s.exactValues) {
            EXPECT_NEAR(lossDb, s.requestedDb, 1e-6);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Subcircuits, AgreesWithNgspice,
    ::testing::Values(
        SpiceCase{"pi_exact", {"pi", "--zin", "75", "--zout", "50", "--db", "10"}},
        SpiceCase{"pi_symmetric_table_e96",
                  {"pi", "--zin", "50", "--zout", "50", "--db", "3:30:9", "--series", "E96"}},
        SpiceCase{"t_exchanged_table_e24",
                  {"t", "--zin", "50", "--zout", "75", "--db", "6:12:3", "--series", "E24"}},
        SpiceCase{"t_at_high_loss", {"t", "--zin", "600", "--zout", "150", "--db", "60"}},
        SpiceCase{"l_out_e12",
                  {"l-out", "--zin", "600", "--zout", "50", "--db", "20", "--series", "E12"}},
        SpiceCase{"l_in_exact", {"l-in", "--zin", "1k5", "--zout", "2.2k", "--db", "10"}}),
    testing::CaseName{});

} // namespace
} // namespace zelmarino::cli::testing
